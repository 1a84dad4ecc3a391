#include "app/ui/MainMenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "settings/LanguageSetting.h"
#include "app/ui/Language.h"
#include "widgets/Translation.h"

namespace velmora {
namespace {

QAction* Item(QMenu* menu, const char* name, Tr caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString());
    SetText(action, "text", caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QMenu* SubMenu(QMenu* menu, const char* name, Tr caption) {
    QMenu* sub = menu->addMenu(QString());
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(QString(name) + "Item");
    SetText(sub->menuAction(), "text", caption);
    return sub;
}

QMenu* TopMenu(QMenuBar& bar, const char* name, Tr caption) {
    QMenu* menu = bar.addMenu(QString());
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(QString(name) + "Item");
    SetText(menu->menuAction(), "text", caption);
    return menu;
}

void AddGameMenu(QMenuBar& bar, MainMenu& m) {
    m.game = TopMenu(bar, "Game1", VELMORA_TR("MainWindow", "&Game"));
    m.New1 = Item(m.game, "New1", VELMORA_TR("MainWindow", "&New Game"), Qt::Key_F2);
    m.game->addSeparator();
    m.Restart1 = Item(m.game, "Restart1", VELMORA_TR("MainWindow", "&Restart Game"), Qt::Key_F3);
    m.EndGame1 = Item(m.game, "EndGame1", VELMORA_TR("MainWindow", "&End Game"), Qt::Key_F4);
    m.game->addSeparator();
    m.Seebestplayers1 = Item(m.game, "Seebestplayers1", VELMORA_TR("MainWindow", "&Scoreboard"), Qt::Key_F6);
    m.game->addSeparator();
    m.Exit1 = Item(m.game, "Exit1", VELMORA_TR("MainWindow", "E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));
    m.Restart1->setEnabled(false);
    m.EndGame1->setEnabled(false);
}

void AddEditMenu(QMenuBar& bar, MainMenu& m) {
    m.edit = TopMenu(bar, "Edit1", VELMORA_TR("MainWindow", "&Edit"));
    m.AddNewPlayer1 = Item(m.edit, "AddNewPlayer1", VELMORA_TR("MainWindow", "&Add New Player"));
    m.DeletePlayer1 = Item(m.edit, "DeletePlayer1", VELMORA_TR("MainWindow", "&Delete Player"));
    m.edit->addSeparator();
    m.AddPassword1 = Item(m.edit, "AddPassword1", VELMORA_TR("MainWindow", "Add Pass&word"));
    m.ChangePassword1 = Item(m.edit, "ChangePassword1", VELMORA_TR("MainWindow", "Chan&ge/Delete Password"));
    m.edit->addSeparator();
    m.CreateNewVelmoraSet1 = Item(m.edit, "CreateNewVelmoraSet1", VELMORA_TR("MainWindow", "&Create New Velmora Set"));
    m.edit->addSeparator();
    m.ViewVelmoraSet1 = Item(m.edit, "ViewVelmoraSet1", VELMORA_TR("MainWindow", "&View Velmora Set"));
    m.CurrentVelmoraSetInfo1 = Item(m.edit, "CurrentVelmoraSetInfo1", VELMORA_TR("MainWindow", "Current Velmora Set &Info"));
}

void AddViewItems(MainMenu& m) {
    m.Zoom1 = SubMenu(m.options, "Zoom1", VELMORA_TR("MainWindow", "&Zoom"));
    m.zoomGroup = new QActionGroup(m.Zoom1);
    m.zoomGroup->setExclusive(true);
    const char* const names[] = {"Zoom100", "Zoom150", "Zoom200", "Zoom300", "FitToWindow1"};
    const Tr captions[] = {VELMORA_TR("MainWindow", "100 %"), VELMORA_TR("MainWindow", "150 %"),
                           VELMORA_TR("MainWindow", "200 %"), VELMORA_TR("MainWindow", "300 %"),
                           VELMORA_TR("MainWindow", "&Fit to Window")};
    for (std::size_t i = 0; i < m.zooms.size(); ++i) {
        m.zooms[i] = Item(m.Zoom1, names[i], captions[i]);
        m.zooms[i]->setCheckable(true);
        m.zoomGroup->addAction(m.zooms[i]);
    }
    m.FullScreen1 = Item(m.options, "FullScreen1", VELMORA_TR("MainWindow", "&Full Screen"), Qt::Key_F11);
    m.FullScreen1->setCheckable(true);
    m.HighContrast1 = Item(m.options, "HighContrast1", VELMORA_TR("MainWindow", "&High Contrast Board"));
    m.HighContrast1->setCheckable(true);
}

// The languages by their own names, so that each is found whatever language is shown.
void AddLanguageItems(MainMenu& m) {
    m.Language1 = SubMenu(m.options, "Language1", VELMORA_TR("MainWindow", "&Language"));
    m.languageGroup = new QActionGroup(m.Language1);
    m.languageGroup->setExclusive(true);
    m.languages[0] = Item(m.Language1, "LanguageSystem1", VELMORA_TR("MainWindow", "&System default"));
    m.Language1->addSeparator();
    const char* const accelerated[] = {"&English", "&Deutsch", "&Fran\xc3\xa7" "ais", "Es&pa\xc3\xb1ol"};
    for (std::size_t i = 0; i < kLanguageCodes.size(); ++i) {
        m.languages[i + 1] = m.Language1->addAction(QString::fromUtf8(accelerated[i]));
        m.languages[i + 1]->setObjectName(QString("Language_") + kLanguageCodes[i]);
    }
    for (QAction* item : m.languages) {
        item->setCheckable(true);
        m.languageGroup->addAction(item);
    }
}

void AddOptionsMenu(QMenuBar& bar, MainMenu& m) {
    m.options = TopMenu(bar, "Options1", VELMORA_TR("MainWindow", "&Options"));
    m.Delay1 = SubMenu(m.options, "Delay1", VELMORA_TR("MainWindow", "Card Flip Delay"));
    m.delayGroup = new QActionGroup(m.Delay1);
    m.delayGroup->setExclusive(true);
    const char* const names[] = {"Shortest1", "Short1", "Normal1", "Long1", "Longest1"};
    const Tr captions[] = {VELMORA_TR("MainWindow", "&1. Shortest"), VELMORA_TR("MainWindow", "&2. Short"),
                           VELMORA_TR("MainWindow", "&3. Normal"), VELMORA_TR("MainWindow", "&4. Long"),
                           VELMORA_TR("MainWindow", "&5. Longest")};
    for (std::size_t i = 0; i < m.delays.size(); ++i) {
        m.delays[i] = Item(m.Delay1, names[i], captions[i]);
        m.delays[i]->setCheckable(true);
        m.delayGroup->addAction(m.delays[i]);
    }
    m.Sound1 = Item(m.options, "Sound1", VELMORA_TR("MainWindow", "&Sound On/Off"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m.Sound1->setCheckable(true);
    m.options->addSeparator();
    AddViewItems(m);
    AddLanguageItems(m);
    m.options->addSeparator();
    m.CardSetCheck1 = Item(m.options, "CardSetCheck1", VELMORA_TR("MainWindow", "&Card Set Check"));
}

void AddHelpMenu(QMenuBar& bar, MainMenu& m) {
    m.help = TopMenu(bar, "Help1", VELMORA_TR("MainWindow", "&Help"));
    m.Contents1 = Item(m.help, "Contents1", VELMORA_TR("MainWindow", "&Contents"), Qt::Key_F1);
    m.SearchHelp1 = Item(m.help, "SearchHelp1", VELMORA_TR("MainWindow", "&Search Help"));
    m.QuickIntro1 = Item(m.help, "QuickIntro1", VELMORA_TR("MainWindow", "&Quick Intro"));
    m.help->addSeparator();
    m.HowtoContactHalvik1 = Item(m.help, "HowtoContactHalvik1", VELMORA_TR("MainWindow", "&How to Contact Halvik"));
    m.HalvikWebSite1 = Item(m.help, "HalvikWebSite1", VELMORA_TR("MainWindow", "&Halvik Web Site"));
    m.EmailHalvikSales1 = Item(m.help, "EmailHalvikSales1", VELMORA_TR("MainWindow", "Email Halvik S&ales"));
    m.EmailHalvikSupport1 = Item(m.help, "EmailHalvikSupport1", VELMORA_TR("MainWindow", "Email Halvik Su&pport"));
    m.help->addSeparator();
    m.About1 = Item(m.help, "About1", VELMORA_TR("MainWindow", "About &Velmora"));
}

}  // namespace

MainMenu BuildMainMenu(QMenuBar& bar) {
    MainMenu menu{};
    AddGameMenu(bar, menu);
    AddEditMenu(bar, menu);
    AddOptionsMenu(bar, menu);
    AddHelpMenu(bar, menu);
    return menu;
}

}  // namespace velmora
