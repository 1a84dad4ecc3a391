// Every window's controls as a screen reader and the Tab key meet them.
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <algorithm>

#include "cardsets/ui/CardSetWindows.h"
#include "players/ui/PlayersWindows.h"
#include "tests/app/AppFixture.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedModal.h"

using namespace velmora;

namespace {

bool InsideCompound(const QWidget& window, const QWidget& widget) {
    for (const QWidget* up = widget.parentWidget(); up != nullptr && up != &window; up = up->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QComboBox*>(up)) return true;
    return false;
}

// The controls Tab reaches, in the order it reaches them.
std::vector<QWidget*> TabChain(QWidget& window) {
    std::vector<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window && chain.size() < 200; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&window) && w->isEnabled() && !InsideCompound(window, *w))
            chain.push_back(w);
    return chain;
}

// The windows are made when first opened: each is asked for here, with those it opens in turn.
void MakeEveryWindow(MainWindow& window) {
    window.AboutWindow();
    window.GameOverWindow();
    PlayersWindows& players = window.PlayerDialogs();
    players.NewGameWindow();
    players.ScoreboardWindow();
    players.DeletePlayerWindow();
    players.PasswordWindow();
    window.CardWindows().SelectSetWindow();
    window.CardWindows().SetInfoWindow();
}

class WindowAccessibilityTest : public velmora::testing::AppTest {
protected:
    fakes::ScriptedModal modal;
    fakes::ScriptedMessages messages;
};

}  // namespace

TEST_F(WindowAccessibilityTest, EveryControlOfEveryWindowHasANameAndTabFollowsTheLayout) {
    MakeEveryWindow(Open());
    std::vector<QWidget*> windows{window.get()};
    for (QDialog* dialog : window->findChildren<QDialog*>()) windows.push_back(dialog);
    ASSERT_GT(windows.size(), 5u);
    for (QWidget* shown : windows) {
        shown->show();
        QApplication::processEvents();
        std::vector<QWidget*> chain = TabChain(*shown);
        // The chain is a ring: it is read from the control at the top left.
        const auto first = std::min_element(chain.begin(), chain.end(), [shown](QWidget* a, QWidget* b) {
            const QPoint pa = a->mapTo(shown, QPoint()), pb = b->mapTo(shown, QPoint());
            return std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x());
        });
        std::rotate(chain.begin(), first, chain.end());
        for (QWidget* control : chain) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(accessible, nullptr);
            EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
                << shown->objectName().toStdString() << " / " << control->objectName().toStdString() << " ("
                << control->metaObject()->className() << ")";
        }
        // Each control reached comes after the one before it on the page: further down, or on its line further right.
        for (std::size_t i = 1; i < chain.size(); ++i) {
            const QRect a(chain[i - 1]->mapTo(shown, QPoint()), chain[i - 1]->size());
            const QRect b(chain[i]->mapTo(shown, QPoint()), chain[i]->size());
            EXPECT_TRUE(b.top() >= a.center().y() || (b.top() < a.bottom() && b.left() >= a.left()))
                << shown->objectName().toStdString() << ": " << chain[i - 1]->objectName().toStdString() << " then "
                << chain[i]->objectName().toStdString();
        }
        shown->hide();
    }
}
