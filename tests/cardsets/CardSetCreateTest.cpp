#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CardSetSamples.h"
#include "CreateCommand.h"
#include "cardsets/BmpWriter.h"
#include "cardsets/CardSetReader.h"
#include "cardsets/pictures/PictureFile.h"

using namespace velmora;
using velmora::testing::PatternPicture;
using velmora::testing::ScratchFolder;

namespace {

class CardSetCreate : public ::testing::Test {
protected:
    CardSetCreate() { std::filesystem::create_directories(pictures); }

    void Pictures(int count, int width = 40, int height = 30) {
        for (int i = 0; i < count; ++i)
            WriteBmp24(pictures / ("card " + std::to_string(10 + i) + ".bmp"),
                       PatternPicture(width, height, static_cast<std::uint32_t>(i)));
    }
    CardSetContents Create(const std::vector<std::string>& extra = {}) {
        std::vector<std::string> args{pictures.string(), (folder / "Made.cst").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream out;
        CreateCardSet(ParseCreateOptions(args), out);
        report = out.str();
        return ReadCardSetFile(folder / "Made.cst", "Made.cst", CardSetParts::PicturesAndBackground);
    }
    std::string ErrorOf(const std::vector<std::string>& extra = {}) {
        try {
            Create(extra);
        } catch (const std::exception& e) {
            return e.what();
        }
        return "no error";
    }

    ScratchFolder folder;
    std::filesystem::path pictures = folder / "pictures";
    std::string report;
};

}  // namespace

TEST_F(CardSetCreate, MakesASetFromAFolderInFileNameOrderWithTheDetails) {
    Pictures(11);
    const CardSetContents set =
        Create({"--author", "Ann", "--language", "Fran\xC3\xA7" "ais", "--web", "http://example.org"});
    EXPECT_EQ(set.Prefix.CardCount, 11);
    EXPECT_EQ(set.Prefix.CardWidth, 40);
    EXPECT_EQ(set.Prefix.CardHeight, 30);
    EXPECT_EQ(set.Prefix.Details, (CardSetDetails{"Ann", "", "http://example.org", "", "Fran\xE7" "ais"}));
    EXPECT_EQ(set.Payload->CardNames[0], "card 10");
    EXPECT_EQ(set.Payload->CardNames[10], "card 20");
    EXPECT_EQ(set.Payload->CardPictures[3], ReadPictureFile(pictures / "card 13.bmp"));
    EXPECT_EQ(set.Payload->Background, BackgroundKind::Colour);
    EXPECT_EQ(report, "Wrote " + (folder / "Made.cst").string() +
                          ": 11 cards of 40 x 30, Junior (5x4), colour background\n");
}

TEST_F(CardSetCreate, AListFileGivesTheOrderAndABackgroundOrColourMayBeGiven) {
    Pictures(11);
    std::ofstream(folder / "order.txt") << "card 20.bmp\r\n\ncard 10.bmp\n"
                                        << "card 11.bmp\ncard 12.bmp\ncard 13.bmp\ncard 14.bmp\ncard 15.bmp\n"
                                        << "card 16.bmp\ncard 17.bmp\ncard 18.bmp\ncard 19.bmp\n";
    WriteBmp24(pictures / "felt.bmp", PatternPicture(540, 374, 7));
    CardSetContents set = Create({"--list", (folder / "order.txt").string(), "--background", (pictures / "felt.bmp").string()});
    EXPECT_EQ(set.Payload->CardNames[0], "card 20");
    EXPECT_EQ(set.Payload->CardNames[1], "card 10");
    EXPECT_EQ(set.Payload->Background, BackgroundKind::Picture);

    set = Create({"--background", (pictures / "felt.bmp").string()});  // not taken for a card
    EXPECT_EQ(set.Prefix.CardCount, 11);
    std::filesystem::remove(pictures / "felt.bmp");
    set = Create({"--colour", "FF8000", "--format", "junior"});
    EXPECT_EQ(set.Payload->BackgroundColour, 0x000080FFu);
}

TEST_F(CardSetCreate, PicturesThatMakeNoSetAreRefusedAndNothingIsWritten) {
    Pictures(12);
    EXPECT_EQ(ErrorOf(), "12 pictures make no set: a set takes 11, 22, 33 or 51, the card back first");
    EXPECT_EQ(ErrorOf({"--format", "junior"}), "Junior (5x4) takes 11 pictures, the card back first; there are 12");
    std::filesystem::remove(pictures / "card 21.bmp");
    EXPECT_EQ(ErrorOf({"--format", "fanatic"}).substr(0, 19), "Fanatic (10x10) tak");
    WriteBmp24(pictures / "card 15.bmp", PatternPicture(41, 30, 1));
    EXPECT_EQ(ErrorOf({"--fit", "exact"}).substr(0, 10), "The image ");
    Pictures(11, 110, 40);
    EXPECT_EQ(ErrorOf({"--fit", "exact"}), "The card back " + (pictures / "card 10.bmp").string() +
                             " is 110 x 40 pixels; Junior (5x4) takes cards of at most 108 x 93");
    EXPECT_FALSE(std::filesystem::exists(folder / "Made.cst"));
    Pictures(11);
    EXPECT_NE(ErrorOf({"--author", "\xE6\xBC\xA2"}).find("cannot store"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "Made.cst"));
}

TEST_F(CardSetCreate, OptionsAreChecked) {
    EXPECT_THROW(ParseCreateOptions({"dir"}), std::invalid_argument);
    EXPECT_THROW(ParseCreateOptions({"dir", "out.cst", "--format", "huge"}), std::invalid_argument);
    EXPECT_THROW(ParseCreateOptions({"dir", "out.cst", "--colour", "12345"}), std::invalid_argument);
    EXPECT_THROW(ParseCreateOptions({"dir", "out.cst", "--colour", "GG0000"}), std::invalid_argument);
    EXPECT_THROW(ParseCreateOptions({"dir", "out.cst", "--author"}), std::invalid_argument);
    EXPECT_THROW(ParseCreateOptions({"dir", "out.cst", "--size", "3"}), std::invalid_argument);
    EXPECT_EQ(ParseCreateOptions({"dir", "out.cst", "--format", "expert"}).Format, 2u);
}

TEST_F(CardSetCreate, APictureDeclaringAnEnormousSizeIsReportedByNameAndNothingIsWritten) {
    Pictures(11);
    std::filesystem::remove(pictures / "card 15.bmp");
    const std::string header = "P6\n20000 20000\n255\n";
    velmora::testing::WriteBytes(pictures / "card 15.ppm", {header.begin(), header.end()});
    EXPECT_EQ(ErrorOf(), "The picture " + (pictures / "card 15.ppm").string() +
                             " is too large to be read (20000 x 20000 pixels)");
    EXPECT_FALSE(std::filesystem::exists(folder / "Made.cst"));
}
