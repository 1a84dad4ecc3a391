// Picture files of a few bytes whose headers declare pictures no card set could come from: each is
// refused with the file's name before the memory for its pixels is taken.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <string>
#include <vector>

#include "CardSetSamples.h"
#include "PictureErrors.h"
#include "cardsets/pictures/CardPictureFile.h"
#include "cardsets/pictures/PictureFile.h"

using namespace velmora;
using velmora::testing::PictureErrorOf;
using velmora::testing::ScratchFolder;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

void PutBigEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t Crc32(const std::vector<std::uint8_t>& bytes, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < bytes.size(); ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutChunk(std::vector<std::uint8_t>& png, const std::string& type, const std::vector<std::uint8_t>& data) {
    PutBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), data.begin(), data.end());
    PutBigEndian(png, Crc32(png, start));
}

// A PNG of width x height whose chunks are all there, with their right checksums, and whose data
// holds no pixels.
std::vector<std::uint8_t> PngWithoutPixels(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBigEndian(header, width);
    PutBigEndian(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01});
    PutChunk(png, "IEND", {});
    return png;
}

// A lossless WebP header of the largest size the format can hold, 16384 x 16384, and no data.
std::vector<std::uint8_t> WebpHeaderOnly() {
    std::vector<std::uint8_t> webp = Bytes("RIFF");
    webp.insert(webp.end(), {18, 0, 0, 0});
    for (char c : std::string("WEBPVP8L")) webp.push_back(static_cast<std::uint8_t>(c));
    webp.insert(webp.end(), {6, 0, 0, 0, 0x2F, 0xFF, 0xFF, 0xFF, 0x0F, 0, 0});
    return webp;
}

}  // namespace

TEST(PictureLimits, HeadersDeclaringEnormousPicturesAreRefusedAsTooLargeByName) {
    ScratchFolder folder;
    folder.WriteFile("wide.png", PngWithoutPixels(60000, 10));
    folder.WriteFile("vast.png", PngWithoutPixels(9000, 9000));
    folder.WriteFile("vast.webp", WebpHeaderOnly());
    folder.WriteFile("vast.ppm", Bytes("P6\n20000 20000\n255\n\x01\x02\x03"));
    folder.WriteFile("vast.svg", Bytes("<svg xmlns='http://www.w3.org/2000/svg' width='100000' height='100000'/>"));
    for (const char* name : {"wide.png", "vast.png", "vast.webp", "vast.ppm", "vast.svg"}) {
        SCOPED_TRACE(name);
        const std::string error = PictureErrorOf(folder / name);
        EXPECT_EQ(error.rfind("The picture " + (folder / name).string() + " is too large to be read (", 0), 0u) << error;
    }
    EXPECT_NE(PictureErrorOf(folder / "vast.webp").find("(16384 x 16384 pixels)"), std::string::npos);
    // A card takes a drawing at its own size, whatever the drawing declares.
    const Picture card = ReadCardPictureFile(folder / "vast.svg", {{30, 20}, FitMode::Crop, 0});
    EXPECT_EQ(card.Width, 30);
    EXPECT_EQ(card.Height, 20);
}

// Found by the picture fuzzer: 40 bytes named .gif, not a GIF at all, where a GIF keeps its screen
// size they said 31751 x 56036 (here 16000 x 16000). Qt's GIF reader, chosen by the name, went for
// the memory of that screen while it was only asked whether it could read the file; Qt says so when
// the memory is beyond its limit.
TEST(PictureLimits, AFileNamedAsAFormatIsReadOnlyByWhatItHolds) {
    ScratchFolder folder;
    folder.WriteFile("card.gif", {0x47, 0xff, 0xff, 0x7e, 0xff, 0x07, 0x80, 0x3e, 0x80, 0x3e, 0x80, 0x00, 0x00, 0xff,
                                  0xff, 0xff, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x01, 0x00, 0xc3, 0x00, 0x02, 0x00, 0x00,
                                  0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x2d, 0x01, 0x00, 0x3b});
    static std::vector<std::string> messages;
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { messages.push_back(text.toStdString()); });
    const std::string error = PictureErrorOf(folder / "card.gif");
    qInstallMessageHandler(previous);
    EXPECT_EQ(error.rfind("The picture " + (folder / "card.gif").string() + " is damaged or not a picture", 0), 0u)
        << error;
    for (const std::string& message : messages) EXPECT_EQ(message.find("allocation limit"), std::string::npos) << message;
    // A PNG named .gif is still read as the PNG it is.
    QImage red(3, 2, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    ASSERT_TRUE(red.save(QString::fromStdString((folder / "photo.gif").string()), "PNG"));
    const Picture picture = ReadPictureFile(folder / "photo.gif");
    ASSERT_EQ(picture.Width, 3);
    ASSERT_EQ(picture.Height, 2);
    for (std::uint32_t pixel : picture.Pixels) EXPECT_EQ(pixel, 0xFF0000u);
}
