// Saves a picture of the main window with a game under way, for looking at the board drawing:
// a set of the program folder (Default.cst unless named) is read, a game of two players is set up as the New Game
// dialog sets one up, two cards are turned and the window is grabbed.
// Usage: velmora-boardshot PROGRAM-FOLDER OUTPUT.png [FORMAT [SET-FILE]]
#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "app/ui/MainWindow.h"

namespace {

void Click(QWidget* board, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(board, &press);
    QApplication::sendEvent(board, &release);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM-FOLDER OUTPUT.png [FORMAT 0-3 [SET-FILE]]\n", argv[0]);
        return 2;
    }
    const int format = argc > 3 ? std::clamp(std::atoi(argv[3]), 0, 3) : 3;
    velmora::MainWindow window{std::filesystem::path(argv[1])};
    velmora::CardSize card;
    try {
        card = window.LoadGameCardSet(argc > 4 ? argv[4] : "Default.cst");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    const velmora::TPlayerRecord players[] = {velmora::MakePlayerRecord("Ann", "", false, true, 5),
                                              velmora::MakePlayerRecord("Robo", "", false, false, 12)};
    velmora::Game& game = window.CurrentGame();
    game.SetGamePlayers(players);
    game.SetFormat(format);
    game.ComputeBoardOrigin(card);
    game.StartGame();
    // Ann turns the first two cards of the top row; the miss leaves them face up for the delay.
    auto* board = window.findChild<QWidget*>("PaintBox1");
    for (int col = 1; col <= 2; ++col)
        Click(board, QPoint(game.BoardLeft() + (col - 1) * card.Width + card.Width / 2,
                            game.BoardTop() + card.Height / 2));
    if (!window.grab().save(argv[2])) {
        std::fprintf(stderr, "Cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
