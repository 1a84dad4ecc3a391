#include "cardsets/PixelRun.h"

namespace velmora {

std::int64_t PixelRunSize(std::int64_t width, std::int64_t height) { return 3 * width * height; }

void ReadPixelRun(ByteReader& reader, Picture& picture, const Phrase& what) {
    const auto bytes = reader.ReadBytes(static_cast<std::size_t>(PixelRunSize(picture.Width, picture.Height)), what);
    std::size_t i = 0;
    for (std::uint32_t& pixel : picture.Pixels) {
        const std::uint32_t blue = bytes[i];
        const std::uint32_t green = bytes[i + 1];
        const std::uint32_t red = bytes[i + 2];
        pixel = red << 16 | green << 8 | blue;
        i += 3;
    }
}

void WritePixelRun(ByteWriter& writer, const Picture& picture) {
    for (const std::uint32_t pixel : picture.Pixels) {
        writer.WriteByte(static_cast<std::uint8_t>(pixel));
        writer.WriteByte(static_cast<std::uint8_t>(pixel >> 8));
        writer.WriteByte(static_cast<std::uint8_t>(pixel >> 16));
    }
}

}  // namespace velmora
