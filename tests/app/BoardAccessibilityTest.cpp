// The board, the players list and the status line through the accessibility API, as a screen
// reader reads them, and the high-contrast look of the board.
#include <QAccessible>
#include <QStatusBar>

#include "settings/AccessibilitySettings.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "app/ui/AccessibleEvents.h"
#include "app/ui/BoardView.h"
#include "tests/app/BoardFixture.h"

namespace {

struct Heard {
    QAccessible::Event Type;
    QString Text;
    bool operator==(const Heard&) const = default;
};

std::vector<Heard>* heard = nullptr;

// Names as a screen reader fetches them when told something changed or took the focus.
void Listen(QAccessibleEvent& event) {
    if (heard == nullptr) return;
    const QAccessible::Event type = event.type();
    if (type != QAccessible::NameChanged && type != QAccessible::Focus) return;
    if (QAccessibleInterface* about = event.accessibleInterface())
        heard->push_back({type, about->text(QAccessible::Name)});
}

class BoardAccessibilityTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        InstallAccessibilityListener(Listen);
    }
    void TearDown() override {
        heard = nullptr;
        InstallAccessibilityListener(nullptr);
        BoardTest::TearDown();
    }

    QAccessibleInterface* Table() const {
        return QAccessible::queryAccessibleInterface(&window->PaintBox());
    }
    QString CellName(CellPosition cell) const {
        QAccessibleInterface* found = Table()->tableInterface()->cellAt(cell.Row - 1, cell.Col - 1);
        return found ? found->text(QAccessible::Name) : "(none)";
    }
    QString Cell(CellPosition cell, const QString& state) const {
        return QString("Row %1, column %2, %3").arg(cell.Row).arg(cell.Col).arg(state);
    }
    QString RowName(int row) const {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&window->PlayerList());
        // The tree's children are its header's cells and then each row's cells.
        QAccessibleInterface* cell = list->child((row + 1) * list->tableInterface()->columnCount());
        return cell ? cell->text(QAccessible::Name) : "(none)";
    }
    void FocusBoard() {
        window->show();
        QApplication::setActiveWindow(window.get());
        window->PaintBox().setFocus();
    }

    fakes::ScriptedModal modal;
    fakes::ScriptedMessages messages;
};

}  // namespace

TEST_F(BoardAccessibilityTest, TheBoardIsATableWhoseCellsNameTheCardsAsTheGameShowsThem) {
    Start();
    QAccessibleInterface* table = Table();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->rowCount(), 4);
    EXPECT_EQ(table->tableInterface()->columnCount(), 5);
    EXPECT_EQ(table->childCount(), 20);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(2, 3);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 2);
    EXPECT_EQ(cell->tableCellInterface()->columnIndex(), 3);
    EXPECT_EQ(table->indexOfChild(cell), 13);
    EXPECT_EQ(cell->parent(), table);
    EXPECT_EQ(cell->text(QAccessible::Name), "Row 3, column 4, face down");

    const auto pairs = Pairs();
    const std::vector<CellPosition>& found = pairs.at(4);
    Click(found[0]);
    EXPECT_EQ(CellName(found[0]), Cell(found[0], "card 4"));
    Click(found[1]);
    RunDelay();
    EXPECT_EQ(CellName(found[0]), "empty");
    EXPECT_EQ(CellName(found[1]), "empty");
    QApplication::processEvents();  // the tree lays out its rows
    EXPECT_EQ(RowName(0), "Ann, pairs found: 1");
    EXPECT_EQ(RowName(1), "Bob, pairs found: 0");
    // A screen reader's press on a cell turns its card as a click does.
    const CellPosition pressed = pairs.at(5)[0];
    QAccessibleInterface* toPress = table->tableInterface()->cellAt(pressed.Row - 1, pressed.Col - 1);
    ASSERT_NE(toPress->actionInterface(), nullptr);
    toPress->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(CellName(pressed), Cell(pressed, "card 5"));
    EXPECT_EQ(window->CurrentGame().CardsTurned(), 1);

    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(&window->StatusLine());
    EXPECT_EQ(status->text(QAccessible::Name), window->StatusText());
    EXPECT_TRUE(status->text(QAccessible::Name).contains("Ann"));
}

// One missed turn as a screen reader hears it: each card turned, the cursor's moves and the cards
// turned back; nothing twice and nothing for the pressed look.
TEST_F(BoardAccessibilityTest, TheFocusedCellFollowsTheCursorAndEachChangeIsToldOnceInOrder) {
    Start();
    FocusBoard();
    const auto cursorCell = [this] {
        const BoardCursor& cursor = window->CurrentGame().Cursor();
        return Table()->tableInterface()->cellAt(cursor.Row - 1, cursor.Col - 1);
    };
    EXPECT_EQ(Table()->focusChild(), Table()->tableInterface()->cellAt(0, 0));
    // The cursor goes down from the first turned card, then right: the deal must not pair those two.
    Board& board = window->CurrentGame().GameBoard();
    TBoardCell& dealt = board.Cell(2, 2);
    if (dealt.Picture == PictureOf({1, 1})) std::swap(dealt.Picture, board.Cell(3, 3).Picture);
    std::vector<Heard> events;
    heard = &events;
    Key(QEvent::KeyPress, Qt::Key_Space);
    Key(QEvent::KeyRelease, Qt::Key_Space);
    const CellPosition away = window->CurrentGame().Cursor().Cell();  // the cursor leaves the turned card
    Key(QEvent::KeyPress, Qt::Key_Right);
    ASSERT_EQ(window->CurrentGame().Cursor().Cell(), (CellPosition{2, 2}));
    const CellPosition second{2, 2};
    EXPECT_EQ(Table()->focusChild(), cursorCell());
    EXPECT_TRUE(Table()->focusChild()->state().focused);
    Key(QEvent::KeyPress, Qt::Key_Space);
    Key(QEvent::KeyRelease, Qt::Key_Space);
    const CellPosition last = window->CurrentGame().Cursor().Cell();
    RunDelay();
    heard = nullptr;
    const auto card = [this](CellPosition cell) { return QString("card %1").arg(PictureOf(cell)); };
    ASSERT_NE(PictureOf(second), PictureOf({1, 1}));
    const std::vector<Heard> expected = {
        {QAccessible::NameChanged, Cell({1, 1}, card({1, 1}))},
        {QAccessible::Focus, Cell(away, "face down")},
        {QAccessible::Focus, Cell(second, "face down")},
        {QAccessible::NameChanged, Cell(second, card(second))},
        {QAccessible::Focus, Cell(last, "face down")},
        {QAccessible::NameChanged, Cell({1, 1}, "face down")},
        {QAccessible::NameChanged, Cell(second, "face down")},
    };
    EXPECT_EQ(events, expected);
    EXPECT_EQ(Table()->focusChild(), cursorCell());
    EXPECT_TRUE(window->StatusText().contains("Bob"));
}

TEST_F(BoardAccessibilityTest, HighContrastOutlinesTheCursorAndThePressedCardAndIsKeptInItsOwnSection) {
    Start();
    const QColor highlight = window->palette().color(QPalette::Highlight);
    Action("HighContrast1")->trigger();
    const QPoint corner = Centre({1, 1}) - QPoint(kCard.Width / 2, kCard.Height / 2);
    const QImage& buffer = window->BoardBuffer();
    EXPECT_EQ(PixelOf({1, 1}), kBack);  // no veil over the picture
    EXPECT_EQ(QColor(buffer.pixel(corner + QPoint(3, 40))), highlight);
    EXPECT_EQ(buffer.pixel(corner + QPoint(5, 40)), kBack);
    EXPECT_EQ(buffer.pixel(corner + QPoint(50, 4)), kBack);
    Key(QEvent::KeyPress, Qt::Key_Space);
    EXPECT_EQ(QColor(buffer.pixel(corner + QPoint(7, 40))), highlight);  // pressed: twice as thick
    EXPECT_EQ(buffer.pixel(corner + QPoint(9, 40)), kBack);
    Key(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(buffer.pixel(corner + QPoint(1, 40)), Face(PictureOf({1, 1})));  // turned: no outline

    window->close();
    EXPECT_TRUE(AccessibilitySettings::Read(folder.Path()).HighContrast);
    const IniFile ini(folder.Path() / kSettingsFileName);
    EXPECT_EQ(ini.ReadInteger(kSettingsSection, "HighContrast", -1), -1);
    Open();
    EXPECT_TRUE(Action("HighContrast1")->isChecked());
}
