#include "PictureSeeds.h"

#include <QImage>
#include <QImageWriter>
#include <QString>

#include <fstream>
#include <stdexcept>

#include "cardsets/BmpWriter.h"

namespace velmora::fuzz {

namespace {

QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x ^ y) * 16));
    return image;
}

Picture Pattern(std::int32_t width, std::int32_t height) {
    Picture picture(width, height);
    for (std::size_t i = 0; i < picture.Pixels.size(); ++i) picture.Pixels[i] = (static_cast<std::uint32_t>(i) * 0x3A1F07u) & 0xFFFFFF;
    return picture;
}

void Save(const QImage& image, const std::filesystem::path& file, const char* format, bool progressive = false) {
    QImageWriter writer(QString::fromStdString(file.string()), format);
    writer.setQuality(60);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image)) throw std::runtime_error("cannot write " + file.string());
}

void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

void MakeBitmapSeeds(const std::filesystem::path& folder) {
    WriteBytes(folder / "true-colour.bmp", EncodeBmp24(Pattern(5, 3)));
    WriteBytes(folder / "odd-rows.bmp", EncodeBmp24(Pattern(17, 9)));
    QImage indexed = Gradient(9, 7).convertToFormat(QImage::Format_Indexed8);
    Save(indexed, folder / "indexed.bmp", "BMP");
    Save(Gradient(16, 4).convertToFormat(QImage::Format_Mono), folder / "mono.bmp", "BMP");
}

void MakeJpegSeeds(const std::filesystem::path& folder) {
    Save(Gradient(16, 16), folder / "baseline.jpg", "JPG");
    Save(Gradient(24, 9), folder / "progressive.jpg", "JPG", true);
    Save(Gradient(8, 8).convertToFormat(QImage::Format_Grayscale8), folder / "grey.jpg", "JPG");
}

}  // namespace velmora::fuzz
