// The windows that follow the zoom: their text grows with it and nothing is cut off.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <map>

#include "cardsets/ui/CardSetWindows.h"
#include "players/ui/PlayersWindows.h"
#include "widgets/DialogZoom.h"
#include "app/ui/ZoomControl.h"
#include "engine/ui/GameOver.h"
#include "tests/app/AppFixture.h"
#include "tests/app/FlatCardSet.h"
#include "tests/support/ScriptedMessages.h"

using namespace velmora;

namespace {

// A sentence shown as it is, as the engine's phrases are when no translation names them.
Phrase Sentence(const QString& text) { return MakePhrase("", "%1", {text.toLatin1().toStdString()}); }

QString Shown(QString text) { return text.remove('&'); }

// Every visible control lies inside its parent, and one line of its text fits in it.
void ExpectNothingClipped(const QWidget& window) {
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->isWindow() || w->parentWidget() == nullptr) continue;
        const QRect inParent = w->parentWidget()->rect();
        EXPECT_TRUE(inParent.contains(w->geometry())) << window.objectName().toStdString() << " "
                                                       << w->metaObject()->className() << " " << w->objectName().toStdString();
        QString text;
        bool wraps = false;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            text = label->text();
            wraps = label->wordWrap();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            text = button->text();
        }
        if (text.isEmpty() || text.startsWith('<')) continue;
        const QFontMetrics metrics(w->font());
        const QString line = Shown(text).split('\n').first();
        if (!wraps) {
            EXPECT_LE(metrics.horizontalAdvance(line), w->contentsRect().width())
                << window.objectName().toStdString() << " " << line.toStdString();
        }
        EXPECT_LE(metrics.height(), w->contentsRect().height()) << window.objectName().toStdString() << " " << line.toStdString();
    }
}

// The windows that follow the zoom, asked for through the accessors that make them.
void MakeZoomedWindows(MainWindow& w) {
    w.GameOverWindow();
    w.PlayerDialogs().NewGameWindow();
    w.PlayerDialogs().StatsWindow();
    w.CardWindows().SelectSetWindow();
    w.CardWindows().PreviewWindow();
    w.CardWindows().SetInfoWindow();
}

}  // namespace

using DialogZoomTest = velmora::testing::AppTest;

TEST_F(DialogZoomTest, AtTwoHundredPercentTheWindowsTextDoublesAndNothingIsCutOff) {
    velmora::testing::WriteFlatFanaticSet(folder.Path() / "Flat.cst");  // for Select Card Set to list
    MainWindow& w = Open();
    MakeZoomedWindows(w);
    fakes::ScriptedMessages messages;
    const char* const names[] = {"TForm11", "TForm2", "TForm6", "TForm12", "TForm7", "TForm13"};
    std::map<std::string, QSize> normal;
    std::map<std::string, double> normalFont;
    for (const char* name : names) {
        auto* dialog = w.findChild<QWidget*>(name);
        ASSERT_NE(dialog, nullptr) << name;
        dialog->show();
        QApplication::processEvents();
        normal[name] = dialog->size();
        normalFont[name] = QFontInfo(dialog->font()).pointSizeF();
        dialog->hide();
    }
    w.Zooming().Choose(Zoom::Percent200);
    w.findChild<GameOver*>("TForm11")->SetWinner(Sentence("Annabelle-Marguerite is the winner with 25 pairs!"), 1);
    for (const char* name : names) {
        auto* dialog = w.findChild<QWidget*>(name);
        dialog->show();
        QApplication::processEvents();
        EXPECT_NEAR(QFontInfo(dialog->font()).pointSizeF(), 2 * normalFont[name], 0.6) << name;
        EXPECT_GE(dialog->width(), normal[name].width() * 3 / 2) << name;
        ExpectNothingClipped(*dialog);
        dialog->hide();
    }

    // Back at 100 %, each window is as it was.
    w.Zooming().Choose(Zoom::Percent100);
    w.findChild<GameOver*>("TForm11")->SetWinner(Sentence(""), 1);
    for (const char* name : names) {
        auto* dialog = w.findChild<QWidget*>(name);
        dialog->show();
        QApplication::processEvents();
        EXPECT_EQ(dialog->size(), normal[name]) << name;
        EXPECT_DOUBLE_EQ(QFontInfo(dialog->font()).pointSizeF(), normalFont[name]) << name;
        for (const QWidget* control : dialog->findChildren<QWidget*>())
            EXPECT_LE(QFontInfo(control->font()).pointSizeF(), 2 * normalFont[name]) << control->objectName().toStdString();
        dialog->hide();
    }
}

TEST_F(DialogZoomTest, AWindowFirstMadeAtTwoHundredPercentIsScaledFromItsFirstShow) {
    MainWindow& w = Open();
    w.Zooming().Choose(Zoom::Percent200);
    const GameOver unzoomed;
    const double normalFont = QFontInfo(unzoomed.font()).pointSizeF();
    GameOver& gameOver = w.GameOverWindow();
    gameOver.SetWinner(Sentence("Ann is the winner with 3 pairs!"), 1);
    gameOver.show();
    QApplication::processEvents();
    EXPECT_NEAR(QFontInfo(gameOver.font()).pointSizeF(), 2 * normalFont, 0.6);
    EXPECT_GE(gameOver.width(), unzoomed.width() * 3 / 2);
    ExpectNothingClipped(gameOver);
    gameOver.hide();
}
