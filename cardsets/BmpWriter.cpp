#include "cardsets/BmpWriter.h"

#include "cardsets/ByteWriter.h"
#include "compression/Stream.h"

namespace velmora {

namespace {

constexpr std::int32_t FileHeaderSize = 14;
constexpr std::int32_t InfoHeaderSize = 40;
constexpr std::int32_t PixelsPerMetre = 2835;  // 72 dots per inch

void WriteInt16(ByteWriter& out, std::uint16_t value) {
    out.WriteByte(static_cast<std::uint8_t>(value));
    out.WriteByte(static_cast<std::uint8_t>(value >> 8));
}

std::int32_t RowSize(std::int32_t width) { return (3 * width + 3) / 4 * 4; }

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const Picture& picture) {
    const std::int32_t rowSize = RowSize(picture.Width);
    const std::int32_t imageSize = rowSize * picture.Height;
    ByteWriter out;
    out.Reserve(static_cast<std::size_t>(FileHeaderSize + InfoHeaderSize + imageSize));
    out.WriteBytes("BM", 2);
    out.WriteInt32(FileHeaderSize + InfoHeaderSize + imageSize);
    out.WriteInt32(0);  // reserved
    out.WriteInt32(FileHeaderSize + InfoHeaderSize);
    out.WriteInt32(InfoHeaderSize);
    out.WriteInt32(picture.Width);
    out.WriteInt32(picture.Height);  // positive: rows run from the bottom
    WriteInt16(out, 1);              // planes
    WriteInt16(out, 24);             // bits per pixel
    out.WriteInt32(0);               // no compression
    out.WriteInt32(imageSize);
    out.WriteInt32(PixelsPerMetre);
    out.WriteInt32(PixelsPerMetre);
    out.WriteInt32(0);  // colours used
    out.WriteInt32(0);  // important colours
    for (std::int32_t y = picture.Height - 1; y >= 0; --y) {
        for (std::int32_t x = 0; x < picture.Width; ++x) {
            const std::uint32_t pixel = picture.At(x, y);
            out.WriteByte(static_cast<std::uint8_t>(pixel));
            out.WriteByte(static_cast<std::uint8_t>(pixel >> 8));
            out.WriteByte(static_cast<std::uint8_t>(pixel >> 16));
        }
        for (std::int32_t pad = 3 * picture.Width; pad < rowSize; ++pad) out.WriteByte(0);
    }
    return out.Take();
}

void WriteBmp24(const std::filesystem::path& path, const Picture& picture) {
    const std::vector<std::uint8_t> bytes = EncodeBmp24(picture);
    FileStream file(path, FileStream::Mode::Create);
    file.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    file.Close();
}

}  // namespace velmora
