#pragma once
// A main window playing a Junior game of two people on a set of plain colours, and the board
// input and pixels its tests use.

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <map>

#include "cardsets/CardSetWriter.h"
#include "tests/support/ScriptedModal.h"
#include "tests/app/AppFixture.h"
#include "tests/support/ScriptedMessages.h"

using namespace velmora;

namespace {

constexpr QRgb kBack = 0xFF0000C8;
constexpr CardSize kCard{100, 90};  // Junior: the board starts at (20, 7)

inline QRgb Face(int picture) { return qRgb((picture * 23) % 256, 255 - picture * 9, 60); }

constexpr std::uint32_t kBackgroundStored = 0x00204060;  // 0x00BBGGRR
constexpr QRgb kBackground = 0xFF604020;

// A Junior set of plain colours: the back and ten faces, on a background colour.
inline void WriteTestSet(const std::filesystem::path& file, QRgb back = kBack) {
    CardSetDescription set;
    set.CardWidth = kCard.Width;
    set.CardHeight = kCard.Height;
    for (int i = 0; i <= 10; ++i) {
        set.CardNames.push_back("card " + std::to_string(i));
        set.CardPictures.emplace_back(kCard.Width, kCard.Height, (i == 0 ? back : Face(i)) & 0x00FFFFFFu);
    }
    set.BackgroundColour = kBackgroundStored;
    WriteCardSet(file, set);
}

inline bool Near(QRgb actual, QRgb expected, int tolerance = 3) {
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

class BoardTest : public velmora::testing::AppTest {
protected:
    void Start() {
        WriteTestSet(folder.Path() / "Plain Colours.cst");
        Open();
        const CardSize card = window->LoadGameCardSet("plain colours.cst");  // letter case need not match
        ASSERT_EQ(card.Width, kCard.Width);
        window->CardSet().GameSetFile = "Plain Colours.cst";
        const TPlayerRecord players[] = {MakePlayerRecord("Ann", "", false, true, 5),
                                         MakePlayerRecord("Bob", "", false, true, 5)};
        Game& game = window->CurrentGame();
        game.SetGamePlayers(players);
        game.SetFormat(0);
        game.ComputeBoardOrigin(card);
        game.StartGame();
    }

    QPoint Centre(CellPosition cell) const {
        return {window->CurrentGame().BoardLeft() + (cell.Col - 1) * kCard.Width + kCard.Width / 2,
                window->CurrentGame().BoardTop() + (cell.Row - 1) * kCard.Height + kCard.Height / 2};
    }
    QRgb PixelOf(CellPosition cell) const { return window->BoardBuffer().pixel(Centre(cell)); }
    QRgb OutlineOf(CellPosition cell) const { return window->BoardBuffer().pixel(Centre(cell) - QPoint(50, 45)); }
    int PictureOf(CellPosition cell) const {
        return window->CurrentGame().GameBoard().Cell(cell.Col, cell.Row).Picture;
    }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, at, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, {});
        QApplication::sendEvent(window->findChild<QWidget*>("PaintBox1"), &event);
    }
    void Click(CellPosition cell) {
        Mouse(QEvent::MouseButtonPress, Centre(cell), Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, Centre(cell), Qt::NoButton);
    }
    void Key(QEvent::Type type, int key, QObject* target = nullptr) {
        QKeyEvent event(type, key, Qt::NoModifier);
        QApplication::sendEvent(target ? target : window.get(), &event);
    }
    // Runs the flip delay through the window's timer, as the running program does.
    void RunDelay() {
        window->show();
        QApplication::setActiveWindow(window.get());
        auto* timer = window->findChild<QTimer*>("Timer1");
        for (int i = 0; i < 200 && timer->isActive(); ++i) QMetaObject::invokeMethod(timer, "timeout");
    }
    // The cells of each picture.
    std::map<int, std::vector<CellPosition>> Pairs() const {
        std::map<int, std::vector<CellPosition>> pairs;
        for (int col = 1; col <= 5; ++col)
            for (int row = 1; row <= 4; ++row) pairs[PictureOf({col, row})].push_back({col, row});
        return pairs;
    }
};

}  // namespace
