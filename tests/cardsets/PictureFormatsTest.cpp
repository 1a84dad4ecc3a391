// Every picture format a card can come from, written here with Qt and read back into the core's
// picture: sizes and pixels must be what was written.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cstdlib>

#include "CardSetSamples.h"
#include "PictureErrors.h"
#include "cardsets/pictures/CardPictureFile.h"
#include "cardsets/pictures/PictureFile.h"

using namespace velmora;
using velmora::testing::PictureErrorOf;
using velmora::testing::ScratchFolder;

namespace {

// Colours that survive a palette of 256 entries and a greyscale file where the test says so.
QImage Pattern(int width, int height, bool grey = false) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int v = (x * 37 + y * 11) % 256;
            image.setPixel(x, y, grey ? qRgb(v, v, v) : qRgb(v, (y * 50) % 256, (x * 40) % 256 & 0xC0));
        }
    return image;
}

int LargestDifference(const Picture& picture, const QImage& image) {
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

// A GIF of two 4-colour frames, LZW-coded with a clear code before every pair of pixels so that the
// code width never grows (Qt reads GIF but cannot write it).
QByteArray TwoFrameGif(const QImage& first, const QImage& second, const QList<QRgb>& colours) {
    QByteArray gif("GIF89a");
    auto word = [&](int v) { gif.append(char(v & 0xFF)).append(char(v >> 8 & 0xFF)); };
    word(first.width());
    word(first.height());
    gif.append(char(0xF1)).append('\0').append('\0');  // global table of 4 entries
    for (QRgb c : colours) gif.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    for (const QImage* frame : {&first, &second}) {
        gif.append("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);  // graphic control: 0.1 s, no transparency
        gif.append(',');
        word(0);
        word(0);
        word(frame->width());
        word(frame->height());
        gif.append('\0').append('\x02');  // no local table; minimum code size 2
        QByteArray codes;
        std::uint32_t bits = 0;
        int count = 0;
        auto put = [&](int code) {
            bits |= static_cast<std::uint32_t>(code) << count;
            count += 3;
            while (count >= 8) {
                codes.append(char(bits & 0xFF));
                bits >>= 8;
                count -= 8;
            }
        };
        int index = 0;
        for (int y = 0; y < frame->height(); ++y)
            for (int x = 0; x < frame->width(); ++x, ++index) {
                if (index % 2 == 0) put(4);
                put(static_cast<int>(colours.indexOf(frame->pixel(x, y))));
            }
        put(5);
        if (count > 0) codes.append(char(bits & 0xFF));
        for (qsizetype at = 0; at < codes.size(); at += 255) {
            const QByteArray block = codes.mid(at, 255);
            gif.append(char(block.size())).append(block);
        }
        gif.append('\0');
    }
    gif.append(';');
    return gif;
}

void Write(const std::filesystem::path& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path.string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// An APP1 segment whose EXIF data holds only the orientation tag, put right after the SOI marker.
QByteArray WithExifOrientation(QByteArray jpeg, int orientation) {
    QByteArray exif("Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 24);
    exif.append(char(orientation)).append(QByteArray(3, '\0')).append(QByteArray(4, '\0'));
    QByteArray segment("\xFF\xE1", 2);
    const auto length = static_cast<int>(exif.size() + 2);
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(exif);
    return jpeg.insert(2, segment);
}

class PictureFormats : public ::testing::Test {
protected:
    std::filesystem::path Save(const QImage& image, const std::string& name, const char* format, int quality = -1) {
        const std::filesystem::path path = folder / name;
        QImageWriter writer(QString::fromStdString(path.string()), format);
        if (quality >= 0) writer.setQuality(quality);
        EXPECT_TRUE(writer.write(image)) << name << ": " << writer.errorString().toStdString();
        return path;
    }

    ScratchFolder folder;
};

}  // namespace

TEST_F(PictureFormats, EveryLosslessFormatGivesThePixelsWritten) {
    struct Format {
        const char* Name;
        const char* Writer;
        bool Grey;
    };
    for (const Format& f : {Format{"png", "png", false}, Format{"tif", "tiff", false}, Format{"tiff", "tiff", false},
                            Format{"webp", "webp", false}, Format{"ppm", "ppm", false}, Format{"pgm", "pgm", true},
                            Format{"bmp", "bmp", false}}) {
        SCOPED_TRACE(f.Name);
        const QImage image = Pattern(23, 17, f.Grey);
        const auto path = Save(image, std::string("picture.") + f.Name, f.Writer, f.Writer == std::string("webp") ? 100 : -1);
        const Picture picture = ReadPictureFile(path);
        ASSERT_EQ(picture.Width, 23);
        ASSERT_EQ(picture.Height, 17);
        EXPECT_EQ(LargestDifference(picture, image), 0);
    }
}

TEST_F(PictureFormats, JpegIsDecodedWithinRounding) {
    QImage image(40, 24, QImage::Format_RGB32);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x) image.setPixel(x, y, qRgb(x * 6, y * 10, 128));
    const auto path = Save(image, "photo.JPEG", "jpeg", 100);
    const Picture picture = ReadPictureFile(path);
    ASSERT_EQ(picture.Width, 40);
    ASSERT_EQ(picture.Height, 24);
    EXPECT_LE(LargestDifference(picture, image), 6);
}

TEST_F(PictureFormats, AGifGivesItsFirstFrame) {
    const QList<QRgb> colours{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    QImage first(9, 5, QImage::Format_RGB32), second(9, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x) {
            first.setPixel(x, y, colours[(x + 2 * y) % 4]);
            second.setPixel(x, y, colours[3]);
        }
    Write(folder / "anim.gif", TwoFrameGif(first, second, colours));
    const Picture picture = ReadPictureFile(folder / "anim.gif");
    ASSERT_EQ(picture.Width, 9);
    ASSERT_EQ(picture.Height, 5);
    EXPECT_EQ(LargestDifference(picture, first), 0);
}

TEST_F(PictureFormats, ATransparentPictureIsDrawnOverWhite) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 0));
    image.setPixel(1, 0, qRgba(0, 0, 0, 255));
    image.setPixel(2, 0, qRgba(255, 0, 0, 128));
    const Picture picture = ReadPictureFile(Save(image, "clear.png", "png"));
    EXPECT_EQ(picture.At(0, 0), 0xFFFFFFu);
    EXPECT_EQ(picture.At(1, 0), 0x000000u);
    const std::uint32_t half = picture.At(2, 0);
    EXPECT_EQ(half >> 16, 255u);
    EXPECT_NEAR(int(half >> 8 & 0xFF), 127, 1);
    EXPECT_NEAR(int(half & 0xFF), 127, 1);
}

// Large pictures are converted a band of rows at a time: every row must land where it was.
TEST_F(PictureFormats, ATallPictureKeepsEveryRowInPlace) {
    QImage image(5, 301, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgba(y % 256, y / 256 * 60, x * 50, 255));
    const Picture picture = ReadPictureFile(Save(image, "tall.png", "png"));
    ASSERT_EQ(picture.Height, 301);
    EXPECT_EQ(LargestDifference(picture, image), 0);
}

TEST_F(PictureFormats, JpegAndTiffAreTurnedUprightByTheirOrientation) {
    // Left half red, right half blue: turned a quarter clockwise, red is on top.
    QImage image(16, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) image.setPixel(x, y, x < 8 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    const auto plain = Save(image, "plain.jpg", "jpeg", 100);
    Write(folder / "turned.jpg", WithExifOrientation(Read(plain), 6));
    QImageWriter tiff(QString::fromStdString((folder / "turned.tif").string()), "tiff");
    tiff.setTransformation(QImageIOHandler::TransformationRotate90);
    ASSERT_TRUE(tiff.write(image));
    for (const char* name : {"turned.jpg", "turned.tif"}) {
        SCOPED_TRACE(name);
        const Picture picture = ReadPictureFile(folder / name);
        ASSERT_EQ(picture.Width, 8);
        ASSERT_EQ(picture.Height, 16);
        EXPECT_GT(picture.At(4, 2) >> 16 & 0xFF, 200u);
        EXPECT_LT(picture.At(4, 2) & 0xFF, 60u);
        EXPECT_GT(picture.At(4, 13) & 0xFF, 200u);
        EXPECT_LT(picture.At(4, 13) >> 16 & 0xFF, 60u);
    }
    EXPECT_EQ(ReadPictureFile(plain).Width, 16);
}

TEST_F(PictureFormats, ADrawingIsRenderedAtTheCardSize) {
    Write(folder / "shape.svg",
          "<svg xmlns='http://www.w3.org/2000/svg' width='200' height='100' viewBox='0 0 200 100'>"
          "<rect width='200' height='100' fill='#0000ff'/><rect x='50' width='100' height='100' fill='#ff0000'/></svg>");
    const Picture own = ReadPictureFile(folder / "shape.svg");
    EXPECT_EQ(own.Width, 200);
    EXPECT_EQ(own.Height, 100);
    const Picture cropped = ReadCardPictureFile(folder / "shape.svg", {{40, 40}, FitMode::Crop, 0});
    ASSERT_EQ(cropped.Width, 40);
    ASSERT_EQ(cropped.Height, 40);
    for (std::uint32_t pixel : cropped.Pixels) ASSERT_EQ(pixel, 0xFF0000u);  // only the red middle square
    const Picture fitted = ReadCardPictureFile(folder / "shape.svg", {{40, 40}, FitMode::Fit, 0x00FF00});
    EXPECT_EQ(fitted.At(20, 2), 0x00FF00u);   // margin above the 40 x 20 drawing
    EXPECT_EQ(fitted.At(20, 20), 0xFF0000u);
    EXPECT_EQ(fitted.At(2, 20), 0x0000FFu);
}

TEST_F(PictureFormats, DamagedFilesAreRefusedWithTheirName) {
    const QImage image = Pattern(64, 48);
    struct Cut {
        const char* Name;
        const char* Writer;
    };
    for (const Cut& cut : {Cut{"cut.png", "png"}, Cut{"cut.tif", "tiff"}, Cut{"cut.webp", "webp"},
                           Cut{"cut.ppm", "ppm"}}) {
        SCOPED_TRACE(cut.Name);
        const auto path = Save(image, cut.Name, cut.Writer);
        const QByteArray whole = Read(path);
        Write(path, whole.left(whole.size() / 2));
        const std::string error = PictureErrorOf(path);
        EXPECT_NE(error, "no error");
        EXPECT_NE(error.find(path.string()), std::string::npos) << error;
    }
    Write(folder / "noise.png", QByteArray("not a picture at all"));
    EXPECT_NE(PictureErrorOf(folder / "noise.png").find("noise.png"), std::string::npos);
    const QList<QRgb> colours{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    QImage frame(30, 30, QImage::Format_RGB32);
    frame.fill(colours[1]);
    const QByteArray gif = TwoFrameGif(frame, frame, colours);
    Write(folder / "cut.gif", gif.left(60));
    EXPECT_NE(PictureErrorOf(folder / "cut.gif").find("cut.gif"), std::string::npos);
    EXPECT_EQ(PictureErrorOf(folder / "notes.txt"), "Unknown picture file extension (.txt)");
}

TEST_F(PictureFormats, JpegAndBitmapDataUnderAnotherNameAreReadWholeOrRefused) {
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) image.setPixel(x, y, qRgb(x * 4, y * 5, 128));
    for (const char* writer : {"jpeg", "bmp"}) {
        SCOPED_TRACE(writer);
        const auto path = Save(image, "download.png", writer, 100);
        const Picture whole = ReadPictureFile(path);
        ASSERT_EQ(whole.Width, 64);
        ASSERT_EQ(whole.Height, 48);
        EXPECT_LE(LargestDifference(whole, image), std::string(writer) == "bmp" ? 0 : 6);
        const QByteArray bytes = Read(path);
        for (const qsizetype cut : {bytes.size() / 2, bytes.size() - 40}) {
            Write(path, bytes.left(cut));
            EXPECT_NE(PictureErrorOf(path).find(path.string()), std::string::npos) << cut;
        }
    }
}

TEST_F(PictureFormats, AGifIsTakenOnlyWithItsWholeFirstFrame) {
    const QList<QRgb> colours{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    QImage frame(9, 5, QImage::Format_RGB32);
    frame.fill(colours[2]);
    const QByteArray whole = TwoFrameGif(frame, frame, colours);
    // Every block is there, but the codes end a row before the frame and the screen claim.
    QByteArray shortCodes = whole;
    shortCodes[8] = 6;
    shortCodes[40] = 6;
    Write(folder / "short.gif", shortCodes);
    EXPECT_NE(PictureErrorOf(folder / "short.gif").find("short.gif"), std::string::npos);
    // A screen of millions of pixels claimed by a file of a few bytes.
    QByteArray wideScreen = whole;
    wideScreen[6] = '\0';
    wideScreen[7] = '\x3F';
    wideScreen[9] = '\x08';
    Write(folder / "screen.gif", wideScreen);
    EXPECT_NE(PictureErrorOf(folder / "screen.gif").find("screen.gif"), std::string::npos);
    // A frame made with growing code widths: 600 pixels of one colour need codes of 3 to 6 bits.
    QByteArray grown = whole.left(33);
    grown[6] = 30;
    grown[8] = 20;
    grown.append(",\0\0\0\0\x1E\0\x14\0\0\x02", 11);
    QByteArray codes;
    std::uint32_t bits = 0;
    int count = 0, width = 3, next = 6;
    auto put = [&](int code) {
        bits |= static_cast<std::uint32_t>(code) << count;
        for (count += width; count >= 8; count -= 8, bits >>= 8) codes.append(char(bits & 0xFF));
    };
    put(4);
    put(2);  // one pixel, then strings of 2, 3, ... pixels, each the last one grown by a pixel
    int pixels = 1, length = 1;
    for (int code = 6; pixels < 600; ++code) {
        const bool grows = length + 1 <= 600 - pixels;
        put(grows ? code : 2);
        if (++next == (1 << width) && width < 12) ++width;
        length = grows ? length + 1 : 1;
        pixels += length;
    }
    put(5);
    if (count > 0) codes.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < codes.size(); at += 255) grown.append(char(codes.mid(at, 255).size())).append(codes.mid(at, 255));
    grown.append('\0').append(';');
    Write(folder / "grown.gif", grown);
    const Picture picture = ReadPictureFile(folder / "grown.gif");
    ASSERT_EQ(picture.Width, 30);
    ASSERT_EQ(picture.Height, 20);
    for (std::uint32_t pixel : picture.Pixels) ASSERT_EQ(pixel, 0x0000FFu);
}

TEST_F(PictureFormats, EveryReadableExtensionIsListed) {
    for (const char* extension : {"bmp", "jpg", "jpeg", "png", "gif", "webp", "tif", "tiff", "ppm", "pgm", "svg"})
        EXPECT_TRUE(IsReadablePictureName(std::string("x.") + extension)) << extension;
    EXPECT_TRUE(IsReadablePictureName("HOLIDAY.PNG"));
    EXPECT_FALSE(IsReadablePictureName("notes.txt"));
    EXPECT_FALSE(IsReadablePictureName("png"));
}

TEST_F(PictureFormats, APhotoDecodedAtAReducedScaleCropsAsTheWholeOneDoes) {
    QImage photo(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) photo.setPixel(x, y, qRgb(x * 255 / 800, y * 255 / 600, 90));
    const auto path = Save(photo, "photo.jpg", "jpeg", 92);
    const CardTarget card{{54, 37}, FitMode::Crop, 0};
    const Picture reduced = ReadCardPictureFile(path, card);
    const Picture whole = FitPicture(ReadPictureFile(path), card.Size, card.Mode, card.Margin);
    ASSERT_EQ(reduced.Width, 54);
    ASSERT_EQ(reduced.Height, 37);
    int largest = 0;
    for (std::size_t i = 0; i < whole.Pixels.size(); ++i)
        for (int shift : {0, 8, 16})
            largest = std::max(largest, std::abs(int(whole.Pixels[i] >> shift & 0xFF) - int(reduced.Pixels[i] >> shift & 0xFF)));
    EXPECT_LE(largest, 6);
}
