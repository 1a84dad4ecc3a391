#pragma once
// What a card set must hold to serve each board format, and the limits a reader accepts.

#include <cstdint>
#include <string>

#include "formats/Formats.h"

namespace velmora {

// A card set serves a format by its card count and largest card, both in the board-format table.
using CardSetFormat = TFormat;
inline constexpr const auto& CardSetFormats = Formats;

// Sets not made by the wizard may hold any count up to the largest format's, with cards up to the
// largest any format accepts; beyond these no board and no picture list can use them.
inline constexpr std::int32_t MaxCardCount = Formats.back().CardCount;
inline constexpr std::int32_t MaxCardWidth = Formats.front().MaxCardWidth;
inline constexpr std::int32_t MaxCardHeight = Formats.front().MaxCardHeight;
static_assert(MaxCardCount == 51 && MaxCardWidth == 108 && MaxCardHeight == 93);

// The test the card-set check applies to the first twelve bytes of a file.
bool IsValidCardSetHeader(std::int32_t cardCount, std::int32_t cardWidth, std::int32_t cardHeight);

// Whether a loader can hold a set of this count and card size at all.
bool IsLoadableCardSetHeader(std::int32_t cardCount, std::int32_t cardWidth, std::int32_t cardHeight);

// The name of the largest format a set of this many cards serves, e.g. "Fanatic (10x10)" for 34.
std::string LargestFormatName(std::int32_t cardCount);

}  // namespace velmora
