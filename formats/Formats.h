#pragma once
// The four board formats. The index is also the position in the New Game dialog's size list and
// the stored LastFormat setting.

#include <array>

namespace velmora {

inline constexpr int BoardAreaWidth = 540;
inline constexpr int BoardAreaHeight = 374;

struct TFormat {
    const char* Name;
    int Cols;
    int Rows;
    int Pairs;
    int ImageCount;  // card back + faces a card set must hold
    int MaxCardWidth;
    int MaxCardHeight;
};

inline constexpr std::array<TFormat, 4> Formats{{
    {"Junior (5x4)", 5, 4, 10, 11, BoardAreaWidth / 5, BoardAreaHeight / 4},
    {"Standard (7x6)", 7, 6, 21, 22, BoardAreaWidth / 7, BoardAreaHeight / 6},
    {"Expert (8x8)", 8, 8, 32, 33, BoardAreaWidth / 8, BoardAreaHeight / 8},
    {"Fanatic (10x10)", 10, 10, 50, 51, BoardAreaWidth / 10, BoardAreaHeight / 10},
}};

static_assert(Formats[0].MaxCardWidth == 108 && Formats[0].MaxCardHeight == 93);
static_assert(Formats[3].MaxCardWidth == 54 && Formats[3].MaxCardHeight == 37);

}  // namespace velmora
