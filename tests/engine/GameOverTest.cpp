#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "engine/ui/GameOver.h"
#include "tests/engine/GameFixture.h"
#include "widgets/Artwork.h"

namespace velmora {
namespace {

QPushButton* Button(GameOver& window, const char* name) { return window.findChild<QPushButton*>(name); }
QLabel* Label(GameOver& window, const char* name) { return window.findChild<QLabel*>(name); }

TEST(GameOverWindow, ShowsTheWinnerWithStatsFocusedAndCloseAsDefault) {
    GameOver window;
    window.SetWinner("Ann is the winner of this game.", 3);
    // Close is the default button; once shown, the focused Stats button answers Enter itself.
    EXPECT_TRUE(Button(window, "Button1")->isDefault());
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.objectName(), "TForm11");
    EXPECT_EQ(window.windowTitle(), "Game Over - Velmora by Halvik Software");
    EXPECT_EQ(window.size(), QSize(328, 182));
    EXPECT_EQ(Label(window, "Label1")->text(), "Congratulations!");
    EXPECT_EQ(Label(window, "Label2")->text(), "Ann is the winner of this game.");
    EXPECT_EQ(Label(window, "Label2")->size(), QSize(282, 41));
    ASSERT_NE(Label(window, "Image2"), nullptr);
    EXPECT_EQ(Label(window, "Image2")->size(), QSize(60, 50));
    EXPECT_EQ(Button(window, "Button2")->text(), "&Stats");
    EXPECT_EQ(Button(window, "Button1")->text(), "&Close");
    EXPECT_EQ(Button(window, "Button3")->text(), "&Help");
    EXPECT_TRUE(Button(window, "Button2")->hasFocus());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST(GameOverWindow, ShowsTheProgramLogo) {
    GameOver window;
    window.SetWinner("Ann is the winner of this game.", 1);
    window.show();
    QApplication::processEvents();
    QLabel* image = Label(window, "Image2");
    ASSERT_NE(image, nullptr);
    // What the window puts on the screen where the logo belongs, over the panel's own colour.
    const QImage shown = window.grab(image->geometry()).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage logo = artwork::Logo(QSize(60, 50)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), logo.size());
    int opaque = 0;
    int matching = 0;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x) {
            if (qAlpha(logo.pixel(x, y)) != 255) continue;
            ++opaque;
            if (shown.pixel(x, y) == logo.pixel(x, y)) ++matching;
        }
    EXPECT_GT(opaque, 60 * 50 / 4);  // the logo covers a good part of its place
    EXPECT_EQ(matching, opaque);
}

TEST(GameOverWindow, EveryWayOfClosingReportsTheClose) {
    GameOver window;
    int closed = 0;
    window.onClosed = [&] { ++closed; };

    window.show();
    Button(window, "Button1")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closed, 1);

    window.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closed, 2);

    window.show();
    window.close();  // the title bar's close box
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closed, 3);
}

TEST(GameOverWindow, StatsAndHelpGoThroughTheirHooks) {
    GameOver window;
    std::vector<int> statsFor;
    QString help;
    window.onStats = [&](int position) { statsFor.push_back(position); };
    window.onHelp = [&](const QString& keyword) { help = keyword; };
    window.SetWinner("Bob is the winner of this game.", 2);
    Button(window, "Button2")->click();
    Button(window, "Button3")->click();
    EXPECT_EQ(statsFor, (std::vector<int>{2}));
    EXPECT_EQ(help, "gameover_w");

    window.SetWinner("Zed is the winner of this game.", 0);  // no longer in the library
    Button(window, "Button2")->click();
    EXPECT_EQ(statsFor.size(), 1u);
}

TEST(GameOverWindow, SixtyCharacterNameIsShownWhole) {
    GameOver window;
    const QString name(60, 'W');
    const QString sentence = name + " is the winner of this game.";
    window.SetWinner(sentence, 1);
    window.show();
    QLabel* label = Label(window, "Label2");
    EXPECT_EQ(label->text(), sentence);
    const QFontMetrics metrics(label->font());
    EXPECT_GE(label->width(), metrics.horizontalAdvance(name));
    EXPECT_GE(label->height(), metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, sentence).height());
    EXPECT_TRUE(window.rect().contains(label->geometry()));
    EXPECT_TRUE(window.rect().contains(Button(window, "Button3")->geometry()));
}

// The statistics the Stats button shows come from the library merged with the game's players,
// as the statistics window does it; the file itself is written only after the window closes.
class GameOverAfterAGame : public testing::GameFixture {};

TEST_F(GameOverAfterAGame, StatsShowTheCountsOfThisGameBeforeTheFileIsWritten) {
    for (const char* name : {"Ann", "Bob"}) ASSERT_EQ(library.AppendPlayer({name, "", false, true, 5}), "");
    std::vector<std::string> lines;
    library.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
    Start({library.Player(1), library.Player(2)}, 0, 5);

    TPlayerRecord shown;
    int playedInFileWhileOpen = -1;
    view.onGameOver = [&](const std::string& sentence, int position) {
        GameOver window;
        window.onStats = [&](int libraryPosition) {
            library.MergeGamePlayers(game.GamePlayers());
            shown = library.Player(libraryPosition);
        };
        window.SetWinner(QString::fromLatin1(sentence.c_str()), position);
        window.show();
        Button(window, "Button2")->click();
        PlayerLibrary onDisk(folder.Path());
        std::vector<std::string> diskLines;
        onDisk.LoadPlayerLibrary(diskLines, LibraryFilter::AllPlayers);
        playedInFileWhileOpen = onDisk.Player(1).GamesPlayed;
        Button(window, "Button1")->click();
    };
    while (game.GameRunning()) PlayMatch();  // Ann finds every pair

    EXPECT_EQ(shown.Name.Text(), "Ann");
    EXPECT_EQ(shown.GamesPlayed, 1);
    EXPECT_EQ(shown.GamesWon, 1);
    EXPECT_EQ(shown.GamePoints, 10);
    EXPECT_EQ(shown.TotalFlips, 10);
    PlayerLibrary reread(folder.Path());
    reread.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
    EXPECT_EQ(reread.Player(1).GamesWon, 1);
    EXPECT_EQ(playedInFileWhileOpen, 0);
}

}  // namespace
}  // namespace velmora
