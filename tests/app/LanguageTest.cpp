// The interface in German, French and Spanish: the translation files are complete and keep every
// placeholder, and a running main window changes its language at once.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QXmlStreamReader>

#include "cardsets/ui/CardSetWindows.h"
#include "cardsets/ui/NewSet.h"
#include "players/PlayerLibrary.h"
#include "settings/LanguageSetting.h"
#include "engine/GameTexts.h"
#include "tests/app/AppFixture.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedModal.h"

using namespace velmora;
using velmora::testing::AppTest;

namespace {

QSet<QString> Placeholders(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression pattern("%[1-9n]");
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text)) found.insert(match.captured());
    return found;
}

struct Message {
    QString context;
    QString source;
    QString type;                // "unfinished", "obsolete", "vanished" or empty
    QStringList translations;    // one, or one per plural form
    bool numerus = false;
};

std::vector<Message> ReadTranslations(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        else if (xml.name() == u"message") messages.push_back({context, {}, {}, {}, xml.attributes().hasAttribute("numerus")});
        else if (xml.name() == u"source") messages.back().source = xml.readElementText();
        else if (xml.name() == u"translation") {
            messages.back().type = xml.attributes().value("type").toString();
            // A plural's forms are the elements inside, read next.
            if (!messages.back().numerus) messages.back().translations << xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            messages.back().translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

TEST(TranslationFiles, EveryEntryIsFinishedAndKeepsThePlaceholdersOfTheEnglish) {
    const QDir folder(QString(VELMORA_SOURCE_DIR) + "/translations");
    const QStringList files = folder.entryList({"velmora_*.ts"});
    EXPECT_EQ(files, QStringList({"velmora_de.ts", "velmora_es.ts", "velmora_fr.ts"}));
    for (const QString& name : files) {
        const std::vector<Message> messages = ReadTranslations(folder.filePath(name));
        EXPECT_GT(messages.size(), 300u) << name.toStdString();
        for (const Message& m : messages) {
            EXPECT_EQ(m.translations.size(), m.numerus ? 2 : 1) << m.source.toStdString();
            const std::string where = name.toStdString() + " " + m.context.toStdString() + ": " + m.source.toStdString();
            EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
            for (const QString& translation : m.translations) {
                EXPECT_FALSE(translation.trimmed().isEmpty()) << where;
                EXPECT_EQ(Placeholders(translation), Placeholders(m.source)) << where << " -> " << translation.toStdString();
            }
        }
    }
}

QString Caption(const MainWindow& w, int menu) { return w.menuBar()->actions().at(menu)->text(); }

void Choose(MainWindow& w, const char* language) {
    w.findChild<QAction*>(language)->trigger();
    // The windows hear of the new language from posted events.
    QCoreApplication::processEvents();
}

using LanguageTest = AppTest;

TEST_F(LanguageTest, TheRunningWindowSwitchesToEachLanguageAndBack) {
    MainWindow& w = Open();
    fakes::ScriptedMessages messages;
    const struct {
        const char* action;
        const char* game;
        const char* status;
        const char* noSet;
    } languages[] = {
        {"Language_de", "&Spiel", "Wähle Spiel -> Neues Spiel oder drück F2, um ein neues Spiel zu starten.",
         "Es ist kein Kartenset gewählt."},
        {"Language_fr", "&Jeu", "Choisissez Jeu -> Nouvelle partie ou appuyez sur F2 pour commencer une partie.",
         "Aucun jeu de cartes n'est choisi."},
        {"Language_es", "&Juego", "Elige Juego -> Nueva partida o pulsa F2 para empezar una partida.",
         "No has elegido ningún juego de cartas."},
        {"Language_en", "&Game", "Select Game -> New Game or press F2 to start a new game.", "No Velmora set selected."},
    };
    for (const auto& language : languages) {
        Choose(w, language.action);
        EXPECT_EQ(Caption(w, 0), QString::fromUtf8(language.game)) << language.action;
        EXPECT_EQ(w.StatusText(), QString::fromUtf8(language.status)) << language.action;
        w.Menu().CurrentVelmoraSetInfo1->trigger();
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown.back().text, QString::fromUtf8(language.noSet)) << language.action;
    }
    EXPECT_EQ(w.Menu().New1->text(), "&New Game");
    EXPECT_TRUE(w.Menu().languages[1]->isChecked());
}

TEST_F(LanguageTest, AGameSentenceFollowsTheLanguageWithItsCountAndTheChoiceIsKept) {
    MainWindow& w = Open();
    TPlayerRecord ann = MakePlayerRecord("Ann", "", false, true, 5);
    ann.GamePoints = 1;
    w.SetStatusText(TurnStatusText(ann));
    EXPECT_EQ(w.StatusText(), "Ann to play. You have 1 point.");
    Choose(w, "Language_de");
    EXPECT_EQ(w.StatusText(), "Ann ist dran. Du hast 1 Punkt.");
    ann.GamePoints = 3;
    w.SetStatusText(TurnStatusText(ann));
    EXPECT_EQ(w.StatusText(), "Ann ist dran. Du hast 3 Punkte.");
    Choose(w, "LanguageSystem1");
    EXPECT_EQ(w.StatusText(), "Ann to play. You have 3 points.");
    Choose(w, "Language_fr");
    fakes::ScriptedMessages messages;
    w.close();
    Choose(w, "Language_en");
    EXPECT_EQ(LanguageSetting::Read(folder.Path()).Code, "fr");
}

// The library's lines come from the core; the computer's mark follows the language all the same.
TEST_F(LanguageTest, TheLibraryListsMarkAComputerPlayerInTheLanguageShown) {
    PlayerLibrary library(folder.Path());
    ASSERT_TRUE(library.AppendPlayer({"Ann", "", false, true, 5}).Empty());
    ASSERT_TRUE(library.AppendPlayer({"Robo", "", false, false, 5}).Empty());
    MainWindow& w = Open();
    fakes::ScriptedModal modal;
    QStringList shown;
    const auto readList = [&](QDialog& dialog) {
        shown.clear();
        const auto* list = dialog.findChild<QListWidget*>("ListBox2");
        for (int row = 0; list != nullptr && row < list->count(); ++row) shown << list->item(row)->text();
    };
    for (const auto& [language, expected] : {std::pair{"Language_de", "Robo (Computer)"},
                                             std::pair{"Language_fr", "Robo (ordinateur)"},
                                             std::pair{"Language_en", "Robo (computer)"}}) {
        Choose(w, language);
        modal.Then(readList);
        w.Menu().DeletePlayer1->trigger();
        EXPECT_EQ(shown, (QStringList{"Ann", expected})) << language;
    }
}

// The access key of a caption, lower-cased, or nothing ("&&" is a plain ampersand).
QString AccessKey(const QString& caption) {
    static const QRegularExpression pattern("&([^&])");
    for (const QRegularExpressionMatch& match : pattern.globalMatch(QString(caption).remove("&&")))
        return match.captured(1).toLower();
    return {};
}

// The wizard's places are fixed; what a language makes longer must still show whole, and an access key
// must reach one control of the page in view and not the first of two.
TEST_F(LanguageTest, TheWizardShowsEveryCaptionWholeAndEachAccessKeyOnceAPageInEachLanguage) {
    MainWindow& w = Open();
    NewSet& wizard = w.CardWindows().NewSetWindow();
    auto* pages = wizard.findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    for (const char* language : {"Language_de", "Language_fr", "Language_es", "Language_en"}) {
        Choose(w, language);
        for (const QPushButton* button : wizard.findChildren<QPushButton*>()) {
            // A push button's size hint has a floor of its own; the caption wants its width and the frame's.
            const int caption = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
            EXPECT_GE(button->width(), caption + 4) << language << " " << button->text().toStdString();
        }
        for (const QLabel* label : wizard.findChildren<QLabel*>()) {
            if (label->wordWrap()) continue;
            EXPECT_GE(label->width(), label->sizeHint().width()) << language << " " << label->text().toStdString();
        }
        // English keeps the original's captions, where Cancel and Clear share their key on the cards page.
        for (int page = 0; page < pages->count() && language != std::string("Language_en"); ++page) {
            pages->setCurrentIndex(page);
            QMap<QString, QString> keys;
            for (const QWidget* widget : wizard.findChildren<QWidget*>()) {
                const auto* button = qobject_cast<const QAbstractButton*>(widget);
                const auto* label = qobject_cast<const QLabel*>(widget);
                const auto* group = qobject_cast<const QGroupBox*>(widget);
                const QString caption = button                  ? button->text()
                                        : group                 ? group->title()
                                        : label && label->buddy() ? label->text()
                                                                  : QString();
                const QString key = AccessKey(caption);
                if (key.isEmpty() || !widget->isVisibleTo(&wizard)) continue;
                EXPECT_FALSE(keys.contains(key)) << language << " page " << page + 1 << ": " << caption.toStdString()
                                                 << " and " << keys.value(key).toStdString();
                keys.insert(key, caption);
            }
        }
        pages->setCurrentIndex(0);
    }
}

}  // namespace
