// Bitmaps are read through QImage, which knows every variant of the format; the colour table of an
// indexed picture is kept, since the card back's becomes the set's palette.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdlib>

#include "cardsets/pictures/PictureFile.h"
#include "cardsets/pictures/StandardPalette.h"

namespace velmora {

namespace {

[[noreturn]] void ThrowNotValid() { throw EPictureError("Bitmap image is not valid"); }

ColourTable PaletteOf(const QImage& image) {
    const QList<QRgb> table = image.colorTable();
    if (table.isEmpty()) return StandardPalette();
    ColourTable palette{};
    const auto count = std::min<std::size_t>(palette.size(), static_cast<std::size_t>(table.size()));
    for (std::size_t i = 0; i < count; ++i) palette[i] = table[static_cast<qsizetype>(i)] & 0x00FFFFFFu;
    return palette;
}

std::uint32_t Number(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// QImage fills the rows missing from a file cut short and calls the picture good; a file without
// all the rows its header promises is damaged. Only uncompressed rows have a size known beforehand.
bool HoldsItsRows(QFile& file) {
    constexpr int kHeaderBytes = 54;
    const QByteArray header = file.peek(kHeaderBytes);
    if (header.size() < kHeaderBytes) return true;  // too short for the check; the reader refuses it
    const std::uint32_t compression = Number(header, 30, 4);
    if (compression != 0 && compression != 3) return true;
    const std::int64_t width = static_cast<std::int32_t>(Number(header, 18, 4));
    const std::int64_t height = static_cast<std::int32_t>(Number(header, 22, 4));
    const std::int64_t bits = Number(header, 28, 2);
    // Sizes beyond the limits are refused by the size check, and their product could overflow here.
    if (width < 1 || width > MaxPictureSide || height == 0 || std::abs(height) > MaxPictureSide) return true;
    const std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
    const std::int64_t needed = Number(header, 10, 4) + rowBytes * std::abs(height);
    return file.size() >= needed;
}

}  // namespace

Picture ReadBitmapFile(const std::filesystem::path& path) {
    QFile file(QFile::decodeName(path.string().c_str()));
    if (!file.open(QIODevice::ReadOnly)) throw EPictureError("Cannot open file " + path.string());
    // The content must be a bitmap whatever else Qt could read, as the extension promised.
    QImageReader reader(&file, "bmp");
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead() || !HoldsItsRows(file)) ThrowNotValid();
    const QSize size = reader.size();
    if (!size.isValid()) ThrowNotValid();
    CheckPictureSize(path, size.width(), size.height());
    if (!HoldsEnoughData(size.width(), size.height(), file.size())) ThrowNotValid();
    const QImage image = reader.read();
    if (image.isNull() || image.size() != size) ThrowNotValid();

    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Picture picture(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) picture.At(x, y) = line[x] & 0x00FFFFFFu;
    }
    picture.Palette = PaletteOf(image);
    return picture;
}

}  // namespace velmora
