#include "cardsets/pictures/PictureImage.h"


namespace velmora {

QImage ToImage(const Picture& picture) {
    if (picture.Empty()) return {};
    QImage image(picture.Width, picture.Height, QImage::Format_RGB32);
    for (int y = 0; y < picture.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.Width; ++x) line[x] = 0xFF000000u | picture.At(x, y);
    }
    return image;
}

Picture ToPicture(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Picture picture(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) picture.At(x, y) = line[x] & 0x00FFFFFFu;
    }
    return picture;
}

}  // namespace velmora
