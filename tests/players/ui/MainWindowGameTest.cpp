// A whole game as a person plays it: Game > New Game on the main window, two players added there,
// Default.cst in Junior, cards clicked on the board and the flip delays run by the window's timer,
// then the statistics read back from velmora.dat. The menu's other players commands and the two
// ways into the statistics window come along.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <map>

#include "cardsets/CardSetWriter.h"
#include "tests/app/AppFixture.h"
#include "tests/cardsets/CardSetSamples.h"
#include "tests/players/ui/WindowTestKit.h"
#include "tests/support/ReadOnlyFolder.h"

namespace velmora {
namespace {

using testing::Child;
using testing::Click;
using testing::Type;

class MainWindowGameTest : public testing::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        WriteCardSet(folder.Path() / "Default.cst", testing::SampleSet(51, 54, 37));
        Open();
        window->show();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();  // the splash comes and goes before the game's windows
        modal.opened.clear();
    }

    void AddPlayer(QDialog& newGame, const QString& name) {
        modal.Then([name](QDialog& addPlayer) {
            Child<QRadioButton>(addPlayer, "RadioGroup1Human").setChecked(true);
            Type(addPlayer, "Edit1", name);
            Click(addPlayer, "BitBtn1");
        });
        Click(newGame, "BitBtn6");
    }
    void NewGameInJunior(bool addPlayers) {
        modal.Then([this, addPlayers](QDialog& newGame) {
            if (addPlayers) {
                AddPlayer(newGame, "Ann");
                AddPlayer(newGame, "Bob");
                for (int row = 0; row < 2; ++row) {
                    testing::Select(newGame, "ListBox2", row);
                    Click(newGame, "BitBtn3");
                }
            }
            Click(newGame, "BitBtn11");
            Child<QComboBox>(newGame, "ComboBox2").setCurrentText("Junior (5x4)");
            Click(newGame, "BitBtn1");
        });
        Action("New1")->trigger();
    }

    QPoint Centre(CellPosition cell) const {
        const Game& game = window->CurrentGame();
        const CardSize card = game.CardSizeOfSet();
        return {game.BoardLeft() + (cell.Col - 1) * card.Width + card.Width / 2,
                game.BoardTop() + (cell.Row - 1) * card.Height + card.Height / 2};
    }
    void ClickCard(CellPosition cell) {
        auto* board = window->findChild<QWidget*>("PaintBox1");
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const QPoint at = Centre(cell);
            QMouseEvent event(type, at, at, Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
            QApplication::sendEvent(board, &event);
        }
    }
    void RunDelay() {
        QApplication::setActiveWindow(window.get());  // the dialogs took the focus on the way
        auto* timer = window->findChild<QTimer*>("Timer1");
        for (int i = 0; i < 500 && timer->isActive(); ++i) QMetaObject::invokeMethod(timer, "timeout");
    }
    std::map<int, std::vector<CellPosition>> FaceDownPairs() const {
        std::map<int, std::vector<CellPosition>> pairs;
        const Board& board = window->CurrentGame().GameBoard();
        for (int col = 1; col <= board.Cols(); ++col)
            for (int row = 1; row <= board.Rows(); ++row)
                if (board.FaceDown(col, row)) pairs[board.Cell(col, row).Picture].push_back({col, row});
        return pairs;
    }
    // Ann misses once, then Bob finds every pair.
    void PlayMissThenAllPairs() {
        const auto pairs = FaceDownPairs();
        ASSERT_EQ(pairs.size(), 10u);
        ClickCard(pairs.begin()->second[0]);
        ClickCard(std::next(pairs.begin())->second[0]);
        RunDelay();
        for (const auto& [picture, cells] : FaceDownPairs()) {
            ClickCard(cells[0]);
            ClickCard(cells[1]);
            RunDelay();
        }
    }
    std::optional<TPlayerRecord> OnDisk(const std::string& name) const {
        PlayerLibrary reader(folder.Path());
        std::vector<std::string> lines;
        reader.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
        const int position = reader.FindLibraryPlayer(name);
        if (position == 0) return std::nullopt;
        return reader.Player(position);
    }

    fakes::ScriptedMessages messages;
    fakes::ScriptedModal modal;
};

TEST_F(MainWindowGameTest, FromTheMenuToTheSavedStatistics) {
    NewGameInJunior(true);
    ASSERT_TRUE(window->CurrentGame().GameRunning());
    EXPECT_EQ(window->CurrentGame().GameBoard().Cols(), 5);
    EXPECT_EQ(window->GameSettings().LastSet, "Default");
    EXPECT_EQ(window->GameSettings().LastFormat, 0);
    EXPECT_FALSE(Action("New1")->isEnabled());

    // Bob wins alone: the Game Over window's Stats opens his statistics.
    QString statsName;
    modal.Then([](QDialog& gameOver) { Click(gameOver, "Button2"); });
    modal.Then([&](QDialog& stats) { statsName = Child<QLabel>(stats, "Label1").text(); });
    PlayMissThenAllPairs();
    EXPECT_FALSE(window->CurrentGame().GameRunning());
    EXPECT_EQ(statsName, "Bob");
    EXPECT_TRUE(messages.shown.empty());

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

    // The second game keeps the players and builds on the first one's statistics.
    NewGameInJunior(false);
    ASSERT_TRUE(window->CurrentGame().GameRunning());
    PlayMissThenAllPairs();
    EXPECT_EQ(OnDisk("Ann")->TotalFlips, 2);
    EXPECT_EQ(OnDisk("Bob")->GamesWon, 2);
    EXPECT_EQ(OnDisk("Bob")->TotalFlips, 20);
}

TEST_F(MainWindowGameTest, APlayerAddedFromTheEditMenuOutlivesTheNextGameEnd) {
    NewGameInJunior(true);
    PlayMissThenAllPairs();
    ASSERT_FALSE(window->CurrentGame().GameRunning());

    modal.Then([](QDialog& addPlayer) {
        Type(addPlayer, "Edit1", "Zed");
        Click(addPlayer, "BitBtn1");
    });
    Action("AddNewPlayer1")->trigger();
    ASSERT_TRUE(OnDisk("Zed").has_value());

    Action("Restart1")->trigger();
    ASSERT_TRUE(window->CurrentGame().GameRunning());
    PlayMissThenAllPairs();
    ASSERT_FALSE(window->CurrentGame().GameRunning());
    EXPECT_TRUE(OnDisk("Zed").has_value());
    EXPECT_EQ(OnDisk("Bob")->GamesWon, 2);
    EXPECT_TRUE(messages.shown.size() == 1 && messages.shown[0].kind == MessageKind::YesNo);  // play again?
}

TEST_F(MainWindowGameTest, AGameEndThatCannotSaveNamesTheFileAndWhatWasLost) {
    NewGameInJunior(true);
    ASSERT_TRUE(window->CurrentGame().GameRunning());
    const auto before = testing::ReadBytes(folder.Path() / "velmora.dat");
    {
        const testing::ReadOnlyFolder readOnly(folder.Path());
        if (!readOnly.Refuses()) GTEST_SKIP() << "this user writes into read-only folders";
        PlayMissThenAllPairs();
    }
    EXPECT_FALSE(window->CurrentGame().GameRunning());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[0].text,
              "File access denied\nCould not write velmora.dat. The statistics of this game were not saved.");
    EXPECT_EQ(testing::ReadBytes(folder.Path() / "velmora.dat"), before);
    EXPECT_TRUE(Action("New1")->isEnabled());
}

TEST_F(MainWindowGameTest, MenuCommandsAndThePlayersListOpenThePlayersWindows) {
    NewGameInJunior(true);
    modal.opened.clear();
    QString statsName;
    auto* list = window->findChild<QTreeWidget*>("ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    list->setCurrentItem(list->topLevelItem(1));
    modal.Then([&](QDialog& stats) { statsName = Child<QLabel>(stats, "Label1").text(); });
    emit list->itemDoubleClicked(list->topLevelItem(1), 0);
    EXPECT_EQ(statsName, list->topLevelItem(1)->text(0));

    Action("Seebestplayers1")->trigger();
    Action("AddNewPlayer1")->trigger();
    Action("DeletePlayer1")->trigger();
    Action("ChangePassword1")->trigger();  // nobody has a password: an error box instead
    Action("AddPassword1")->trigger();
    EXPECT_EQ(modal.opened, (std::vector<QString>{"TForm6", "TForm9", "TForm4", "TForm14", "TfrmPassword"}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "No players available for this operation.");
}

}  // namespace
}  // namespace velmora
