// velmora-cardset create with pictures of every format and size.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <sstream>

#include "CardSetSamples.h"
#include "CreateCommand.h"
#include "cardsets/BmpWriter.h"
#include "cardsets/CardSetReader.h"

using namespace velmora;
using velmora::testing::PatternPicture;
using velmora::testing::ScratchFolder;

namespace {

class CardSetCreateFit : public ::testing::Test {
protected:
    CardSetCreateFit() { std::filesystem::create_directories(pictures); }

    // count photos of width x height in the given format: a white disc on a coloured field.
    void Photos(int count, int width, int height, const char* extension, const char* format) {
        for (int i = 0; i < count; ++i) {
            QImage image(width, height, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 7 % 360, 200, 160));
            QPainter painter(&image);
            painter.setBrush(Qt::white);
            painter.drawEllipse(QPoint(width / 2, height / 2), height / 4, height / 4);
            painter.end();
            const std::string name = "photo " + std::to_string(10 + i) + "." + extension;
            ASSERT_TRUE(image.save(QString::fromStdString((pictures / name).string()), format));
        }
    }
    CardSetContents Create(const std::vector<std::string>& extra = {}) {
        std::vector<std::string> args{pictures.string(), (folder / "Made.cst").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream out;
        CreateCardSet(ParseCreateOptions(args), out);
        return ReadCardSetFile(folder / "Made.cst", "Made.cst", CardSetParts::PicturesAndBackground);
    }

    ScratchFolder folder;
    std::filesystem::path pictures = folder / "pictures";
};

}  // namespace

TEST_F(CardSetCreateFit, PhotosOfAnySizeAreCroppedToTheLargestCardOfTheirAspect) {
    Photos(6, 400, 300, "png", "PNG");
    Photos(5, 300, 400, "jpg", "JPG");
    const CardSetContents set = Create();
    EXPECT_EQ(set.Prefix.CardCount, 11);
    // The card back decides: the first name in order is "photo 10.jpg", a portrait of 3 : 4.
    EXPECT_EQ(set.Prefix.CardWidth, 70);
    EXPECT_EQ(set.Prefix.CardHeight, 93);
    for (const Picture& card : set.Payload->CardPictures) {
        EXPECT_EQ(card.Width, 70);
        EXPECT_EQ(card.Height, 93);
        EXPECT_GT(card.At(35, 46) & 0xFF, 220u);  // the disc stays in the middle
    }
}

TEST_F(CardSetCreateFit, SizeAndFitAreChosenOnTheCommandLine) {
    Photos(11, 200, 100, "webp", "WEBP");
    const CardSetContents set = Create({"--size", "40x40", "--fit", "fit", "--colour", "00FF00"});
    EXPECT_EQ(set.Prefix.CardWidth, 40);
    EXPECT_EQ(set.Prefix.CardHeight, 40);
    const Picture& card = set.Payload->CardPictures[3];
    EXPECT_EQ(card.At(20, 2), 0x00FF00u);  // the margin above the 40 x 20 picture
    EXPECT_NE(card.At(20, 20), 0x00FF00u);
}

TEST_F(CardSetCreateFit, ExactRefusesOtherSizesAndBadOptionsAreUsageErrors) {
    Photos(10, 60, 40, "tif", "TIFF");
    WriteBmp24(pictures / "photo 99.bmp", PatternPicture(50, 40, 1));
    std::string error;
    try {
        Create({"--fit", "exact"});
    } catch (const std::exception& e) {
        error = e.what();
    }
    EXPECT_EQ(error.substr(0, 10), "The image ");
    EXPECT_FALSE(std::filesystem::exists(folder / "Made.cst"));
    EXPECT_EQ(Create().Prefix.CardWidth, 60);  // cropped by default, at the card back's own size
    EXPECT_THROW(ParseCreateOptions({"d", "o.cst", "--fit", "stretch"}), std::invalid_argument);
    EXPECT_THROW(ParseCreateOptions({"d", "o.cst", "--size", "40"}), std::invalid_argument);
    EXPECT_THROW(ParseCreateOptions({"d", "o.cst", "--size", "0x5"}), std::invalid_argument);
    EXPECT_THROW(Create({"--size", "200x20"}), std::runtime_error);
}
