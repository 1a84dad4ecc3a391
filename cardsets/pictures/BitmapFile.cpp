// Bitmaps are read through QImage, which knows every variant of the format; the colour table of an
// indexed picture is kept, since the card back's becomes the set's palette.

#include <QImage>
#include <QImageReader>
#include <QString>

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

}  // namespace

Picture ReadBitmapFile(const std::filesystem::path& path) {
    // The content must be a bitmap whatever else Qt could read, as the extension promised.
    QImageReader reader(QString::fromStdString(path.string()), "bmp");
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        if (reader.error() == QImageReader::FileNotFoundError) throw EPictureError("Cannot open file " + path.string());
        ThrowNotValid();
    }
    const QSize size = reader.size();
    if (!size.isValid()) ThrowNotValid();
    CheckPictureSize(path, size.width(), size.height());
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
