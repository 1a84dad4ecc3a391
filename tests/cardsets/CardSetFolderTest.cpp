#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CardSetSamples.h"
#include "cardsets/CardSetFolder.h"
#include "cardsets/FileNames.h"

namespace velmora {
namespace {

using testing::Int32Bytes;
using testing::ScratchFolder;

std::vector<std::uint8_t> Header(std::int32_t count, std::int32_t width, std::int32_t height) {
    std::vector<std::uint8_t> bytes;
    for (const std::int32_t n : {count, width, height}) {
        const auto b = Int32Bytes(n);
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    bytes.insert(bytes.end(), {0xAA, 0xBB});  // something after the header, which must survive
    return bytes;
}

std::vector<std::string> Names(const ScratchFolder& folder) { return FileNamesIn(folder.Path()); }

TEST(CardSetCheck, GivesASetWithoutExtensionTheExtension) {
    ScratchFolder folder;
    const auto bytes = Header(22, 60, 60);
    folder.WriteFile("Animals", bytes);
    const auto renames = CheckCardSets(folder.Path());
    ASSERT_EQ(renames.size(), 1u);
    EXPECT_EQ(renames[0].From, "Animals");
    EXPECT_EQ(renames[0].To, "Animals.cst");
    EXPECT_EQ(Names(folder), std::vector<std::string>{"Animals.cst"});
    EXPECT_EQ(folder.ReadFile("Animals.cst"), bytes);
}

TEST(CardSetCheck, NumbersTheNameWhenTheSetNameIsTaken) {
    ScratchFolder folder;
    folder.WriteFile("Animals.cst", {1});
    folder.WriteFile("Animals 2.cst", {2});
    folder.WriteFile("Animals", Header(22, 60, 60));
    CheckCardSets(folder.Path());
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"Animals 2.cst", "Animals 3.cst", "Animals.cst"}));
    EXPECT_EQ(folder.ReadFile("Animals.cst"), std::vector<std::uint8_t>{1});
}

TEST(CardSetCheck, ANameTakenInAnotherLetterCaseCountsAsTaken) {
    ScratchFolder folder;
    folder.WriteFile("animals.CST", {1});
    folder.WriteFile("Animals", Header(11, 108, 93));
    CheckCardSets(folder.Path());
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"Animals 2.cst", "animals.CST"}));
}

TEST(CardSetCheck, ReplacesAnotherExtension) {
    ScratchFolder folder;
    folder.WriteFile("Animals.tmp", Header(22, 60, 60));
    CheckCardSets(folder.Path());
    EXPECT_EQ(Names(folder), std::vector<std::string>{"Animals.cst"});
}

TEST(CardSetCheck, LeavesAloneWhatIsNotAMisnamedSet) {
    ScratchFolder folder;
    folder.WriteFile("zoo.CST", Header(22, 60, 60));
    folder.WriteFile("Birdscst", Header(22, 60, 60));
    folder.WriteFile("Animals.bak", Header(12, 60, 60));
    folder.WriteFile("Wide", Header(22, 78, 60));
    folder.WriteFile("Tall", Header(51, 54, 38));
    folder.WriteFile("Flat", Header(11, 50, 0));
    folder.WriteFile("Empty", {});
    std::filesystem::create_directory(folder / "Folder");
    const auto before = Names(folder);
    EXPECT_TRUE(CheckCardSets(folder.Path()).empty());
    EXPECT_EQ(Names(folder), before);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Folder"));
}

TEST(CardSetCheck, SkipsAFileShorterThanTwelveBytesAndGoesOn) {
    ScratchFolder folder;
    folder.WriteFile("A short one", {22, 0, 0, 0, 60, 0, 0, 0, 60, 0, 0});
    folder.WriteFile("B set", Header(33, 67, 46));
    const auto renames = CheckCardSets(folder.Path());
    ASSERT_EQ(renames.size(), 1u);
    EXPECT_EQ(renames[0].To, "B set.cst");
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"A short one", "B set.cst"}));
}

TEST(CardSetCheck, TwoMisnamedCopiesOfOneSetGetTwoNames) {
    ScratchFolder folder;
    folder.WriteFile("Animals", Header(22, 60, 60));
    folder.WriteFile("Animals.old", Header(22, 60, 60));
    CheckCardSets(folder.Path());
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"Animals 2.cst", "Animals.cst"}));
}

TEST(CardSetCheck, LeavesASetBeingWrittenAlone) {
    ScratchFolder folder;
    const auto temporary = TemporaryCardSetPath(folder / "Animals.cst").filename().string();
    folder.WriteFile(temporary, Header(11, 50, 50));
    EXPECT_TRUE(CheckCardSets(folder.Path()).empty());
    EXPECT_TRUE(ListCardSets(folder.Path()).empty());
}

TEST(CardSetList, ListsFilesEndingInCstInAnyCaseLessTheExtension) {
    ScratchFolder folder;
    folder.WriteFile("zoo.CST", {});
    folder.WriteFile("Animals.cst", {});
    folder.WriteFile("Birds.Cst", {});
    folder.WriteFile("notes.txt", {});
    folder.WriteFile("Animals.cstx", {});
    folder.WriteFile("cst", {});
    std::filesystem::create_directory(folder / "Folder.cst");
    EXPECT_EQ(ListCardSets(folder.Path()), (std::vector<std::string>{"Animals", "Birds", "zoo"}));
}

TEST(CardSetList, AMissingFolderHasNoSets) {
    ScratchFolder folder;
    EXPECT_TRUE(ListCardSets(folder / "missing").empty());
    EXPECT_TRUE(CheckCardSets(folder / "missing").empty());
}

TEST(FileNames, FindsAFileWhateverItsLetterCase) {
    ScratchFolder folder;
    folder.WriteFile("zoo.CST", {});
    folder.WriteFile("Both.cst", {});
    folder.WriteFile("both.CST", {});
    EXPECT_EQ(FindFileNoCase(folder.Path(), "zoo.cst"), folder / "zoo.CST");
    EXPECT_EQ(FindFileNoCase(folder.Path(), "both.CST"), folder / "both.CST");
    EXPECT_EQ(FindFileNoCase(folder.Path(), "BOTH.cst"), folder / "Both.cst");
    EXPECT_EQ(FindFileNoCase(folder.Path(), "none.cst"), folder / "none.cst");
    EXPECT_TRUE(SameFileName("Zoo.Cst", "zOO.cST"));
    EXPECT_FALSE(SameFileName("Zoo.cst", "Zoo.cs"));
}

}  // namespace
}  // namespace velmora
