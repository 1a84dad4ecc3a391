// The user's card sets and the shipped ones seen together: one list, the user's set winning a
// name, and every read going to the file the list means.
#include <gtest/gtest.h>

#include "cardsets/CardSetFolders.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/LoadedCardSet.h"
#include "tests/cardsets/CardSetSamples.h"
#include "tools/support/TempFolder.h"

namespace velmora {
namespace {

using testing::TempFolder;
using testing::WriteText;

class CardSetFoldersTest : public ::testing::Test {
protected:
    CardSetFolders Folders() const { return CardSetFolders(user.Path(), {shippedA.Path(), shippedB.Path()}); }

    TempFolder user;
    TempFolder shippedA;
    TempFolder shippedB;
};

TEST_F(CardSetFoldersTest, TheListHoldsEveryNameOnceInFileNameOrder) {
    WriteText(user.Path() / "zoo.cst", "");
    WriteText(user.Path() / "default.CST", "");
    WriteText(shippedA.Path() / "Default.cst", "");
    WriteText(shippedA.Path() / "Animals.cst", "");
    WriteText(shippedA.Path() / "notes.txt", "");
    WriteText(shippedB.Path() / "ANIMALS.cst", "");
    WriteText(shippedB.Path() / "Birds.cst", "");
    const std::vector<std::string> expected{"Animals", "Birds", "default", "zoo"};
    EXPECT_EQ(ListCardSets(Folders()), expected);
}

TEST_F(CardSetFoldersTest, ANameIsReadFromTheUsersFolderFirstThenTheShippedInOrder) {
    WriteText(shippedA.Path() / "Animals.cst", "");
    WriteText(shippedB.Path() / "Animals.cst", "");
    WriteText(shippedB.Path() / "Birds.cst", "");
    EXPECT_EQ(LocateCardSet(Folders(), "animals.cst"), shippedA.Path() / "Animals.cst");
    EXPECT_EQ(LocateCardSet(Folders(), "Birds.cst"), shippedB.Path() / "Birds.cst");
    WriteText(user.Path() / "ANIMALS.CST", "");
    EXPECT_EQ(LocateCardSet(Folders(), "Animals.cst"), user.Path() / "ANIMALS.CST");
    // Nowhere: the user's folder, so that the error names the set as asked.
    EXPECT_EQ(LocateCardSet(Folders(), "Fish.cst"), user.Path() / "Fish.cst");
}

TEST_F(CardSetFoldersTest, LoadingReadsTheSetTheListMeans) {
    WriteCardSet(shippedB.Path() / "Shapes.cst", testing::SampleSet(11, 40, 40));
    LoadedCardSet set;
    set.LoadCardSet(Folders(), "Shapes.cst", CardSetParts::Pictures);
    EXPECT_EQ(set.CardCount, 11);
    WriteCardSet(user.Path() / "Shapes.cst", testing::SampleSet(22, 30, 30));
    set.LoadCardSet(Folders(), "Shapes.cst", CardSetParts::Details);
    EXPECT_EQ(set.CardCount, 22);
    EXPECT_THROW(set.LoadCardSet(Folders(), "Missing.cst", CardSetParts::Details), std::exception);
    EXPECT_EQ(set.LoadedSetFile, "Shapes.cst");
}

}  // namespace
}  // namespace velmora
