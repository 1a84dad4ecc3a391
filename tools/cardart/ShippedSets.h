#pragma once
// The card sets that ship with the program, drawn and written with the project's card-set writer:
// "Default.cst" (51 cards of 54 x 37, every format) and one set at the largest card size of each of
// Junior, Standard and Expert.

#include <QImage>
#include <filesystem>
#include <string>

#include "cardsets/CardSetDescription.h"

namespace velmora::cardart {

struct ShippedSet {
    const char* fileName;
    int format;  // the board format whose largest card size the set uses, 0..3
    bool pictureBackground;
};

inline constexpr ShippedSet kShippedSets[] = {
    {"Default.cst", 3, true},
    {"Junior Shapes.cst", 0, false},
    {"Standard Shapes.cst", 1, true},
    {"Expert Shapes.cst", 2, false},
};

QImage BoardBackground();  // 540 x 374
CardSetDescription DescribeSet(const ShippedSet& set);
// Writes every shipped set into folder; raises what the writer raises.
void WriteShippedSets(const std::filesystem::path& folder);

}  // namespace velmora::cardart
