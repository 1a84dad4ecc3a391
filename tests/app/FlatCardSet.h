#pragma once
// A Fanatic card set of flat colours (54 x 37 cards) on a background colour, for tests of drawing.

#include <QColor>
#include <filesystem>
#include <string>

#include "cardsets/CardSetWriter.h"

namespace velmora::testing {

inline constexpr QRgb kFlatBack = 0xFF3050A0;
inline constexpr QRgb kFlatBackground = 0xFF204060;

inline QRgb FlatFace(int picture) { return qRgb(picture * 5, 255 - picture * 4, (picture * 37) % 256); }

inline void WriteFlatFanaticSet(const std::filesystem::path& file) {
    CardSetDescription set;
    set.CardWidth = 54;
    set.CardHeight = 37;
    for (int i = 0; i <= 50; ++i) {
        set.CardNames.push_back("card " + std::to_string(i));
        set.CardPictures.emplace_back(54, 37, (i == 0 ? kFlatBack : FlatFace(i)) & 0x00FFFFFFu);
    }
    set.BackgroundColour = 0x00604020;  // 0x00BBGGRR of kFlatBackground
    WriteCardSet(file, set);
}

}  // namespace velmora::testing
