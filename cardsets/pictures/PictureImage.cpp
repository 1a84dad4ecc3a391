#include "cardsets/pictures/PictureImage.h"

#include <cstddef>
#include <cstdint>

namespace velmora {

QImage ToImage(const Picture& picture) {
    if (picture.Empty()) return {};
    QImage image(picture.Width, picture.Height, QImage::Format_RGB32);
    for (int y = 0; y < picture.Height; ++y) {
        // Whole rows through plain pointers, which the compiler turns into wide operations.
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::uint32_t* const row = picture.Pixels.data() + static_cast<std::size_t>(y) * picture.Width;
        for (int x = 0; x < picture.Width; ++x) line[x] = 0xFF000000u | row[x];
    }
    return image;
}

Picture ToPicture(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Picture picture(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::uint32_t* const row = picture.Pixels.data() + static_cast<std::size_t>(y) * picture.Width;
        for (int x = 0; x < picture.Width; ++x) row[x] = line[x] & 0x00FFFFFFu;
    }
    return picture;
}

}  // namespace velmora
