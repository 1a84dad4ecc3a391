#include <QEventLoop>
#include <QFrame>
#include <QScreen>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>

#include "app/CardSetFileType.h"
#include "app/ui/ExitUnit.h"
#include "app/ui/InitUnit.h"
#include "tests/app/AppFixture.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedModal.h"
#include "widgets/Artwork.h"

using namespace velmora;
using velmora::testing::AppTest;

namespace {

struct Entry {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
};

// Captions of one menu in order, separators as "-".
QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) captions << (action->isSeparator() ? "-" : action->text());
    return captions;
}

// Runs the event loop for ms milliseconds of real time, as a message box left open does.
void RunEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until dialog closes or ms milliseconds have passed; true when it closed.
bool ClosesWithin(QDialog& dialog, int ms) {
    if (!dialog.isVisible()) return true;
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return !dialog.isVisible();
}

}  // namespace

using MainWindowTest = AppTest;

TEST_F(MainWindowTest, HasTheLayoutOfTheBoardPanelAndStatusBar) {
    MainWindow& w = Open();
    EXPECT_EQ(w.objectName(), "TForm1");
    EXPECT_EQ(w.windowTitle(), "Velmora");
    EXPECT_EQ(w.centralWidget()->size(), QSize(651, 376));
    EXPECT_EQ(w.statusBar()->objectName(), "sb");
    EXPECT_EQ(w.statusBar()->height(), 22);
    EXPECT_EQ(w.centralWidget()->height() + w.statusBar()->height(), 398);
    EXPECT_EQ(w.findChild<QFrame*>("Bevel1")->geometry(), QRect(0, 0, 542, 376));
    EXPECT_EQ(w.findChild<QWidget*>("PaintBox1")->geometry(), QRect(1, 1, 540, 374));
    EXPECT_EQ(w.findChild<QFrame*>("Panel2")->geometry(), QRect(543, 0, 108, 376));
    EXPECT_EQ(w.findChild<QLabel*>("Image2")->geometry(), QRect(19, 310, 60, 50));
    EXPECT_TRUE(w.findChild<QLabel*>("Image1")->isHidden());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);

    auto* list = w.findChild<QTreeWidget*>("ListView1");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->height(), 168);
    EXPECT_EQ(list->headerItem()->text(0), "Player");
    EXPECT_EQ(list->headerItem()->text(1), "Sc.");
    EXPECT_EQ(list->columnWidth(0), 53);
    EXPECT_EQ(list->columnWidth(1), 29);
    EXPECT_TRUE(list->isHeaderHidden());
    EXPECT_EQ(list->toolTip(), "List of currently playing players.");

    auto* timer = w.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 75);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(w.StatusText(), "Select Game -> New Game or press F2 to start a new game.");
}

TEST_F(MainWindowTest, MenusHoldEveryItemWithCaptionShortcutAndSeparators) {
    MainWindow& w = Open();
    const QList<QAction*> top = w.menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text(), "&Game");
    EXPECT_EQ(top[1]->text(), "&Edit");
    EXPECT_EQ(top[2]->text(), "&Options");
    EXPECT_EQ(top[3]->text(), "&Help");
    EXPECT_EQ(Captions(w.Menu().game), QStringList({"&New Game", "-", "&Restart Game", "&End Game", "-",
                                                    "&Scoreboard", "-", "E&xit"}));
    EXPECT_EQ(Captions(w.Menu().edit),
              QStringList({"&Add New Player", "&Delete Player", "-", "Add Pass&word", "Chan&ge/Delete Password",
                           "-", "&Create New Velmora Set", "-", "&View Velmora Set", "Current Velmora Set &Info"}));
    EXPECT_EQ(Captions(w.Menu().options), QStringList({"Card Flip Delay", "&Sound On/Off", "-", "&Zoom", "&Full Screen",
                                                       "&High Contrast Board", "&Language", "-", "&Card Set Check"}));
    EXPECT_EQ(Captions(w.Menu().Zoom1), QStringList({"100 %", "150 %", "200 %", "300 %", "&Fit to Window"}));
    EXPECT_EQ(Captions(w.Menu().Delay1),
              QStringList({"&1. Shortest", "&2. Short", "&3. Normal", "&4. Long", "&5. Longest"}));
    EXPECT_EQ(Captions(w.Menu().help),
              QStringList({"&Contents", "&Search Help", "&Quick Intro", "-", "&How to Contact Halvik",
                           "&Halvik Web Site", "Email Halvik S&ales", "Email Halvik Su&pport", "-",
                           "About &Velmora"}));

    const Entry shortcuts[] = {
        {"New1", "&New Game", Qt::Key_F2},        {"Restart1", "&Restart Game", Qt::Key_F3},
        {"EndGame1", "&End Game", Qt::Key_F4},    {"Seebestplayers1", "&Scoreboard", Qt::Key_F6},
        {"Exit1", "E&xit", QKeySequence("Ctrl+X")}, {"Sound1", "&Sound On/Off", QKeySequence("Ctrl+S")},
        {"Contents1", "&Contents", Qt::Key_F1},   {"CardSetCheck1", "&Card Set Check", {}},
        {"FullScreen1", "&Full Screen", Qt::Key_F11},
    };
    for (const Entry& e : shortcuts) {
        QAction* action = Action(e.name);
        ASSERT_NE(action, nullptr) << e.name;
        EXPECT_EQ(action->text(), e.caption);
        EXPECT_EQ(action->shortcut(), e.shortcut) << e.name;
    }
    // Without a game: a new one can be started, none restarted or ended.
    EXPECT_TRUE(Action("New1")->isEnabled());
    EXPECT_FALSE(Action("Restart1")->isEnabled());
    EXPECT_FALSE(Action("EndGame1")->isEnabled());
    EXPECT_TRUE(Action("Seebestplayers1")->isEnabled());
    EXPECT_TRUE(Action("Exit1")->isEnabled());
}

TEST_F(MainWindowTest, TheEmptyBoardShowsTheDefaultBackground) {
    MainWindow& w = Open();
    const QImage expected = artwork::DefaultBackground();
    ASSERT_EQ(w.BoardBuffer().size(), QSize(540, 374));
    for (const QPoint p : {QPoint(0, 0), QPoint(270, 187), QPoint(539, 373)})
        EXPECT_EQ(w.BoardBuffer().pixel(p), expected.pixel(p));
}

TEST_F(MainWindowTest, OptionsFollowTheSettingsFileAndChangesAreWrittenAtClose) {
    std::ofstream(folder.Path() / "velmora.ini") << "[inivalues]\nFlipDelay=7\nSoundOn=0\n";
    MainWindow& w = Open();
    EXPECT_TRUE(Action("Normal1")->isChecked());
    EXPECT_FALSE(Action("Sound1")->isChecked());

    Action("Longest1")->trigger();
    EXPECT_TRUE(Action("Longest1")->isChecked());
    EXPECT_FALSE(Action("Normal1")->isChecked());
    EXPECT_EQ(w.GameSettings().FlipDelay, 32);
    Action("Sound1")->trigger();
    EXPECT_TRUE(w.GameSettings().SoundOn);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "velmora.ini.tmp"));

    fakes::ScriptedMessages messages;
    messages.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(w.close());
    const Settings written = Settings::Read(folder.Path());
    EXPECT_EQ(written.FlipDelay, 32);
    EXPECT_TRUE(written.SoundOn);
}

TEST_F(MainWindowTest, CloseWritesTheSettingsThenAsksAndOkCloses) {
    MainWindow& w = Open();
    w.show();
    fakes::ScriptedMessages messages;
    messages.Answer(MessageAnswer::Cancel);
    messages.Answer(MessageAnswer::Ok);

    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::OkCancel);
    EXPECT_EQ(messages.shown[0].text, "Are you sure you want to exit Velmora?");
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "velmora.ini"));

    Action("Exit1")->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheExitQuestionFollows) {
    MainWindow& w = Open();
    w.show();
    // A folder where the file belongs: no one, root included, can replace it with a file.
    std::filesystem::create_directories(folder.Path() / "velmora.ini" / "blocker");
    const QString unwritable =
        QString::fromStdString("Unable to write to " + (folder.Path() / "velmora.ini").string());
    fakes::ScriptedMessages messages;
    messages.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[0].text, unwritable);
    EXPECT_EQ(messages.shown[1].kind, MessageKind::OkCancel);
    EXPECT_EQ(messages.shown[1].text, "Are you sure you want to exit Velmora?");

    // Every attempt reports it again, and OK closes the program all the same.
    messages.Answer(MessageAnswer::Ok);
    Action("Exit1")->trigger();
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(messages.shown[2].text, unwritable);
    EXPECT_EQ(messages.shown[3].kind, MessageKind::OkCancel);
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "velmora.ini" / "blocker"));
}

TEST_F(MainWindowTest, TheSplashRunsWithTheTopMenusDisabled) {
    fakes::ScriptedModal modal;
    bool menusDisabledMeanwhile = false;
    MainWindow& w = Open();
    modal.Then([&](QDialog&) {
        menusDisabledMeanwhile = !w.Menu().game->menuAction()->isEnabled() &&
                                 !w.Menu().edit->menuAction()->isEnabled() &&
                                 !w.Menu().options->menuAction()->isEnabled() &&
                                 !w.Menu().help->menuAction()->isEnabled();
    });
    w.show();
    QApplication::processEvents();
    ASSERT_EQ(modal.opened, std::vector<QString>({"TInitScreen"}));
    EXPECT_TRUE(menusDisabledMeanwhile);
    EXPECT_TRUE(w.Menu().game->menuAction()->isEnabled());
    EXPECT_TRUE(w.Menu().help->menuAction()->isEnabled());

    // Shown once per run.
    w.hide();
    w.show();
    QApplication::processEvents();
    EXPECT_EQ(modal.opened.size(), 1u);
}

TEST_F(MainWindowTest, TheLogoAndHelpAboutOpenTheAboutWindow) {
    fakes::ScriptedModal modal;
    MainWindow& w = Open();
    auto* logo = w.findChild<QLabel*>("Image2");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(logo, &press);
    QApplication::sendEvent(logo, &release);
    Action("About1")->trigger();
    EXPECT_EQ(modal.opened, std::vector<QString>({"TExitForm", "TExitForm"}));
}

TEST_F(MainWindowTest, SetInfoWithoutALoadedSetSaysSo) {
    Open();
    fakes::ScriptedMessages messages;
    Action("CurrentVelmoraSetInfo1")->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[0].text, "No Velmora set selected.");
}

TEST_F(MainWindowTest, StartUpRegistersTheCardSetFileTypeOnce) {
    Open();
    ASSERT_TRUE(std::filesystem::exists(CardSetMimeEntry(data.Path())));
    ASSERT_TRUE(std::filesystem::exists(CardSetIconFile(data.Path())));
    EXPECT_FALSE(QImage(QString::fromStdString(CardSetIconFile(data.Path()).string())).isNull());
    const auto written = std::filesystem::last_write_time(CardSetMimeEntry(data.Path()));
    window.reset();
    Open();
    EXPECT_EQ(std::filesystem::last_write_time(CardSetMimeEntry(data.Path())), written);
}

TEST_F(MainWindowTest, AFailedRegistrationIsReportedAndStartUpGoesOn) {
    std::ofstream(data.Path() / "mime") << "a file where a folder belongs";
    fakes::ScriptedMessages messages;
    MainWindow& w = Open();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[0].text,
              QString::fromStdString("Failed to set data for '" + CardSetMimeEntry(data.Path()).string() + "'"));
    EXPECT_EQ(w.BoardBuffer().size(), QSize(540, 374));
}

TEST_F(MainWindowTest, ASplashHeldBackByAMessageLeftOpenStillClosesByItself) {
    // The registration fails during start-up and its error box stays open for two seconds and more.
    std::ofstream(data.Path() / "mime") << "a file where a folder belongs";
    fakes::ScriptedMessages messages;
    messages.whileOpen = [](const fakes::ShownMessage&) { RunEventsFor(2300); };
    fakes::ScriptedModal modal;
    bool closedByItself = false;
    modal.Then([&](QDialog& splash) { closedByItself = ClosesWithin(splash, 1600); });
    MainWindow& w = Open();
    ASSERT_EQ(messages.shown.size(), 1u);
    w.show();
    QApplication::processEvents();
    ASSERT_EQ(modal.opened, std::vector<QString>({"TInitScreen"}));
    EXPECT_TRUE(closedByItself);
    EXPECT_TRUE(w.Menu().game->menuAction()->isEnabled());
    EXPECT_TRUE(w.Menu().help->menuAction()->isEnabled());
}

TEST_F(MainWindowTest, ABoxWithoutAParentGoesOverTheActiveWindowElseTheMainWindow) {
    MainWindow& w = Open();
    fakes::ScriptedMessages messages;
    ShowError(nullptr, "Cannot open file velmora.dat");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].parent, &w);

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_EQ(QApplication::activeWindow(), &other);
    AskYesNo(nullptr, "Are you sure?");
    EXPECT_EQ(messages.shown.back().parent, &other);
    // A box given its window keeps it.
    ShowInformation(&w, "Card set check completed!");
    EXPECT_EQ(messages.shown.back().parent, &w);
}

TEST_F(MainWindowTest, AStartUpErrorBoxComesUpOverTheMainWindowInItsPlaceOnTheScreen) {
    std::ofstream(data.Path() / "mime") << "a file where a folder belongs";
    fakes::ScriptedMessages messages;
    fakes::ScriptedModal modal;
    QWidget* parent = nullptr;
    QPoint parentCentre;
    messages.whileOpen = [&](const fakes::ShownMessage& shown) {
        parent = shown.parent;
        if (parent != nullptr) parentCentre = parent->window()->geometry().center();
    };
    MainWindow& w = Open();
    ASSERT_EQ(messages.shown.size(), 1u);
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->window(), &w);
    // The box centres on its window, which is already where it will be shown: the screen's middle.
    const QPoint screenCentre = w.screen()->availableGeometry().center();
    EXPECT_LE((parentCentre - screenCentre).manhattanLength(), 2)
        << parentCentre.x() << "," << parentCentre.y() << " vs " << screenCentre.x() << "," << screenCentre.y();
    w.show();
    QApplication::processEvents();
    // Its size settles when shown (the menu bar), by a few pixels at most.
    EXPECT_LE((w.geometry().center() - parentCentre).manhattanLength(), 12);
}
