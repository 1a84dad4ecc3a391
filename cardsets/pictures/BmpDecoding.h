#pragma once
// The pieces of the bitmap reader: the layout its headers describe, and the two ways its pixels are
// stored (plain rows, or runs of palette indices). Every damaged field ends in "Bitmap image is not
// valid"; nothing is guessed or filled in for data a file does not hold.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "cardsets/Picture.h"

namespace velmora {

enum class BmpStorage { Rows, Runs8, Runs4 };

struct BmpLayout {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool TopDown = false;
    int BitCount = 0;
    BmpStorage Storage = BmpStorage::Rows;
    std::array<std::uint32_t, 3> Masks{};  // red, green, blue, for 16 and 32 bits a pixel
    std::vector<std::uint32_t> Colours;    // the colour table, 0x00RRGGBB; empty above 8 bits a pixel
    std::size_t PixelOffset = 0;
};

[[noreturn]] void ThrowBitmapNotValid();

// Reads and checks the file and information headers, the colour masks and the colour table. A size
// beyond the readers' limits raises the size error naming path.
BmpLayout ReadBmpLayout(std::span<const std::uint8_t> file, const std::filesystem::path& path);

Picture DecodeBmpRows(std::span<const std::uint8_t> file, const BmpLayout& layout);
Picture DecodeBmpRuns(std::span<const std::uint8_t> file, const BmpLayout& layout);

}  // namespace velmora
