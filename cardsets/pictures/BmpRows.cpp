// Uncompressed bitmap rows: palette indices of 1, 4 or 8 bits, or colours of 16, 24 or 32 bits,
// each row padded to four bytes, from the bottom up unless the header's height was negative.

#include <bit>

#include "cardsets/pictures/BmpDecoding.h"

namespace velmora {

namespace {

// A channel of n bits spread over 0..255, so that its largest value is full intensity.
std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
    const auto largest = std::uint64_t{mask >> std::countr_zero(mask)};
    const std::uint64_t part = (value & mask) >> std::countr_zero(mask);
    return static_cast<std::uint32_t>((part * 255 + largest / 2) / largest);
}

std::uint32_t MaskedColour(std::uint32_t value, const BmpLayout& layout) {
    return Channel(value, layout.Masks[0]) << 16 | Channel(value, layout.Masks[1]) << 8 |
           Channel(value, layout.Masks[2]);
}

std::uint32_t Little(const std::uint8_t* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
    return value;
}

std::uint32_t IndexAt(const std::uint8_t* row, std::int32_t x, int bits) {
    const std::int64_t bit = std::int64_t{x} * bits;
    const std::uint32_t byte = row[bit / 8];
    return byte >> (8 - bits - bit % 8) & ((1u << bits) - 1);
}

std::uint32_t PixelAt(const std::uint8_t* row, std::int32_t x, const BmpLayout& layout) {
    const int bits = layout.BitCount;
    if (bits <= 8) {
        const std::uint32_t index = IndexAt(row, x, bits);
        if (index >= layout.Colours.size()) ThrowBitmapNotValid();
        return layout.Colours[index];
    }
    const std::uint8_t* p = row + static_cast<std::size_t>(x) * static_cast<std::size_t>(bits / 8);
    if (bits == 24) return Little(p, 3);
    return MaskedColour(Little(p, bits / 8), layout);
}

}  // namespace

Picture DecodeBmpRows(std::span<const std::uint8_t> file, const BmpLayout& layout) {
    const std::int64_t usedBytes = (std::int64_t{layout.Width} * layout.BitCount + 7) / 8;
    const std::int64_t rowBytes = (usedBytes + 3) / 4 * 4;
    // The last row's padding may be left out; its pixels may not.
    const std::int64_t needed = rowBytes * (layout.Height - 1) + usedBytes;
    if (needed > static_cast<std::int64_t>(file.size() - layout.PixelOffset)) ThrowBitmapNotValid();

    Picture picture(layout.Width, layout.Height);
    for (std::int32_t r = 0; r < layout.Height; ++r) {
        const std::uint8_t* row = file.data() + layout.PixelOffset + static_cast<std::size_t>(r * rowBytes);
        const std::int32_t y = layout.TopDown ? r : layout.Height - 1 - r;
        for (std::int32_t x = 0; x < layout.Width; ++x) picture.At(x, y) = PixelAt(row, x, layout);
    }
    return picture;
}

}  // namespace velmora
