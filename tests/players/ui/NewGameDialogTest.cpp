// The New Game dialog: choosing players, a set and a size, and starting the game.
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "tests/players/ui/NewGameKit.h"

namespace velmora {
namespace {

using testing::Child;
using testing::Click;
using testing::Lines;
using testing::Select;
using testing::Type;

using NewGameTest = testing::NewGameFixture;

TEST_F(NewGameTest, WithoutACardSetTheDialogDoesNotOpen) {
    dialog.Execute();
    EXPECT_EQ(Texts(), (std::vector<QString>{"No Velmora card set found."}));
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(modal.opened.empty());
}

TEST_F(NewGameTest, NinePlayersThenATenthAndOneOfTheNineAgain) {
    WriteSet("Default", 51);
    std::vector<testing::PlayerSpec> players;
    for (int i = 1; i <= 10; ++i) players.emplace_back("P" + std::to_string(i));
    Write(players);
    QStringList chosen;
    Open([&](QDialog& d) {
        for (int row = 0; row < 9; ++row) AddFromLibrary(d, row);
        AddFromLibrary(d, 9);
        AddFromLibrary(d, 4);
        chosen = Lines(d, "ListBox1");
    });
    EXPECT_EQ(Texts(), (std::vector<QString>{"Maximum number of players for the game has been reached.",
                                             "P5, is duplicate. Please choose another player."}));
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[1].kind, MessageKind::Error);
    EXPECT_EQ(chosen.size(), 9);
    EXPECT_EQ(chosen.front(), "P1");
}

TEST_F(NewGameTest, AProtectedHumanIsAskedOnEveryAddAndAComputerNever) {
    WriteSet("Default", 51);
    Write({{"Bob", true, "Secret", true}, {"Robo", false, "x", true}});
    const auto answer = [&](const QString& typed, bool ok) {
        modal.Then([typed, ok](QDialog& d) {
            Type(d, "Edit1", typed);
            Click(d, ok ? "BitBtn1" : "BitBtn2");
        });
    };
    QStringList afterCancel, afterWrong, afterRight, afterReAdd;
    QString title;
    modal.Then([&](QDialog& d) {
        AddFromLibrary(d, 0);  // cancelled
        afterCancel = Lines(d, "ListBox1");
        AddFromLibrary(d, 0);  // wrong
        afterWrong = Lines(d, "ListBox1");
        AddFromLibrary(d, 0);  // right
        afterRight = Lines(d, "ListBox1");
        Select(d, "ListBox1", 0);
        Click(d, "BitBtn4");
        AddFromLibrary(d, 0);  // asked again
        AddFromLibrary(d, 1);  // the computer player: no question
        afterReAdd = Lines(d, "ListBox1");
    });
    answer("", false);
    answer("secret", true);
    modal.Then([&](QDialog& d) {
        title = d.windowTitle();
        Type(d, "Edit1", "Secret");
        Click(d, "BitBtn1");
    });
    answer("Secret", true);
    dialog.Execute();
    EXPECT_TRUE(afterCancel.isEmpty());
    EXPECT_TRUE(afterWrong.isEmpty());
    EXPECT_EQ(afterRight, (QStringList{"Bob"}));
    EXPECT_EQ(afterReAdd, (QStringList{"Bob", "Robo (computer)"}));
    EXPECT_EQ(title, "Enter password Bob");
    EXPECT_EQ(Texts(), (std::vector<QString>{"Wrong password!"}));
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Plain);
    EXPECT_EQ(modal.opened, (std::vector<QString>{"TForm2", "TForm5", "TForm5", "TForm5", "TForm5"}));
    EXPECT_EQ(prompt.windowTitle(), "Password - Velmora");
}

TEST_F(NewGameTest, DeletingAChosenPlayerIsRefusedAndAnUnprotectedOneGoesAtOnce) {
    WriteSet("Default", 51);
    Write({{"Ann"}, {"Bob", true, "Secret", true}, {"Cid"}});
    QStringList library1, library2;
    QString title;
    modal.Then([&](QDialog& d) {
        AddFromLibrary(d, 0);
        Select(d, "ListBox2", 0);
        Click(d, "BitBtn7");
        Select(d, "ListBox2", 2);
        Click(d, "BitBtn7");
        library1 = Lines(d, "ListBox2");
        Select(d, "ListBox2", 1);
        Click(d, "BitBtn7");
        library2 = Lines(d, "ListBox2");
    });
    modal.Then([&](QDialog& d) {
        title = d.windowTitle();
        Type(d, "Edit1", "Secret");
        Click(d, "BitBtn1");
    });
    dialog.Execute();
    EXPECT_EQ(Texts(), (std::vector<QString>{"You cannot delete player Ann selected to play."}));
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Plain);
    EXPECT_EQ(library1, (QStringList{"Ann", "Bob"}));
    EXPECT_EQ(title, "Enter password for Bob");
    EXPECT_EQ(library2, (QStringList{"Ann"}));
    EXPECT_EQ(OnDisk().size(), 1u);
}

TEST_F(NewGameTest, NextNeedsTwoPlayersAndEveryClosingReturnsToStepOne) {
    WriteSet("Default", 51);
    Write({{"Ann"}, {"Bob"}});
    Open([&](QDialog& d) {
        AddFromLibrary(d, 0);
        Click(d, "BitBtn11");
        EXPECT_TRUE(Child(d, "GroupBox1").isVisible());
        AddFromLibrary(d, 1);
        Click(d, "BitBtn11");
        EXPECT_FALSE(Child(d, "GroupBox1").isVisible());
        EXPECT_TRUE(Child(d, "GroupBox2").isVisible());
        EXPECT_TRUE(Child(d, "BitBtn10").isEnabled());
        EXPECT_TRUE(Child(d, "BitBtn1").isVisible());
        EXPECT_FALSE(Child(d, "BitBtn11").isVisible());
        Click(d, "BitBtn10");
        EXPECT_TRUE(Child(d, "GroupBox1").isVisible());
        EXPECT_FALSE(Child(d, "BitBtn10").isEnabled());
        Click(d, "BitBtn11");
        Click(d, "BitBtn2");
    });
    EXPECT_EQ(Texts(), (std::vector<QString>{"Please select at least 2 players."}));
    // The players stay chosen, and the dialog opens at step 1 again.
    Open([&](QDialog& d) {
        EXPECT_EQ(Lines(d, "ListBox1"), (QStringList{"Ann", "Bob"}));
        EXPECT_TRUE(Child(d, "GroupBox1").isVisible());
        EXPECT_FALSE(Child(d, "BitBtn1").isVisible());
        Click(d, "BitBtn8");
        EXPECT_TRUE(Lines(d, "ListBox1").isEmpty());
    });
    EXPECT_FALSE(game.GameRunning());
}

// Enter in a list, as a user presses it there: the list passes it on to the dialog's default button.
void PressEnter(QDialog& dialog, const char* list) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&Child(dialog, list), &press);
}

TEST_F(NewGameTest, EnterIsNextOnStepOneAndStartOnStepTwo) {
    WriteSet("Default", 51);
    Write({{"Ann"}, {"Bob"}});
    Open([&](QDialog& d) {
        AddFromLibrary(d, 0);
        AddFromLibrary(d, 1);
        EXPECT_TRUE(Child<QPushButton>(d, "BitBtn11").isDefault());
        EXPECT_FALSE(Child<QPushButton>(d, "BitBtn1").isDefault());
        PressEnter(d, "ListBox2");
        EXPECT_TRUE(Child(d, "GroupBox2").isVisible());
        EXPECT_TRUE(Child<QPushButton>(d, "BitBtn1").isDefault());
        EXPECT_FALSE(Child<QPushButton>(d, "BitBtn11").isDefault());
        Click(d, "BitBtn10");  // back to step 1, where Enter is Next again
        EXPECT_TRUE(Child<QPushButton>(d, "BitBtn11").isDefault());
        PressEnter(d, "ListBox1");
        EXPECT_TRUE(Child(d, "GroupBox2").isVisible());
        PressEnter(d, "ListBox1");
    });
    EXPECT_TRUE(game.GameRunning());
    EXPECT_EQ(game.GamePlayerCount(), 2);
}

TEST_F(NewGameTest, OffersTheSizesASetFillsAndPreselectsTheLastChoice) {
    WriteSet("Small", 22, 77, 62);
    WriteSet("Default", 51);
    host.lastSet = "Small";
    host.lastFormat = 3;
    Open([&](QDialog& d) {
        EXPECT_EQ(Child<QComboBox>(d, "ComboBox1").currentText(), "Small");
        EXPECT_EQ(Items(d, "ComboBox2"), (QStringList{"Junior (5x4)", "Standard (7x6)"}));
        EXPECT_EQ(Child<QComboBox>(d, "ComboBox2").currentIndex(), 0);  // LastFormat 3 is not offered
        EXPECT_EQ(Child<QLineEdit>(d, "Edit3").text(), "www.example.org/Small");
        Child<QComboBox>(d, "ComboBox1").setCurrentText("Default");
        EXPECT_EQ(Items(d, "ComboBox2"),
                  (QStringList{"Junior (5x4)", "Standard (7x6)", "Expert (8x8)", "Fanatic (10x10)"}));
        EXPECT_EQ(Child<QLineEdit>(d, "Edit1").text(), "Ann Author");
        EXPECT_EQ(Child<QPlainTextEdit>(d, "Memo1").toPlainText(), "Notes of Default");
        Click(d, "Button1");
        Click(d, "Button3");
        Click(d, "BitBtn9");
    });
    EXPECT_EQ(host.webAddresses, (std::vector<std::string>{"www.example.org/Default"}));
    EXPECT_EQ(host.viewed, (std::vector<std::string>{"Default.cst"}));
    EXPECT_EQ(helpTopics, (std::vector<std::string>{"newgame_w"}));

    host.lastSet = "Default";
    Open([&](QDialog& d) { EXPECT_EQ(Child<QComboBox>(d, "ComboBox2").currentText(), "Fanatic (10x10)"); });
}

TEST_F(NewGameTest, StartSetsTheGameUpAndStartsIt) {
    WriteSet("Default", 51);
    Write({{"Ann"}, {"Robo", false}});
    Open([&](QDialog& d) {
        AddFromLibrary(d, 1);
        AddFromLibrary(d, 0);
        Click(d, "BitBtn11");
        Child<QComboBox>(d, "ComboBox2").setCurrentIndex(0);
        Click(d, "BitBtn1");
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    EXPECT_TRUE(game.GameRunning());
    ASSERT_EQ(game.GamePlayerCount(), 2);
    EXPECT_EQ(game.GamePlayer(1).Name.Text(), "Robo");  // the turn order is the order chosen
    EXPECT_EQ(game.GameBoard().Cols(), 5);
    EXPECT_EQ(game.GameBoard().Rows(), 4);
    EXPECT_EQ(game.BoardLeft(), (540 - 5 * 54) / 2);
    EXPECT_EQ(game.BoardTop(), (374 - 4 * 37) / 2);
    EXPECT_EQ(cardSet.GameSetFile, "Default.cst");
    EXPECT_EQ(cardSet.CardPictures.size(), 51u);
    EXPECT_EQ(host.lastSet, "Default");
    EXPECT_EQ(host.lastFormat, 0);
    EXPECT_EQ(host.loadedCalls, 1);
    EXPECT_EQ(host.progress.shows, 1);
}

TEST_F(NewGameTest, ASetThatCannotBeReadLeavesTheLastGameAsItWas) {
    WriteSet("Default", 51);
    Write({{"Ann"}, {"Bob"}, {"Cid"}});
    const auto start = [&](std::vector<int> rows, int size) {
        Open([rows, size](QDialog& d) {
            Click(d, "BitBtn8");
            for (const int row : rows) AddFromLibrary(d, row);
            Click(d, "BitBtn11");
            Child<QComboBox>(d, "ComboBox2").setCurrentIndex(size);
            Click(d, "BitBtn1");
        });
    };
    start({0, 1}, 0);
    game.EndGame1Click();
    ASSERT_FALSE(game.GameRunning());
    // The file is damaged between the two games: its prefix still reads, its pictures do not.
    const auto bytes = velmora::testing::ReadBytes(folder.Path() / "Default.cst");
    velmora::testing::WriteBytes(folder.Path() / "Default.cst",
                                 std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + bytes.size() / 2));
    messages.shown.clear();
    start({2, 1, 0}, 3);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_FALSE(game.GameRunning());
    // Restart Game still finds the last game's players and board.
    EXPECT_EQ(game.GamePlayerCount(), 2);
    EXPECT_EQ(game.GamePlayer(1).Name.Text(), "Ann");
    EXPECT_EQ(game.GameBoard().Cols(), 5);
    EXPECT_EQ(cardSet.GameSetFile, "Default.cst");
}

}  // namespace
}  // namespace velmora
