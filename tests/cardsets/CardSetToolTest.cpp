#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CardSetCommands.h"
#include "CardSetSamples.h"
#include "cardsets/BmpWriter.h"
#include "cardsets/CardSetError.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/FileNames.h"
#include "text/Windows1252.h"

namespace velmora {
namespace {

using testing::SampleSet;
using testing::ScratchFolder;

TEST(CardSetTool, InfoNamesDetailsSizesFormatBackgroundAndPayload) {
    ScratchFolder folder;
    CardSetDescription set = SampleSet(22, 50, 40);
    set.Details.Author = "Ren\xE9" "e \x80";
    WriteCardSet(folder / "Info.cst", set);
    std::ostringstream out;
    PrintCardSetInfo(folder / "Info.cst", out);
    const std::string text = out.str();
    for (const std::string& line : std::vector<std::string>{
             "File: Info.cst", "Author: Ren\xC3\xA9" "e \xE2\x82\xAC", "Language: English", "Cards: 22",
          "Card size: 50 x 40", "Largest format: Standard (7x6)", "Background: colour 0x00336699 (RGB 996633)",
          "Payload: " + std::to_string(768 + 10 * (4 + 5 + 6000) + 12 * (4 + 6 + 6000) + 11) + " bytes"}) {
        EXPECT_NE(text.find(line + "\n"), std::string::npos) << line << "\nin:\n" << text;
    }
}

TEST(CardSetTool, ExtractWritesEveryCardTheBackgroundAndTheDetails) {
    ScratchFolder folder;
    CardSetDescription set = SampleSet(11, 7, 5, true);
    set.CardNames[1] = "a/b";
    set.CardNames[2] = "";
    WriteCardSet(folder / "X.cst", set);
    std::ostringstream out;
    ExtractCardSet(folder / "X.cst", folder / "out", out);
    const auto files = FileNamesIn(folder / "out");
    ASSERT_EQ(files.size(), 13u);
    EXPECT_EQ(folder.ReadFile("out/00 card0.bmp"), EncodeBmp24(set.CardPictures[0]));
    EXPECT_EQ(folder.ReadFile("out/01 a_b.bmp"), EncodeBmp24(set.CardPictures[1]));
    EXPECT_EQ(folder.ReadFile("out/02.bmp"), EncodeBmp24(set.CardPictures[2]));
    EXPECT_EQ(folder.ReadFile("out/10 card10.bmp"), EncodeBmp24(set.CardPictures[10]));
    EXPECT_EQ(folder.ReadFile("out/background.bmp"), EncodeBmp24(*set.Background));
    const auto details = folder.ReadFile("out/details.txt");
    EXPECT_NE(std::string(details.begin(), details.end()).find("Notes: Made for the tests\n"), std::string::npos);
}

TEST(CardSetTool, CheckPrintsEachRename) {
    ScratchFolder folder;
    WriteCardSet(folder / "Lost.cst", SampleSet(11, 7, 5));
    std::filesystem::rename(folder / "Lost.cst", folder / "Lost");
    std::ostringstream out;
    RunCardSetCheck(folder.Path(), out);
    EXPECT_EQ(out.str(), "Renamed Lost to Lost.cst\nCard set check completed!\n");
}

TEST(CardSetTool, ADamagedFileRaisesItsError) {
    ScratchFolder folder;
    folder.WriteFile("Bad.cst", {11, 0, 0});
    std::ostringstream out;
    EXPECT_THROW(PrintCardSetInfo(folder / "Bad.cst", out), ECardSetError);
    EXPECT_THROW(ExtractCardSet(folder / "Bad.cst", folder / "out", out), ECardSetError);
    EXPECT_FALSE(std::filesystem::exists(folder / "out"));
}

TEST(Windows1252, MapsEveryByteToItsCharacter) {
    EXPECT_EQ(Windows1252ToUtf8("plain"), "plain");
    EXPECT_EQ(Windows1252ToUtf8("\x80\x9F\xA0\xFF"), "\xE2\x82\xAC\xC5\xB8\xC2\xA0\xC3\xBF");
}

}  // namespace
}  // namespace velmora
