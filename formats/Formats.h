#pragma once
// The four board formats, the one table the game, the card sets and the wizard all go by. The index
// is also the position in the New Game dialog's and the wizard's lists and the stored LastFormat
// setting.

#include <array>

namespace velmora {

inline constexpr int BoardAreaWidth = 540;
inline constexpr int BoardAreaHeight = 374;

// The translation files' context of the formats' names.
inline constexpr const char* FormatNamesContext = "Formats";

struct TFormat {
    const char* Name;  // as the windows show it, translated in FormatNamesContext
    int Cols;
    int Rows;
    int Pairs;
    int CardCount;  // card back plus one face per pair: what a card set must hold
    int MaxCardWidth;  // the board area divided by columns and rows
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
