// A card-set file opened from outside: when it is copied into the user's folder, under which name,
// and that a copy that fails leaves the set it would have replaced whole.
#include <gtest/gtest.h>

#include "app/CardSetImport.h"
#include "compression/Stream.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tools/support/TempFolder.h"

namespace velmora {
namespace {

using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

class CardSetImportTest : public ::testing::Test {
protected:
    CardSetFolders Folders() const { return CardSetFolders(user.Path(), {shipped.Path()}); }

    TempFolder user;
    TempFolder shipped;
    TempFolder outside;
};

TEST_F(CardSetImportTest, ASetFromElsewhereIsCopiedIntoTheUsersFolder) {
    WriteText(outside.Path() / "Animals.cst", "set");
    const CardSetImport import = PlanCardSetImport(Folders(), outside.Path() / "Animals.cst");
    EXPECT_TRUE(import.Copy);
    EXPECT_FALSE(import.Replaces);
    EXPECT_EQ(import.Target, user.Path() / "Animals.cst");
    EXPECT_EQ(import.SetName, "Animals");
    CopyCardSet(import);
    EXPECT_EQ(ReadText(user.Path() / "Animals.cst"), "set");
    // Taken in, the same file now needs no copy.
    EXPECT_FALSE(PlanCardSetImport(Folders(), user.Path() / "Animals.cst").Copy);
}

TEST_F(CardSetImportTest, ASetOfTheSameNameInAnyCaseIsReplacedUnderItsOwnSpelling) {
    WriteText(user.Path() / "animals.CST", "old");
    WriteText(outside.Path() / "Animals.cst", "new");
    const CardSetImport import = PlanCardSetImport(Folders(), outside.Path() / "Animals.cst");
    EXPECT_TRUE(import.Copy);
    EXPECT_TRUE(import.Replaces);
    EXPECT_EQ(import.Target, user.Path() / "animals.CST");
    EXPECT_EQ(import.SetName, "animals");
    CopyCardSet(import);
    EXPECT_EQ(ReadText(user.Path() / "animals.CST"), "new");
    EXPECT_FALSE(std::filesystem::exists(user.Path() / "Animals.cst"));
}

TEST_F(CardSetImportTest, AShippedSetIsUsedWhereItLiesUnlessTheUsersHidesIt) {
    WriteText(shipped.Path() / "Default.cst", "shipped");
    EXPECT_FALSE(PlanCardSetImport(Folders(), shipped.Path() / "Default.cst").Copy);
    WriteText(user.Path() / "Default.cst", "mine");
    const CardSetImport import = PlanCardSetImport(Folders(), shipped.Path() / "Default.cst");
    EXPECT_TRUE(import.Copy);
    EXPECT_TRUE(import.Replaces);
}

TEST_F(CardSetImportTest, ANameWithoutTheExtensionGetsIt) {
    WriteText(outside.Path() / "Birds", "set");
    const CardSetImport import = PlanCardSetImport(Folders(), outside.Path() / "Birds");
    EXPECT_EQ(import.Target, user.Path() / "Birds.cst");
    EXPECT_EQ(import.SetName, "Birds");
}

TEST_F(CardSetImportTest, AFailedCopyNamesTheTargetAndLeavesTheOldSetWhole) {
    WriteText(user.Path() / "Animals.cst", "old");
    WriteText(outside.Path() / "Animals.cst", "new");
    const CardSetImport import = PlanCardSetImport(Folders(), outside.Path() / "Animals.cst");
    testing::ReadOnlyFolder locked(user.Path());
    ASSERT_TRUE(locked.Refuses());
    try {
        CopyCardSet(import);
        FAIL() << "the copy went through";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + (user.Path() / "Animals.cst").string());
    }
    EXPECT_EQ(ReadText(user.Path() / "Animals.cst"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(user.Path()), {}), 1);
}

}  // namespace
}  // namespace velmora
