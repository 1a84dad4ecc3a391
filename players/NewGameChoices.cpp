#include "players/NewGameChoices.h"

#include "formats/Formats.h"

namespace velmora {

bool SetFillsFormat(std::size_t imageCount, int format) {
    if (format < 0 || format >= static_cast<int>(Formats.size())) return false;
    return imageCount >= static_cast<std::size_t>(Formats[static_cast<std::size_t>(format)].CardCount);
}

std::vector<int> OfferedFormats(std::int32_t cardCount) {
    std::vector<int> offered{0};  // Junior is always offered, so the list is never empty
    for (int index = 1; index < static_cast<int>(Formats.size()); ++index) {
        if (cardCount > 0 && SetFillsFormat(static_cast<std::size_t>(cardCount), index)) offered.push_back(index);
    }
    return offered;
}

int PreselectedSet(const std::vector<std::string>& sets, const std::string& lastSet) {
    if (sets.empty()) return -1;
    int selected = 0;
    for (int i = 0; i < static_cast<int>(sets.size()); ++i) {
        if (sets[static_cast<std::size_t>(i)] == lastSet) selected = i;
    }
    return selected;
}

int PreselectedFormat(int lastFormat, int offeredCount) {
    return lastFormat >= 0 && lastFormat <= offeredCount - 1 ? lastFormat : 0;
}

}  // namespace velmora
