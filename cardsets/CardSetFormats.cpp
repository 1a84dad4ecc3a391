#include "cardsets/CardSetFormats.h"

namespace velmora {

bool IsValidCardSetHeader(std::int32_t cardCount, std::int32_t cardWidth, std::int32_t cardHeight) {
    for (const CardSetFormat& format : CardSetFormats) {
        if (cardCount == format.CardCount) {
            return cardWidth >= 1 && cardWidth <= format.MaxCardWidth && cardHeight >= 1 &&
                   cardHeight <= format.MaxCardHeight;
        }
    }
    return false;
}

bool IsLoadableCardSetHeader(std::int32_t cardCount, std::int32_t cardWidth, std::int32_t cardHeight) {
    return cardCount >= 1 && cardCount <= MaxCardCount && cardWidth >= 1 && cardWidth <= MaxCardWidth &&
           cardHeight >= 1 && cardHeight <= MaxCardHeight;
}

std::string LargestFormatName(std::int32_t cardCount) {
    // Each format needs more cards than the one before it holds, so the last one a count passes wins.
    std::string name = CardSetFormats[0].Name;
    for (std::size_t i = 1; i < CardSetFormats.size(); ++i) {
        if (cardCount > CardSetFormats[i - 1].CardCount) name = CardSetFormats[i].Name;
    }
    return name;
}

}  // namespace velmora
