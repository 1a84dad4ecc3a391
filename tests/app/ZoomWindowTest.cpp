// The main window zoomed: hit tests, cursor, drawing and the remembered view.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <fstream>

#include "app/ViewSettings.h"
#include "app/ui/BoardPainter.h"
#include "app/ui/BoardView.h"
#include "app/ui/ZoomControl.h"
#include "engine/ui/GameOver.h"
#include "tests/app/AppFixture.h"
#include "tests/app/FlatCardSet.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedModal.h"

using namespace velmora;

namespace {

constexpr QRgb kBack = velmora::testing::kFlatBack;
constexpr QRgb kBackground = velmora::testing::kFlatBackground;
constexpr CardSize kCard{54, 37};  // Fanatic: the board starts at (0, 2)
using velmora::testing::FlatFace;

bool Near(QRgb actual, QRgb expected) {
    return std::abs(qRed(actual) - qRed(expected)) <= 2 && std::abs(qGreen(actual) - qGreen(expected)) <= 2 &&
           std::abs(qBlue(actual) - qBlue(expected)) <= 2;
}

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

class ZoomWindowTest : public velmora::testing::AppTest {
protected:
    // A Fanatic game with two people, in a window shown at zoom (in a room of the given size for Fit).
    void Start(Zoom zoom, QSize windowSize = {}) {
        velmora::testing::WriteFlatFanaticSet(folder.Path() / "Flat.cst");
        Open();
        window->show();
        Settle();
        window->Zooming().Choose(zoom);
        if (windowSize.isValid()) window->resize(windowSize);
        Settle();
        const CardSize card = window->LoadGameCardSet("Flat.cst");
        window->CardSet().GameSetFile = "Flat.cst";
        const TPlayerRecord players[] = {MakePlayerRecord("Ann", "", false, true, 5),
                                         MakePlayerRecord("Bob", "", false, true, 5)};
        Game& game = window->CurrentGame();
        game.SetGamePlayers(players);
        game.SetFormat(3);
        game.ComputeBoardOrigin(card);
        game.StartGame();
    }
    const Scale& Shown() const { return window->Zooming().Shown(); }
    QWidget* Board() const { return window->findChild<QWidget*>("PaintBox1"); }
    // The cell's rectangle in the board area's pixels at the shown zoom.
    QRect Zoomed(CellPosition cell) const {
        const Game& game = window->CurrentGame();
        const ZoomRect r = Shown().Map(ZoomRect{game.BoardLeft() + (cell.Col - 1) * kCard.Width,
                                                game.BoardTop() + (cell.Row - 1) * kCard.Height, kCard.Width,
                                                kCard.Height});
        return {r.X, r.Y, r.Width, r.Height};
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons = Qt::NoButton) {
        QMouseEvent event(type, at, at, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, {});
        QApplication::sendEvent(Board(), &event);
    }
    CellPosition Cursor() const { return window->CurrentGame().Cursor().Cell(); }
    QRgb At(QPoint p) const { return window->BoardBuffer().pixel(p); }

    // Every cell's centre and four corners move the cursor onto that cell; the margins reach none.
    void ExpectEveryCellHitAtItsCentreAndCorners() {
        ASSERT_FALSE(Shown().IsOne());
        for (int col = 1; col <= 10; ++col)
            for (int row = 1; row <= 10; ++row) {
                const QRect r = Zoomed({col, row});
                for (const QPoint p : {r.center(), r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
                    Mouse(QEvent::MouseMove, col == 1 ? Zoomed({2, row}).center() : Zoomed({1, row}).center());
                    Mouse(QEvent::MouseMove, p);
                    ASSERT_EQ(Cursor(), (CellPosition{col, row})) << col << "," << row << " at " << p.x() << "," << p.y();
                    // What is drawn there is that card, highlighted.
                    ASSERT_TRUE(window->CurrentGame().CellHighlighted(col, row));
                }
            }
        const QRect last = Zoomed({10, 10});
        const QRect first = Zoomed({1, 1});
        Mouse(QEvent::MouseMove, Zoomed({5, 5}).center());
        const std::vector<QPoint> margins = {{last.right() + 1, last.center().y()}, {Board()->width() - 1, 0},
                                             {first.center().x(), first.top() - 1}, {0, Board()->height() - 1},
                                             {last.center().x(), last.bottom() + 1}};
        for (const QPoint p : margins) {
            Mouse(QEvent::MouseMove, p);
            EXPECT_EQ(Cursor(), (CellPosition{5, 5})) << p.x() << "," << p.y();
            Mouse(QEvent::MouseButtonPress, p, Qt::LeftButton);
            Mouse(QEvent::MouseButtonRelease, p);
        }
        EXPECT_EQ(window->CurrentGame().CardsTurned(), 0);
    }

    fakes::ScriptedModal modal;  // the splash
};

}  // namespace

TEST_F(ZoomWindowTest, AtEveryZoomEachCellsCentreAndCornersHitItAndTheMarginsHitNothing) {
    Start(Zoom::Percent150);
    EXPECT_EQ(Shown(), Scale(3, 2));
    EXPECT_EQ(Board()->size(), QSize(810, 561));
    ExpectEveryCellHitAtItsCentreAndCorners();
}

TEST_F(ZoomWindowTest, At200PercentTheHitTestAndTheKeyboardCursorFollowTheZoomedCells) {
    Start(Zoom::Percent200);
    EXPECT_EQ(Board()->size(), QSize(1080, 748));
    EXPECT_EQ(window->BoardBuffer().size(), QSize(1080, 748));
    ExpectEveryCellHitAtItsCentreAndCorners();

    Mouse(QEvent::MouseMove, Zoomed({1, 1}).center());
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &right);
    EXPECT_EQ(Cursor(), (CellPosition{2, 1}));
    EXPECT_TRUE(Near(At(Zoomed({1, 1}).center()), kBack));
    EXPECT_FALSE(Near(At(Zoomed({2, 1}).center()), kBack));
}

TEST_F(ZoomWindowTest, FitInAnOddSizedWindowKeepsTheAspectCentresTheBoardAndHitsEveryCell) {
    Start(Zoom::Fit, QSize(1237, 911));
    const QSize room(window->centralWidget()->width(), window->centralWidget()->height() + window->statusBar()->height());
    EXPECT_EQ(Shown(), FitScale({room.width(), room.height()}));
    EXPECT_EQ(Board()->size(), QSize(Shown().Map(540), Shown().Map(374)));
    // Width-bound: the block fills the width and is centred in the height left over.
    const QRect block = Board()->parentWidget()->geometry();
    EXPECT_EQ(block.width(), 1237);
    EXPECT_LE(std::abs(block.top() - (window->centralWidget()->height() - block.bottom() - 1)), 1);
    EXPECT_EQ(window->statusBar()->height(), Shown().Map(22));
    ExpectEveryCellHitAtItsCentreAndCorners();
}

TEST_F(ZoomWindowTest, At200PercentPicturesFillTheirCellsAndHighlightAndInversionCoverExactlyTheCell) {
    Start(Zoom::Percent200);
    const QRect cursor = Zoomed({1, 1});
    const QRect other = Zoomed({4, 3});
    EXPECT_EQ(other, QRect(2 * 3 * 54, 2 * (2 + 2 * 37), 108, 74));
    // The back fills its zoomed cell up to each edge; beyond the board's right edge lies the background.
    for (const QPoint p : {other.topLeft(), other.topRight(), other.bottomLeft(), other.bottomRight(), other.center()})
        EXPECT_EQ(At(p), kBack) << p.x() << "," << p.y();
    // The top and bottom margins, two pixels at 100 %, are four here.
    EXPECT_EQ(At(QPoint(300, 3)), kBackground);
    EXPECT_EQ(At(QPoint(300, 4)), kBack);
    EXPECT_EQ(At(QPoint(300, 743)), kBack);
    EXPECT_EQ(At(QPoint(300, 744)), kBackground);

    // The highlight covers the cursor's cell and nothing next to it.
    for (const QPoint p : {cursor.topLeft(), cursor.bottomRight()}) EXPECT_NE(At(p), kBack);
    EXPECT_EQ(At(cursor.topRight() + QPoint(1, 0)), kBack);
    EXPECT_EQ(At(cursor.bottomLeft() + QPoint(0, 1)), kBack);

    // Pressed: inverted inside, the outline (two pixels at 200 %) and the neighbours untouched.
    Mouse(QEvent::MouseButtonPress, other.center(), Qt::LeftButton);
    const QRect inside = other.adjusted(2, 2, -2, -2);
    for (const QPoint p : {inside.topLeft(), inside.topRight(), inside.bottomLeft(), inside.bottomRight()})
        EXPECT_NE(At(p), kBack) << p.x() << "," << p.y();
    for (const QPoint p : {other.topLeft() + QPoint(1, 1), other.bottomRight() - QPoint(1, 1),
                           other.topLeft() - QPoint(1, 0), other.bottomRight() + QPoint(0, 1)})
        EXPECT_TRUE(At(p) == kBack || window->CurrentGame().CellHighlighted(4, 3)) << p.x() << "," << p.y();
    EXPECT_EQ(At(other.topLeft() + QPoint(1, 1)), At(other.topLeft()));
    Mouse(QEvent::MouseButtonRelease, other.center());
    const int picture = window->CurrentGame().GameBoard().Cell(4, 3).Picture;
    for (const QPoint p : {other.topLeft(), other.bottomRight(), other.center()}) EXPECT_EQ(At(p), FlatFace(picture));
}

TEST_F(ZoomWindowTest, EverythingElseScalesWithTheBoard) {
    Start(Zoom::Percent200);
    auto* list = window->findChild<QTreeWidget*>("ListView1");
    EXPECT_EQ(list->geometry(), QRect(2, 2, 212, 336));
    EXPECT_EQ(list->font().pixelSize(), 24);
    EXPECT_EQ(list->columnWidth(0), 106);
    EXPECT_EQ(window->findChild<QLabel*>("Image2")->geometry(), QRect(38, 620, 120, 100));
    EXPECT_EQ(window->findChild<QLabel*>("Image2")->pixmap().size(), QSize(120, 100));
    EXPECT_EQ(window->statusBar()->height(), 44);
    EXPECT_EQ(window->centralWidget()->size(), QSize(1302, 752));
    EXPECT_NEAR(window->findChild<QLabel*>("sbText")->font().pointSizeF(), 2 * window->font().pointSizeF(), 0.01);

    // Back to 100 %: the layout of the normal view again.
    window->Zooming().Choose(Zoom::Percent100);
    Settle();
    EXPECT_EQ(window->centralWidget()->size(), QSize(651, 376));
    EXPECT_EQ(Board()->geometry(), QRect(1, 1, 540, 374));
    EXPECT_EQ(list->font().pixelSize(), 12);
    EXPECT_EQ(window->BoardBuffer().size(), QSize(540, 374));
}

TEST_F(ZoomWindowTest, FullScreenFillsTheScreenAndEscapeOrF11LeavesIt) {
    Start(Zoom::Percent100);
    QAction* fullScreen = Action("FullScreen1");
    EXPECT_EQ(fullScreen->shortcut(), QKeySequence(Qt::Key_F11));
    fullScreen->trigger();
    Settle();
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_EQ(window->size(), window->screen()->geometry().size());
    EXPECT_EQ(Shown(), FitScale({window->width(), window->height() - window->menuBar()->height()}));
    ExpectEveryCellHitAtItsCentreAndCorners();

    // Escape reaches the window from the players list, which has the focus in play.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window->findChild<QTreeWidget*>("ListView1"), &escape);
    Settle();
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_FALSE(fullScreen->isChecked());
    EXPECT_TRUE(Shown().IsOne());
    // Out of full screen, Escape is nobody's.
    QKeyEvent again(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &again);
    EXPECT_FALSE(window->isFullScreen());
    Action("FullScreen1")->trigger();
    Settle();
    EXPECT_TRUE(window->isFullScreen());
    Action("FullScreen1")->trigger();
    Settle();
    EXPECT_FALSE(window->isFullScreen());
}

TEST_F(ZoomWindowTest, TheZoomTheRoomAndFullScreenComeBackAtTheNextStartThroughTheRealExit) {
    Start(Zoom::Fit, QSize(733, 541));
    const QSize room(window->width(), window->height() - window->menuBar()->height());
    Action("FullScreen1")->trigger();
    Settle();
    fakes::ScriptedMessages messages;
    messages.Answer(MessageAnswer::Ok);
    Action("Exit1")->trigger();
    ASSERT_FALSE(window->isVisible());
    EXPECT_EQ(velmora::testing::ReadText(folder.Path() / "velmora.ini"),
              "[inivalues]\r\nFlipDelay=20\r\nSoundOn=1\r\nLastSet=Default\r\nLastFormat=1\r\n\r\n[view]\r\n"
              "Zoom=fit\r\nWidth=" + std::to_string(room.width()) + "\r\nHeight=" + std::to_string(room.height()) +
                  "\r\nFullScreen=1\r\n\r\n[accessibility]\r\nHighContrast=0\r\n");
    window.reset();

    MainWindow& again = Open();
    again.show();
    Settle();
    EXPECT_TRUE(Action("FitToWindow1")->isChecked());
    EXPECT_TRUE(Action("FullScreen1")->isChecked());
    EXPECT_TRUE(again.isFullScreen());
    Action("FullScreen1")->trigger();
    Settle();
    EXPECT_FALSE(again.isFullScreen());
    EXPECT_EQ(QSize(again.width(), again.height() - again.menuBar()->height()), room);
}

TEST_F(ZoomWindowTest, ADamagedViewSectionOpensTheWindowByTheFirstStartRule) {
    std::ofstream(folder.Path() / "velmora.ini") << "[view]\nZoom=0\nWidth=90000\nHeight=70000\nFullScreen=0\n";
    MainWindow& w = Open();
    // The offscreen screen (800 x 600) holds the 100 % window only.
    EXPECT_TRUE(Action("Zoom100")->isChecked());
    EXPECT_EQ(w.centralWidget()->size(), QSize(651, 376));
    w.show();
    Settle();
    EXPECT_EQ(w.centralWidget()->size(), QSize(651, 376));
    EXPECT_TRUE(w.Zooming().Shown().IsOne());
}

TEST_F(ZoomWindowTest, AtDevicePixelRatioTwoTheBoardIsDrawnAtDeviceResolution) {
    Start(Zoom::Percent100);
    window->Zooming().SetDeviceRatio(2);
    EXPECT_EQ(window->BoardBuffer().size(), QSize(1080, 748));
    EXPECT_EQ(Board()->size(), QSize(540, 374));
    // Hit tests stay in the window's own pixels.
    Mouse(QEvent::MouseMove, Zoomed({3, 4}).center());
    EXPECT_EQ(Cursor(), (CellPosition{3, 4}));
    // Shown one buffer pixel to one device pixel.
    QImage shown(1080, 748, QImage::Format_RGB32);
    shown.setDevicePixelRatio(2);
    Board()->render(&shown);
    shown.setDevicePixelRatio(1);
    EXPECT_EQ(shown, window->BoardBuffer().convertToFormat(QImage::Format_RGB32));

    window->Zooming().Choose(Zoom::Percent200);
    Settle();
    EXPECT_EQ(window->BoardBuffer().size(), QSize(2160, 1496));
    const ZoomRect mapped = window->Zooming().Shown().Times(Scale(2, 1)).Map(ZoomRect{0, 2, 54, 37});
    const QRect cell = mapped == ZoomRect{0, 8, 216, 148}
                           ? QRect(0, 8, 216, 148) : QRect();
    ASSERT_TRUE(cell.isValid());
    for (const QPoint p : {cell.topRight(), cell.bottomLeft()}) EXPECT_NE(At(p), kBackground);
    EXPECT_EQ(At(QPoint(100, 7)), kBackground);
}

// Card pictures go to the buffer scaled once from their own pixels: a picture with one-pixel
// detail keeps it exactly at twice the size.
TEST(BoardPainterZoom, CardPicturesAreScaledOnceFromTheirSourcePixels) {
    BoardPainter painter(QSize(540, 374));
    QImage card(54, 37, QImage::Format_RGB32);
    card.fill(Qt::white);
    for (int x = 0; x < 54; ++x) card.setPixel(x, 0, qRgb(0, 0, 0));
    painter.SetCardImages({card});
    painter.SetScale(Scale(2, 1));
    painter.DrawCard(QRect(0, 2, 54, 37), 0, false);
    const QImage& buffer = painter.Buffer();
    ASSERT_EQ(buffer.size(), QSize(1080, 748));
    EXPECT_LT(qGray(buffer.pixel(50, 4)), 64);
    EXPECT_GT(qGray(buffer.pixel(50, 7)), 192);
    EXPECT_EQ(painter.Map(QRect(0, 2, 54, 37)), QRect(0, 4, 108, 74));
}
