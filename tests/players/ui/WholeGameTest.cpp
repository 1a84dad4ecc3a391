// One whole game through the windows: New Game, two players added there, Default.cst in Junior,
// played to the end by clicks and timer ticks, and the statistics read back from velmora.dat.
#include <QRadioButton>
#include <map>

#include "tests/players/ui/NewGameKit.h"

namespace velmora {
namespace {

using testing::Child;
using testing::Click;
using testing::Select;
using testing::Type;

class WholeGameTest : public testing::NewGameFixture {
protected:
    void SetUp() override {
        WriteSet("Default", 51);
        view.game = &game;
    }

    void AddPlayerThroughTheDialog(QDialog& newGame, const QString& name) {
        modal.Then([name](QDialog& addPlayer) {
            Child<QRadioButton>(addPlayer, "RadioGroup1Human").setChecked(true);
            Type(addPlayer, "Edit1", name);
            Click(addPlayer, "BitBtn1");
        });
        Click(newGame, "BitBtn6");
    }
    void StartInJunior(QDialog& newGame) {
        Click(newGame, "BitBtn11");
        EXPECT_EQ(Child<QComboBox>(newGame, "ComboBox1").currentText(), "Default");
        Child<QComboBox>(newGame, "ComboBox2").setCurrentText("Junior (5x4)");
        Click(newGame, "BitBtn1");
    }

    // A press and release in the middle of the card, as the board's mouse handlers pass them on.
    void ClickCard(CellPosition cell) {
        const int x = game.BoardLeft() + (cell.Col - 1) * game.CardSizeOfSet().Width + game.CardSizeOfSet().Width / 2;
        const int y = game.BoardTop() + (cell.Row - 1) * game.CardSizeOfSet().Height + game.CardSizeOfSet().Height / 2;
        game.MouseDown(x, y);
        game.MouseUp(x, y);
    }
    void RunDelay() {
        for (int ticks = 0; game.DelayRunning() && ticks < 1000; ++ticks) game.Timer1Timer();
    }
    std::map<int, std::vector<CellPosition>> FaceDownPairs() const {
        std::map<int, std::vector<CellPosition>> pairs;
        const Board& board = game.GetBoard();
        for (int col = 1; col <= board.Cols(); ++col) {
            for (int row = 1; row <= board.Rows(); ++row) {
                if (board.FaceDown(col, row)) pairs[board.Cell(col, row).Picture].push_back({col, row});
            }
        }
        return pairs;
    }
    // The first player misses once, the second then finds every pair.
    void PlayMissThenAllPairs() {
        auto pairs = FaceDownPairs();
        ASSERT_EQ(pairs.size(), 10u);
        ClickCard(pairs.begin()->second[0]);
        ClickCard(std::next(pairs.begin())->second[0]);
        RunDelay();
        ASSERT_EQ(game.CurrentPlayer(), 2);
        for (const auto& [picture, cells] : FaceDownPairs()) {
            ClickCard(cells[0]);
            ClickCard(cells[1]);
            RunDelay();
        }
    }
};

TEST_F(WholeGameTest, FromNewGameToTheSavedStatistics) {
    modal.Then([&](QDialog& dialog) {
        AddPlayerThroughTheDialog(dialog, "Ann");
        AddPlayerThroughTheDialog(dialog, "Bob");
        EXPECT_EQ(testing::Lines(dialog, "ListBox2"), (QStringList{"Ann", "Bob"}));
        for (int row = 0; row < 2; ++row) {
            Select(dialog, "ListBox2", row);
            Click(dialog, "BitBtn3");
        }
        StartInJunior(dialog);
    });
    dialog.Execute();
    ASSERT_TRUE(game.GameRunning());
    PlayMissThenAllPairs();
    EXPECT_FALSE(game.GameRunning());
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(view.gameOvers.size(), 1u);  // Bob won alone

    const auto ann = OnDisk("Ann");
    const auto bob = OnDisk("Bob");
    ASSERT_TRUE(ann && bob);
    EXPECT_EQ(ann->TotalFlips, 1);
    EXPECT_EQ(ann->SuccessfulFlips, 0);
    EXPECT_EQ(ann->GamesPlayed, 1);
    EXPECT_EQ(ann->GamesWon, 0);
    EXPECT_EQ(bob->GamePoints, 10);
    EXPECT_EQ(bob->GamePairs, 10);
    EXPECT_EQ(bob->TotalFlips, 10);
    EXPECT_EQ(bob->SuccessfulFlips, 10);
    EXPECT_EQ(bob->GamesPlayed, 1);
    EXPECT_EQ(bob->GamesWon, 1);

    // A second game with the players still chosen builds on the first one's statistics.
    modal.Then([&](QDialog& dialog) {
        EXPECT_EQ(testing::Lines(dialog, "ListBox1"), (QStringList{"Ann", "Bob"}));
        StartInJunior(dialog);
    });
    dialog.Execute();
    ASSERT_TRUE(game.GameRunning());
    PlayMissThenAllPairs();
    EXPECT_EQ(OnDisk("Ann")->TotalFlips, 2);
    EXPECT_EQ(OnDisk("Bob")->TotalFlips, 20);
    EXPECT_EQ(OnDisk("Bob")->GamesPlayed, 2);
    EXPECT_EQ(OnDisk("Bob")->GamesWon, 2);
}

}  // namespace
}  // namespace velmora
