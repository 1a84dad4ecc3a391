#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <fstream>

#include "app/ui/ExitUnit.h"
#include "app/ui/InitUnit.h"
#include "app/ui/Sound.h"
#include "tests/support/UrlRecorder.h"
#include "tools/support/TempFolder.h"
#include "widgets/HelpHook.h"
#include "widgets/HelpWindow.h"
#include "widgets/Links.h"

using namespace velmora;

namespace {

void Tick(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection); }

void Click(QWidget* widget) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

}  // namespace

TEST(Splash, PlacesItsLabelsFromTheNarrowWidthAndClosesOnTheSecondTick) {
    TInitScreen splash;
    EXPECT_EQ(splash.size(), QSize(639, 452));
    EXPECT_EQ(splash.NoticeLabel()->size(), QSize(213, 36));
    EXPECT_EQ(splash.NoticeLabel()->x(), 452 - 213 - 50);
    EXPECT_EQ(splash.VersionLabel()->text(), "Version 1.11");
    EXPECT_EQ(splash.VersionLabel()->x(), 452 - 213 / 2 - splash.VersionLabel()->width() / 2 - 50);
    EXPECT_FALSE(splash.windowFlags() & Qt::WindowTitleHint);
    splash.resize(800, 600);
    EXPECT_EQ(splash.size(), QSize(639, 452));

    auto* timer = splash.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    splash.show();
    Tick(timer);
    EXPECT_TRUE(splash.isVisible());
    Tick(timer);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.result(), QDialog::Rejected);
}

TEST(Splash, TicksCountedBeforeItIsShownCloseItOnItsFirstTickOnceShown) {
    TInitScreen splash;
    auto* timer = splash.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    // A message box held the start-up for longer than two ticks.
    for (int i = 0; i < 5; ++i) Tick(timer);
    EXPECT_TRUE(timer->isActive());
    splash.show();
    EXPECT_TRUE(splash.isVisible());
    Tick(timer);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(splash.result(), QDialog::Rejected);
}

TEST(About, ShowsTheProgramAndClosesOnlyThroughItsButton) {
    TExitForm about;
    EXPECT_EQ(about.windowTitle(), "Velmora");
    EXPECT_EQ(about.size(), QSize(263, 364));
    EXPECT_EQ(about.findChild<QLabel*>("ProductName")->text(), "Velmora for Windows");
    EXPECT_TRUE(about.findChild<QLabel*>("ProductName")->font().bold());
    EXPECT_EQ(about.findChild<QLabel*>("Label8")->text(), "version 1.11.0.23");
    EXPECT_EQ(about.findChild<QLabel*>("Label4")->text(), QString("e-mail:  ") + kMakerMail);
    EXPECT_EQ(about.WebLink()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(about.CloseButton()->text(), "Close");
    EXPECT_TRUE(about.CloseButton()->isDefault());
    EXPECT_FALSE(about.windowFlags() & Qt::WindowCloseButtonHint);

    about.show();
    QApplication::processEvents();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&about, &escape);
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(about.close());
    EXPECT_TRUE(about.isVisible());
    about.CloseButton()->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Rejected);
}

TEST(About, TheLinkOpensTheMakersWebSite) {
    velmora::testing::UrlRecorder recorder("https");
    TExitForm about;
    Click(about.WebLink());
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened[0], QUrl(kMakerWebSite));
}

TEST(Help, EveryTopicHasAPageAndEveryLinkLeadsToATopic) {
    for (const HelpTopic& topic : HelpTopics()) {
        QFile page(QString(":/help/") + topic.keyword + ".html");
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << topic.keyword;
        const QString html = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(html.contains(QString("<title>") + topic.title + "</title>")) << topic.keyword;
        static const QRegularExpression link("href=\"([a-z_0-9]+)\\.html\"");
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(QFile::exists(":/help/" + target + ".html")) << topic.keyword << " -> " << target.toStdString();
        }
    }
}

TEST(Help, OpensTopicsByKeywordAndByWindowContext) {
    HelpWindow help;
    help.ShowTopic("quick1");
    EXPECT_EQ(help.CurrentTopic(), "quick1");
    EXPECT_TRUE(help.findChild<QTextBrowser*>("HelpPage")->toPlainText().contains("Press F2"));
    help.ShowTopic("no_such_topic");
    EXPECT_EQ(help.CurrentTopic(), "help_system");
    const std::pair<int, const char*> contexts[] = {
        {1, "help_system"},      {100, "contactus"},      {103, "newgame_w"},      {104, "enterpassword_w"},
        {105, "scoreboard_w"},   {106, "addnewplayer_w"}, {107, "deleteplayer_w"}, {108, "password_w"},
        {109, "how_to_create"},  {110, "viewcardset_w"},  {111, "cardsetinfo_w"},  {114, "selectcardset_w"},
        {115, "stats_w"},        {116, "gameover_w"},
    };
    for (const auto& [context, topic] : contexts) {
        help.ShowContext(context);
        EXPECT_EQ(help.CurrentTopic(), topic) << context;
    }
    help.ShowContext(2);
    EXPECT_EQ(help.CurrentTopic(), "help_system");
    help.hide();
}

TEST(Help, SearchFindsTopicsHoldingEveryWordBestFirst) {
    const QStringList iq = HelpWindow::Search("IQ");
    ASSERT_FALSE(iq.isEmpty());
    EXPECT_EQ(iq.front(), "computers");
    EXPECT_TRUE(iq.contains("addnewplayer_w"));
    EXPECT_FALSE(iq.contains("deleteplayer_w"));
    EXPECT_EQ(HelpWindow::Search("background 540").front(), "how_to_create");
    EXPECT_TRUE(HelpWindow::Search("zebra crossing").isEmpty());
    EXPECT_TRUE(HelpWindow::Search("   ").isEmpty());

    HelpWindow help;
    help.findChild<QLineEdit*>("SearchField")->setText("password");
    auto* list = help.findChild<QListWidget*>("TopicList");
    ASSERT_GT(list->count(), 0);
    EXPECT_EQ(list->item(0)->data(Qt::UserRole).toString(), "password_w");
    help.findChild<QLineEdit*>("SearchField")->clear();
    EXPECT_EQ(list->count(), static_cast<int>(HelpTopics().size()));
}

TEST(Help, F1OpensTheContextOfTheWindowItIsPressedIn) {
    InstallHelpKey();
    QWidget dialog;
    SetHelpTopic(&dialog, "stats_w", HelpWindowHook());
    auto* field = new QLineEdit(&dialog);
    dialog.show();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(field, &f1);
    EXPECT_TRUE(HelpWindow::Instance().isVisible());
    EXPECT_EQ(HelpWindow::Instance().CurrentTopic(), "stats_w");
    HelpWindow::Instance().hide();

    QWidget plain;
    plain.show();
    QKeyEvent again(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&plain, &again);
    EXPECT_FALSE(HelpWindow::Instance().isVisible());
}

TEST(Sound, PlaysOnlyWhenOnAndTheFileIsThere) {
    velmora::testing::TempFolder folder;
    SoundPlayer player(folder.Path());
    EXPECT_FALSE(player.Play("sound1.wav", true));
    std::ofstream(folder.Path() / "sound1.wav") << "RIFF";
    EXPECT_FALSE(player.Play("sound1.wav", false));
    EXPECT_TRUE(player.Play("sound1.wav", true));
    EXPECT_FALSE(player.Play("sound2.wav", true));
}

