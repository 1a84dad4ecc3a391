#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cstdlib>
#include <stdexcept>

#include "CardSetSamples.h"
#include "PictureErrors.h"
#include "cardsets/BmpWriter.h"
#include "cardsets/pictures/PictureFile.h"
#include "cardsets/pictures/StandardPalette.h"

using namespace velmora;
using velmora::testing::PatternPicture;
using velmora::testing::PictureErrorOf;
using velmora::testing::ScratchFolder;

namespace {

QImage PatternImage(int width, int height, std::uint32_t seed) {
    const Picture picture = PatternPicture(width, height, seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, 0xFF000000u | picture.At(x, y));
    return image;
}

// Smooth enough that a JPEG keeps it close to the original, so tests can tell decoding faults.
QImage GradientImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
    return image;
}

std::vector<std::uint8_t> JpegBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return {bytes.begin(), bytes.end()};
}

// A JPEG of 16 x 16 whose frame header (FFC0: length, precision, then height and width, big-endian)
// claims side x side.
std::vector<std::uint8_t> JpegClaiming(std::uint16_t side) {
    std::vector<std::uint8_t> bytes = JpegBytes(GradientImage(16, 16));
    for (std::size_t i = 0; i + 8 < bytes.size(); ++i) {
        if (bytes[i] != 0xFF || bytes[i + 1] != 0xC0) continue;
        for (const std::size_t at : {i + 5, i + 7}) {
            bytes[at] = static_cast<std::uint8_t>(side >> 8);
            bytes[at + 1] = static_cast<std::uint8_t>(side);
        }
        return bytes;
    }
    throw std::runtime_error("no frame header in the JPEG");
}

int LargestChannelDifference(const Picture& picture, const QImage& image) {
    int largest = 0;
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x) {
            const QRgb expected = image.pixel(x, y);
            const std::uint32_t got = picture.At(x, y);
            largest = std::max({largest, std::abs(qRed(expected) - static_cast<int>(got >> 16 & 0xFF)),
                                std::abs(qGreen(expected) - static_cast<int>(got >> 8 & 0xFF)),
                                std::abs(qBlue(expected) - static_cast<int>(got & 0xFF))});
        }
    return largest;
}

}  // namespace

TEST(PictureFiles, An8BitBitmapKeepsItsPixelsAndColourTable) {
    ScratchFolder folder;
    QImage image(6, 4, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i) table << qRgb(i, 255 - i, (i * 7) & 0xFF);
    image.setColorTable(table);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) image.setPixel(x, y, static_cast<uint>(y * 40 + x));
    ASSERT_TRUE(image.save(QString::fromStdString((folder / "back.BMP").string()), "BMP"));

    const Picture picture = ReadPictureFile(folder / "back.BMP");
    ASSERT_EQ(picture.Width, 6);
    ASSERT_EQ(picture.Height, 4);
    EXPECT_EQ(picture.At(5, 3), table[3 * 40 + 5] & 0xFFFFFFu);
    EXPECT_EQ(picture.At(0, 0), table[0] & 0xFFFFFFu);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(picture.Palette[static_cast<std::size_t>(i)], table[i] & 0xFFFFFFu);
}

TEST(PictureFiles, ATrueColourBitmapIsReadPixelForPixelWithTheStandardPalette) {
    ScratchFolder folder;
    const Picture original = PatternPicture(13, 7, 3);
    WriteBmp24(folder / "face.bmp", original);
    const Picture picture = ReadPictureFile(folder / "face.bmp");
    EXPECT_EQ(picture.Pixels, original.Pixels);
    EXPECT_EQ(picture.Palette, StandardPalette());
}

TEST(PictureFiles, TheStandardPaletteHoldsTheColourCubeAndDistinctGreys) {
    const ColourTable& palette = StandardPalette();
    EXPECT_EQ(palette[0], 0x000000u);
    EXPECT_EQ(palette[215], 0xFFFFFFu);
    EXPECT_EQ(palette[1], 0x000033u);
    EXPECT_EQ(palette[36], 0x330000u);
    for (std::size_t i = 216; i < 256; ++i) {
        const std::uint32_t grey = palette[i] & 0xFF;
        EXPECT_EQ(palette[i], grey << 16 | grey << 8 | grey);
        EXPECT_NE(grey % 51, 0u) << "a grey the cube already has, at " << i;
    }
}

TEST(PictureFiles, AJpegIsDecodedAtItsSizeWithTheStandardPalette) {
    ScratchFolder folder;
    const QImage image = GradientImage(54, 37);
    folder.WriteFile("face.jpg", JpegBytes(image));
    const Picture picture = ReadPictureFile(folder / "face.jpg");
    ASSERT_EQ(picture.Width, 54);
    ASSERT_EQ(picture.Height, 37);
    EXPECT_LE(LargestChannelDifference(picture, image), 12);
    EXPECT_EQ(picture.Palette, StandardPalette());
    EXPECT_EQ(ReadPictureFile(folder / "face.jpg"), picture);  // decoding is repeatable
}

TEST(PictureFiles, AGreyJpegComesOutGrey) {
    ScratchFolder folder;
    QImage grey(20, 10, QImage::Format_Grayscale8);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) grey.setPixel(x, y, qRgb(x * 12, x * 12, x * 12));
    folder.WriteFile("grey.JPG", JpegBytes(grey));
    const Picture picture = ReadPictureFile(folder / "grey.JPG");
    for (const std::uint32_t pixel : picture.Pixels) {
        EXPECT_EQ(pixel >> 16 & 0xFF, pixel & 0xFF);
        EXPECT_EQ(pixel >> 8 & 0xFF, pixel & 0xFF);
    }
    EXPECT_LE(LargestChannelDifference(picture, grey.convertToFormat(QImage::Format_RGB32)), 8);
}

TEST(PictureFiles, OtherExtensionsAreRefusedByName) {
    ScratchFolder folder;
    folder.WriteFile("card.doc", {1, 2, 3});
    folder.WriteFile("card", {1, 2, 3});
    EXPECT_EQ(PictureErrorOf(folder / "card.doc"), "Unknown picture file extension (.doc)");
    EXPECT_EQ(PictureErrorOf(folder / "card"), "Unknown picture file extension (.)");
}

TEST(PictureFiles, AFileThatIsNoBitmapIsNotValid) {
    ScratchFolder folder;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    PatternImage(8, 8, 1).save(&buffer, "PNG");
    folder.WriteFile("png.bmp", {png.begin(), png.end()});
    folder.WriteFile("empty.bmp", {});
    folder.WriteFile("noise.bmp", {'B', 'M', 7, 7, 7, 7, 7, 7, 7, 7});
    std::vector<std::uint8_t> cut = EncodeBmp24(PatternPicture(30, 30, 2));
    cut.resize(60);
    folder.WriteFile("cut.bmp", cut);
    for (const char* name : {"png.bmp", "empty.bmp", "noise.bmp", "cut.bmp"})
        EXPECT_EQ(PictureErrorOf(folder / name), "Bitmap image is not valid") << name;
}

TEST(PictureFiles, ABitmapClaimingAHugeSizeIsRefusedBeforeItsPixelsAreRead) {
    ScratchFolder folder;
    std::vector<std::uint8_t> bytes = EncodeBmp24(PatternPicture(4, 4, 1));
    const auto put = [&](std::size_t at, std::int32_t value) {
        for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put(18, 30000);  // width
    put(22, 30000);  // height
    folder.WriteFile("huge.bmp", bytes);
    EXPECT_THROW(ReadPictureFile(folder / "huge.bmp"), EPictureError);
}

TEST(PictureFiles, ADamagedJpegIsAJpegErrorAndNeverEndsTheProgram) {
    ScratchFolder folder;
    folder.WriteFile("text.jpg", {'h', 'e', 'l', 'l', 'o'});
    const std::string error = PictureErrorOf(folder / "text.jpg");
    EXPECT_EQ(error.rfind("JPEG error #", 0), 0u) << error;
    EXPECT_GT(std::atoi(error.c_str() + 12), 0);

    // Every cut of a real file is either decoded at the file's size or refused with an error.
    const std::vector<std::uint8_t> whole = JpegBytes(GradientImage(40, 30));
    for (std::size_t length = 0; length < whole.size(); length += 7) {
        folder.WriteFile("cut.jpg", {whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)});
        try {
            const Picture picture = ReadPictureFile(folder / "cut.jpg");
            EXPECT_EQ(picture.Width, 40);
            EXPECT_EQ(picture.Pixels.size(), 40u * 30u);
        } catch (const EPictureError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("JPEG error #", 0), 0u) << e.what();
        }
    }
}

TEST(PictureFiles, AJpegClaimingAHugeSizeIsRefusedBeforeAnythingIsDecoded) {
    ScratchFolder folder;
    folder.WriteFile("huge.jpg", JpegClaiming(60000));
    EXPECT_EQ(PictureErrorOf(folder / "huge.jpg").rfind("The picture ", 0), 0u);
}

// Found by the bitmap fuzzer: a header claiming 33554441 pixels a row at 1376 bits a pixel made the
// check for missing rows overflow its arithmetic (undefined behaviour, caught in the sanitizer build).
TEST(PictureFiles, ABitmapHeaderWhoseRowsOverflowTheRowCheckIsRefused) {
    ScratchFolder folder;
    folder.WriteFile("overflow.bmp",
                     {0x42, 0x4d, 0x86, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x32, 0x01, 0x00, 0x00, 0x28, 0x00,
                      0x00, 0x00, 0x09, 0x00, 0x00, 0x02, 0x00, 0x00, 0x60, 0x70, 0x00, 0x01, 0x52, 0x05, 0x00, 0x00,
                      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2b, 0x00, 0x00, 0x00,
                      0x00, 0x00, 0x00, 0x2b, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xbe, 0xbe});
    EXPECT_THROW(ReadPictureFile(folder / "overflow.bmp"), EPictureError);
}

// A file of a few bytes claiming millions of pixels used to take the memory for all of them, and
// about a second to fill them with grey or black; it is damaged, since it cannot hold their data.
TEST(PictureFiles, AFileFarTooShortForTheSizeItClaimsIsDamaged) {
    ScratchFolder folder;
    folder.WriteFile("short.jpg", JpegClaiming(6000));
    const std::string jpegError = PictureErrorOf(folder / "short.jpg");
    EXPECT_EQ(jpegError.rfind("JPEG error #", 0), 0u) << jpegError;

    // An RLE8 bitmap of 4000 x 4000 whose only run code ends the picture at once.
    std::vector<std::uint8_t> rle = {'B', 'M', 64, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0, 40, 0, 0, 0,
                                     0xA0, 0x0F, 0, 0, 0xA0, 0x0F, 0, 0, 1, 0, 8, 0, 1, 0, 0, 0,
                                     2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
                                     0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 1};
    folder.WriteFile("sparse.bmp", rle);
    EXPECT_EQ(PictureErrorOf(folder / "sparse.bmp"), "Bitmap image is not valid");

    // The same run code ending a picture of 30 x 30 is a whole bitmap.
    rle[18] = rle[22] = 30;
    rle[19] = rle[23] = 0;
    folder.WriteFile("small.bmp", rle);
    EXPECT_EQ(ReadPictureFile(folder / "small.bmp").Pixels.size(), 900u);
}

TEST(PictureFiles, AMissingFileCannotBeOpened) {
    ScratchFolder folder;
    EXPECT_EQ(PictureErrorOf(folder / "gone.jpg"), "Cannot open file " + (folder / "gone.jpg").string());
    EXPECT_EQ(PictureErrorOf(folder / "gone.bmp"), "Cannot open file " + (folder / "gone.bmp").string());
}
