#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>

#include "widgets/HelpPages.h"
#include "widgets/HelpWindow.h"
#include "tools/support/TempFolder.h"
#include "tests/support/UrlRecorder.h"

using namespace velmora;

namespace {

// Puts the interface language back for the tests after this one.
class InterfaceLanguage {
public:
    InterfaceLanguage() = default;
    ~InterfaceLanguage() { QLocale::setDefault(saved_); }
    InterfaceLanguage(const InterfaceLanguage&) = delete;
    InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;

    // What the language switch does: a new default locale, then LanguageChange to every window.
    static void SwitchTo(const char* name) {
        QLocale::setDefault(QLocale(name));
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(qApp, &change);
        QCoreApplication::processEvents();
    }

private:
    QLocale saved_;
};

QString ReadPage(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString Body(const QString& html) { return html.section("<body>", 1).section("</body>", 0, 0); }

// The page's shape without its words: headings, paragraphs, lists, tables, emphasis, and every
// link, anchor and picture with its target.
QStringList Skeleton(const QString& html) {
    static const QRegularExpression tag(R"(<(/?)(h[1-6]|p|ul|ol|li|table|tr|th|td|a|img|b|i|br)\b([^>]*)>)");
    static const QRegularExpression target(R"re(\b(href|src|id|name)="([^"]*)")re");
    QStringList shape;
    for (auto it = tag.globalMatch(Body(html)); it.hasNext();) {
        const auto match = it.next();
        QString token = match.captured(1) + match.captured(2);
        for (auto a = target.globalMatch(match.captured(3)); a.hasNext();) token += ' ' + a.next().captured(0);
        shape << token;
    }
    return shape;
}

QStringList Translations() { return QDir(kHelpRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name); }

QStringList EnglishPages() { return QDir(kHelpRoot).entryList({"*.html"}, QDir::Files, QDir::Name); }

// Clicks the first link of the shown page that leads to href.
bool ClickLink(QTextBrowser* browser, const QString& href) {
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() != href) continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(it.fragment().position() + 1);
            const QPointF at = browser->cursorRect(cursor).center();
            QMouseEvent press(QEvent::MouseButtonPress, at, browser->viewport()->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, {});
            QMouseEvent release(QEvent::MouseButtonRelease, at, browser->viewport()->mapToGlobal(at), Qt::LeftButton,
                                Qt::NoButton, {});
            QApplication::sendEvent(browser->viewport(), &press);
            QApplication::sendEvent(browser->viewport(), &release);
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(HelpPages, EachLanguageHasEveryPageAndNoPageWithoutAnEnglishOne) {
    ASSERT_EQ(Translations(), QStringList({"de", "es", "fr"}));
    ASSERT_EQ(EnglishPages().size(), static_cast<qsizetype>(HelpTopics().size()));
    for (const QString& language : Translations()) {
        const QLocale locale(language);
        for (const HelpTopic& topic : HelpTopics()) {
            const QString translated = QString(kHelpRoot) + '/' + language + '/' + topic.keyword + ".html";
            EXPECT_TRUE(QFile::exists(translated)) << translated.toStdString();
            EXPECT_EQ(HelpPagePath(topic.keyword, locale), translated);
        }
        // A misspelt file name would never be shown: its page would silently stay English.
        for (const QString& page : QDir(QString(kHelpRoot) + '/' + language).entryList(QDir::Files))
            EXPECT_TRUE(EnglishPages().contains(page)) << language.toStdString() << '/' << page.toStdString();
    }
    for (const HelpTopic& topic : HelpTopics())
        EXPECT_EQ(HelpPagePath(topic.keyword, QLocale("it_IT")), QString(kHelpRoot) + '/' + topic.keyword + ".html");
}

TEST(HelpPages, TranslationsKeepTheShapeLinksAndPicturesOfTheEnglishPage) {
    for (const QString& language : Translations()) {
        for (const QString& page : EnglishPages()) {
            const QString english = ReadPage(QString(kHelpRoot) + '/' + page);
            const QString translated = ReadPage(QString(kHelpRoot) + '/' + language + '/' + page);
            const std::string where = (language + '/' + page).toStdString();
            ASSERT_FALSE(translated.isEmpty()) << where;
            EXPECT_TRUE(translated.startsWith(QString("<html lang=\"%1\">").arg(language))) << where;
            EXPECT_EQ(Skeleton(translated), Skeleton(english)) << where;
            EXPECT_NE(Body(translated).simplified(), Body(english).simplified()) << where << " is not translated";
        }
    }
}

TEST(HelpPages, EveryLinkOfEveryLanguageOpensAPageAndItsAnchor) {
    static const QRegularExpression link(R"re(href="([^"]*)")re");
    static const QRegularExpression anchor(R"re(\b(?:id|name)="([^"]*)")re");
    for (const QString& language : QStringList({"en"}) + Translations()) {
        const QLocale locale(language);
        for (const QString& page : EnglishPages()) {
            const QString html = ReadPage(HelpPagePath(page.section('.', 0, 0), locale));
            for (auto it = link.globalMatch(html); it.hasNext();) {
                const QUrl url(it.next().captured(1));
                if (!url.isRelative()) continue;
                const std::string where = (language + '/' + page + " -> " + url.toString()).toStdString();
                const QString target =
                    url.path().isEmpty() ? html : ReadPage(HelpPagePath(url.fileName().section('.', 0, 0), locale));
                ASSERT_FALSE(target.isEmpty()) << where;
                if (!url.hasFragment()) continue;
                QStringList anchors;
                for (auto a = anchor.globalMatch(target); a.hasNext();) anchors << a.next().captured(1);
                EXPECT_TRUE(anchors.contains(url.fragment())) << where;
            }
        }
    }
}

TEST(HelpPages, TheLookupReadsTheLanguageOfTheLocaleAndFallsBackPageByPage) {
    velmora::testing::TempFolder folder;
    const QString root = QString::fromStdString(folder.Path().string());
    for (const char* page : {"a.html", "b.html", "de/a.html", "fr/b.html"}) {
        std::filesystem::create_directories((folder.Path() / page).parent_path());
        velmora::testing::WriteText(folder.Path() / page, "<html></html>");
    }
    const struct {
        const char* locale;
        const char* page;
        QString expected;
    } cases[] = {
        {"de_DE", "a", root + "/de/a.html"}, {"de_AT", "a", root + "/de/a.html"}, {"de_DE", "b", root + "/b.html"},
        {"fr_CA", "b", root + "/fr/b.html"}, {"fr_FR", "a", root + "/a.html"},    {"es_ES", "a", root + "/a.html"},
        {"en_GB", "a", root + "/a.html"},    {"C", "b", root + "/b.html"},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpPagePath(c.page, QLocale(c.locale), root), c.expected) << c.locale;
}

TEST(HelpPages, TheOpenWindowFollowsTheInterfaceLanguage) {
    InterfaceLanguage language;
    InterfaceLanguage::SwitchTo("en_US");
    HelpWindow help;
    auto* page = help.findChild<QTextBrowser*>("HelpPage");
    help.ShowTopic("quick1");
    EXPECT_TRUE(page->toPlainText().contains("Press F2"));

    InterfaceLanguage::SwitchTo("de_DE");
    EXPECT_EQ(help.CurrentTopic(), "quick1");
    EXPECT_TRUE(page->toPlainText().contains("Drück F2")) << page->toPlainText().toStdString();
    // A link leads to the page in the language shown.
    help.ShowTopic("help_system");
    ASSERT_TRUE(ClickLink(page, "computers.html"));
    EXPECT_EQ(help.CurrentTopic(), "computers");
    EXPECT_TRUE(page->toPlainText().startsWith("Computerspieler und ihr IQ")) << page->toPlainText().toStdString();

    // The search looks through the pages of the language, and its results are redone on a change.
    auto* list = help.findChild<QListWidget*>("TopicList");
    help.findChild<QLineEdit*>("SearchField")->setText("Vokabeln");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->data(Qt::UserRole).toString(), "how_to_create");
    InterfaceLanguage::SwitchTo("es_MX");
    // No Spanish page holds the word: the list shows every topic, as it does after typing it.
    EXPECT_EQ(list->count(), static_cast<int>(HelpTopics().size()));
    EXPECT_TRUE(page->toPlainText().startsWith("Los jugadores del ordenador y su CI"));
    help.findChild<QLineEdit*>("SearchField")->setText("píxeles");
    ASSERT_GT(list->count(), 0);
    EXPECT_EQ(list->item(0)->data(Qt::UserRole).toString(), "how_to_create");

    InterfaceLanguage::SwitchTo("fr_BE");
    EXPECT_TRUE(page->toPlainText().startsWith("Les joueurs ordinateur et leur QI"));
    InterfaceLanguage::SwitchTo("it_IT");
    EXPECT_TRUE(page->toPlainText().startsWith("Computer Players and Their IQ"));
    help.hide();
}

TEST(HelpPages, AnAddressOutsideTheHelpOpensInTheDesktopsBrowser) {
    velmora::testing::UrlRecorder recorder("https");
    HelpWindow help;
    auto* page = help.findChild<QTextBrowser*>("HelpPage");
    help.ShowTopic("contactus");
    page->setHtml(R"(<p><a href="https://www.halvik.example/velmora/">web</a></p>)");
    ASSERT_TRUE(ClickLink(page, "https://www.halvik.example/velmora/"));
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened[0], QUrl("https://www.halvik.example/velmora/"));
    EXPECT_EQ(help.CurrentTopic(), "contactus");
    help.hide();
}
