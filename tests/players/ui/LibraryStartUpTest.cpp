// The program starting on a player library whose end holds part of a record: the user hears of it
// once, and adding players and setting up games work afterwards.
#include <QComboBox>

#include "cardsets/CardSetWriter.h"
#include "tests/app/AppFixture.h"
#include "tests/cardsets/CardSetSamples.h"
#include "tests/players/ui/WindowTestKit.h"

namespace velmora {
namespace {

using testing::Child;
using testing::Click;
using testing::Type;

class LibraryStartUpTest : public testing::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        WriteCardSet(folder.Path() / "Default.cst", testing::SampleSet(51, 54, 37));
        PlayerLibrary writer(folder.Path());
        for (const char* name : {"Ann", "Bob", "Cid"}) ASSERT_EQ(writer.AppendPlayer({name, "", false, true, 5}), "");
        whole = testing::ReadBytes(File());
    }
    std::filesystem::path File() const { return folder.Path() / "velmora.dat"; }
    void CutTo(std::size_t bytes) {
        damaged.assign(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(bytes));
        testing::WriteBytes(File(), damaged);
    }
    std::vector<std::string> OnDisk() const {
        PlayerLibrary reader(folder.Path());
        std::vector<std::string> lines;
        reader.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
        return lines;
    }
    void AddFromEditMenu(const QString& name) {
        modal.Then([name](QDialog& addPlayer) {
            Type(addPlayer, "Edit1", name);
            Click(addPlayer, "BitBtn1");
        });
        Action("AddNewPlayer1")->trigger();
    }

    fakes::ScriptedMessages messages;
    fakes::ScriptedModal modal;
    std::vector<std::uint8_t> whole;
    std::vector<std::uint8_t> damaged;
};

TEST_F(LibraryStartUpTest, ADamagedLibraryIsMendedOnceAndPlayersCanBeAddedAgain) {
    CutTo(2 * 152 + 77);
    Open();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.shown[0].text,
              "The player library velmora.dat was damaged: it ended in part of a player record. 2 players were "
              "kept. The damaged file was kept as velmora.dat.damaged.");
    EXPECT_EQ(testing::ReadBytes(folder.Path() / "velmora.dat.damaged"), damaged);

    AddFromEditMenu("Zed");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(OnDisk(), (std::vector<std::string>{"Ann", "Bob", "Zed"}));

    // The next start finds a whole file: nothing to say, nothing rewritten.
    window.reset();
    Open();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "velmora.dat.damaged.1"));
}

TEST_F(LibraryStartUpTest, ACutInTheFirstRecordStillLetsAGameBeSetUp) {
    CutTo(60);
    Open();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.indexOf("0 players were kept."), -1);

    modal.Then([this](QDialog& newGame) {
        for (const QString name : {"Ann", "Bob"}) {
            modal.Then([name](QDialog& addPlayer) {
                Type(addPlayer, "Edit1", name);
                Click(addPlayer, "BitBtn1");
            });
            Click(newGame, "BitBtn6");
        }
        for (int row = 0; row < 2; ++row) {
            testing::Select(newGame, "ListBox2", row);
            Click(newGame, "BitBtn3");
        }
        Click(newGame, "BitBtn11");
        Child<QComboBox>(newGame, "ComboBox2").setCurrentText("Junior (5x4)");
        Click(newGame, "BitBtn1");
    });
    Action("New1")->trigger();
    EXPECT_TRUE(window->CurrentGame().GameRunning());
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(OnDisk(), (std::vector<std::string>{"Ann", "Bob"}));
}

TEST_F(LibraryStartUpTest, AWholeLibraryStartsWithoutAWord) {
    Open();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(testing::ReadBytes(File()), whole);
    EXPECT_EQ(window->Library().LibraryCount(), 3);
}

}  // namespace
}  // namespace velmora
