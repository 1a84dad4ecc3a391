#pragma once
// What a card set must hold to serve each board format, and the limits a reader accepts.

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

struct CardSetFormat {
    const char* Name;          // as the windows show it
    std::int32_t CardCount;    // card back plus one face per pair
    std::int32_t MaxCardWidth;  // the 540 x 374 board area divided by columns and rows
    std::int32_t MaxCardHeight;
};

inline constexpr std::array<CardSetFormat, 4> CardSetFormats{{
    {"Junior (5x4)", 11, 108, 93},
    {"Standard (7x6)", 22, 77, 62},
    {"Expert (8x8)", 33, 67, 46},
    {"Fanatic (10x10)", 51, 54, 37},
}};

// Sets not made by the wizard may hold any count up to the largest format's, with cards up to the
// largest any format accepts; beyond these no board and no picture list can use them.
inline constexpr std::int32_t MaxCardCount = 51;
inline constexpr std::int32_t MaxCardWidth = 108;
inline constexpr std::int32_t MaxCardHeight = 93;

// The test the card-set check applies to the first twelve bytes of a file.
bool IsValidCardSetHeader(std::int32_t cardCount, std::int32_t cardWidth, std::int32_t cardHeight);

// Whether a loader can hold a set of this count and card size at all.
bool IsLoadableCardSetHeader(std::int32_t cardCount, std::int32_t cardWidth, std::int32_t cardHeight);

// The name of the largest format a set of this many cards serves, e.g. "Fanatic (10x10)" for 34.
std::string LargestFormatName(std::int32_t cardCount);

}  // namespace velmora
