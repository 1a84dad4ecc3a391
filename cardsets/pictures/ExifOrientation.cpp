#include "cardsets/pictures/ExifOrientation.h"

#include <cstring>

namespace velmora {

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::size_t kExifPrefix = 6;  // "Exif\0\0"

struct TiffData {
    const std::uint8_t* Bytes;
    std::size_t Size;
    bool LittleEndian;

    bool Has(std::size_t at, std::size_t count) const { return at <= Size && count <= Size - at; }
    std::uint32_t Read(std::size_t at, int bytes) const {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            const std::uint32_t byte = Bytes[at + static_cast<std::size_t>(LittleEndian ? bytes - 1 - i : i)];
            value = value << 8 | byte;
        }
        return value;
    }
};

}  // namespace

int ExifOrientation(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < kExifPrefix + 8 || std::memcmp(data, "Exif\0\0", kExifPrefix) != 0) return 1;
    TiffData tiff{data + kExifPrefix, size - kExifPrefix, false};
    if (tiff.Bytes[0] == 'I' && tiff.Bytes[1] == 'I') tiff.LittleEndian = true;
    else if (tiff.Bytes[0] != 'M' || tiff.Bytes[1] != 'M') return 1;
    if (tiff.Read(2, 2) != 42) return 1;
    const std::size_t directory = tiff.Read(4, 4);
    if (!tiff.Has(directory, 2)) return 1;
    const std::size_t entries = tiff.Read(directory, 2);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + i * 12;
        if (!tiff.Has(entry, 12)) return 1;
        if (tiff.Read(entry, 2) != kOrientationTag) continue;
        if (tiff.Read(entry + 2, 2) != 3) return 1;  // a SHORT, as the tag must be
        const auto value = static_cast<int>(tiff.Read(entry + 8, 2));
        return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

Picture Oriented(Picture picture, int orientation) {
    if (orientation < 2 || orientation > 8 || picture.Empty()) return picture;
    const std::int32_t w = picture.Width, h = picture.Height;
    const bool swap = SwapsSides(orientation);
    Picture turned(swap ? h : w, swap ? w : h);
    turned.Palette = picture.Palette;
    for (std::int32_t y = 0; y < turned.Height; ++y)
        for (std::int32_t x = 0; x < turned.Width; ++x) {
            std::int32_t sx = x, sy = y;
            switch (orientation) {
                case 2: sx = w - 1 - x; break;
                case 3: sx = w - 1 - x; sy = h - 1 - y; break;
                case 4: sy = h - 1 - y; break;
                case 5: sx = y; sy = x; break;
                case 6: sx = y; sy = h - 1 - x; break;
                case 7: sx = w - 1 - y; sy = h - 1 - x; break;
                default: sx = w - 1 - y; sy = x; break;  // 8
            }
            turned.At(x, y) = picture.At(sx, sy);
        }
    return turned;
}

}  // namespace velmora
