// A main window whose files live apart, as an installed program's do: the user's card sets and
// settings in folders of their own, shipped sets in another that is never written. A card-set file
// given on the command line is read, taken in, chosen and shown; a damaged one is refused.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>

#include "widgets/CommandGuard.h"
#include "app/ui/MainWindow.h"
#include "app/ui/OpenCardSet.h"
#include "cardsets/CardSetWriter.h"
#include "tests/cardsets/CardSetSamples.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedModal.h"
#include "tools/support/TempFolder.h"

namespace velmora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

class OpenCardSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteCardSet(shipped.Path() / "Default.cst", testing::SampleSet(51, 54, 37));
        WriteCardSet(outside.Path() / "Animals.cst", testing::SampleSet(11, 60, 60));
    }
    void TearDown() override {
        window.reset();
        unsetenv("XDG_DATA_HOME");
    }
    MainWindow& Open() {
        // Where a portable program would write the file-type entry, and an installed one must not.
        setenv("XDG_DATA_HOME", entries.Path().c_str(), 1);
        Locations where = PortableLocations(program.Path(), entries.Path());
        where.FileTypeFolder.clear();
        where.Mode = RunMode::Installed;
        where.SettingsFolder = config.Path();
        where.LibraryFolder = data.Path();
        where.CardSets = CardSetFolders(data.Path(), {shipped.Path()});
        where.SoundFolder = shipped.Path();
        window = std::make_unique<MainWindow>(where);
        return *window;
    }
    TempFolder program;
    TempFolder config;
    TempFolder data;
    TempFolder shipped;
    TempFolder outside;
    TempFolder entries;
    fakes::ScriptedMessages messages;
    fakes::ScriptedModal modal;
    std::unique_ptr<MainWindow> window;
};

TEST_F(OpenCardSetTest, ASetFromElsewhereIsCopiedChosenAndShownInSelectCardSet) {
    MainWindow& w = Open();
    QString chosen;
    modal.Then([&chosen](QDialog& select) { chosen = select.findChild<QComboBox*>("ComboBox1")->currentText(); });
    OpenCardSetFile(w, outside.Path() / "Animals.cst");
    EXPECT_EQ(ReadBytes(data.Path() / "Animals.cst"), ReadBytes(outside.Path() / "Animals.cst"));
    EXPECT_EQ(w.GameSettings().LastSet, "Animals");
    ASSERT_FALSE(modal.opened.empty());
    EXPECT_EQ(modal.opened.back(), "TForm12");
    EXPECT_EQ(chosen, "Animals");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OpenCardSetTest, ReplacingASetOfTheSameNameIsAskedFirst) {
    WriteCardSet(data.Path() / "Animals.cst", testing::SampleSet(22, 40, 40));
    const auto mine = ReadBytes(data.Path() / "Animals.cst");
    MainWindow& w = Open();
    messages.Answer(MessageAnswer::No);
    OpenCardSetFile(w, outside.Path() / "Animals.cst");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::YesNo);
    EXPECT_TRUE(messages.shown[0].text.contains("\"Animals\""));
    EXPECT_EQ(ReadBytes(data.Path() / "Animals.cst"), mine);
    EXPECT_EQ(w.GameSettings().LastSet, "Default");

    messages.Answer(MessageAnswer::Yes);
    OpenCardSetFile(w, outside.Path() / "Animals.cst");
    EXPECT_EQ(ReadBytes(data.Path() / "Animals.cst"), ReadBytes(outside.Path() / "Animals.cst"));
    EXPECT_EQ(w.GameSettings().LastSet, "Animals");
}

TEST_F(OpenCardSetTest, ADamagedFileGetsTheReadersErrorAndChangesNothing) {
    const auto whole = ReadBytes(outside.Path() / "Animals.cst");
    testing::WriteBytes(outside.Path() / "Animals.cst", {whole.begin(), whole.begin() + 200});
    MainWindow& w = Open();
    modal.opened.clear();
    EXPECT_FALSE(RunGuarded(&w, [&] { OpenCardSetFile(w, outside.Path() / "Animals.cst"); }));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(messages.shown[0].text.contains("Animals.cst")) << messages.shown[0].text.toStdString();
    EXPECT_FALSE(std::filesystem::exists(data.Path() / "Animals.cst"));
    EXPECT_EQ(w.GameSettings().LastSet, "Default");
    EXPECT_TRUE(modal.opened.empty());
}

TEST_F(OpenCardSetTest, AShippedSetIsChosenWhereItLies) {
    MainWindow& w = Open();
    OpenCardSetFile(w, shipped.Path() / "Default.cst");
    EXPECT_FALSE(std::filesystem::exists(data.Path() / "Default.cst"));
    EXPECT_EQ(w.GameSettings().LastSet, "Default");
}

TEST_F(OpenCardSetTest, TheCheckRenamesInTheUsersFolderOnlyAndNoEntryIsWritten) {
    WriteCardSet(shipped.Path() / "Lost", testing::SampleSet(11, 60, 60));
    WriteCardSet(data.Path() / "Mine", testing::SampleSet(11, 60, 60));
    MainWindow& w = Open();
    EXPECT_TRUE(std::filesystem::exists(data.Path() / "Mine.cst"));
    w.findChild<QAction*>("CardSetCheck1")->trigger();
    EXPECT_TRUE(std::filesystem::exists(shipped.Path() / "Lost"));
    EXPECT_FALSE(std::filesystem::exists(shipped.Path() / "Lost.cst"));
    // The package brings the file-type entry; the program writes none of its own.
    EXPECT_TRUE(std::filesystem::is_empty(entries.Path()));
    EXPECT_TRUE(std::filesystem::is_empty(program.Path()));
}

TEST_F(OpenCardSetTest, SettingsAndPlayersGoToTheirOwnFolders) {
    MainWindow& w = Open();
    w.GameSettings().LastSet = "Animals";
    w.close();
    EXPECT_TRUE(std::filesystem::exists(config.Path() / "velmora.ini"));
    EXPECT_EQ(w.Library().FilePath(), data.Path() / "velmora.dat");
    EXPECT_TRUE(std::filesystem::is_empty(program.Path()));
    EXPECT_FALSE(std::filesystem::exists(shipped.Path() / "velmora.ini"));
}

}  // namespace
}  // namespace velmora
