#include "app/ui/MainMenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace velmora {
namespace {

QAction* Item(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QMenu* TopMenu(QMenuBar& bar, const char* name, const char* caption) {
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(QString(name) + "Item");
    return menu;
}

void AddGameMenu(QMenuBar& bar, MainMenu& m) {
    m.game = TopMenu(bar, "Game1", "&Game");
    m.New1 = Item(m.game, "New1", "&New Game", Qt::Key_F2);
    m.game->addSeparator();
    m.Restart1 = Item(m.game, "Restart1", "&Restart Game", Qt::Key_F3);
    m.EndGame1 = Item(m.game, "EndGame1", "&End Game", Qt::Key_F4);
    m.game->addSeparator();
    m.Seebestplayers1 = Item(m.game, "Seebestplayers1", "&Scoreboard", Qt::Key_F6);
    m.game->addSeparator();
    m.Exit1 = Item(m.game, "Exit1", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X));
    m.Restart1->setEnabled(false);
    m.EndGame1->setEnabled(false);
}

void AddEditMenu(QMenuBar& bar, MainMenu& m) {
    m.edit = TopMenu(bar, "Edit1", "&Edit");
    m.AddNewPlayer1 = Item(m.edit, "AddNewPlayer1", "&Add New Player");
    m.DeletePlayer1 = Item(m.edit, "DeletePlayer1", "&Delete Player");
    m.edit->addSeparator();
    m.AddPassword1 = Item(m.edit, "AddPassword1", "Add Pass&word");
    m.ChangePassword1 = Item(m.edit, "ChangePassword1", "Chan&ge/Delete Password");
    m.edit->addSeparator();
    m.CreateNewVelmoraSet1 = Item(m.edit, "CreateNewVelmoraSet1", "&Create New Velmora Set");
    m.edit->addSeparator();
    m.ViewVelmoraSet1 = Item(m.edit, "ViewVelmoraSet1", "&View Velmora Set");
    m.CurrentVelmoraSetInfo1 = Item(m.edit, "CurrentVelmoraSetInfo1", "Current Velmora Set &Info");
}

void AddViewItems(MainMenu& m) {
    m.Zoom1 = m.options->addMenu("&Zoom");
    m.Zoom1->setObjectName("Zoom1");
    m.Zoom1->menuAction()->setObjectName("Zoom1Item");
    m.zoomGroup = new QActionGroup(m.Zoom1);
    m.zoomGroup->setExclusive(true);
    const char* const names[] = {"Zoom100", "Zoom150", "Zoom200", "Zoom300", "FitToWindow1"};
    const char* const captions[] = {"100 %", "150 %", "200 %", "300 %", "&Fit to Window"};
    for (std::size_t i = 0; i < m.zooms.size(); ++i) {
        m.zooms[i] = Item(m.Zoom1, names[i], captions[i]);
        m.zooms[i]->setCheckable(true);
        m.zoomGroup->addAction(m.zooms[i]);
    }
    m.FullScreen1 = Item(m.options, "FullScreen1", "&Full Screen", Qt::Key_F11);
    m.FullScreen1->setCheckable(true);
    m.HighContrast1 = Item(m.options, "HighContrast1", QT_TRANSLATE_NOOP("MainWindow", "&High Contrast Board"));
    m.HighContrast1->setCheckable(true);
}

void AddOptionsMenu(QMenuBar& bar, MainMenu& m) {
    m.options = TopMenu(bar, "Options1", "&Options");
    m.Delay1 = m.options->addMenu("Card Flip Delay");
    m.Delay1->setObjectName("Delay1");
    m.Delay1->menuAction()->setObjectName("Delay1Item");
    m.delayGroup = new QActionGroup(m.Delay1);
    m.delayGroup->setExclusive(true);
    const char* const names[] = {"Shortest1", "Short1", "Normal1", "Long1", "Longest1"};
    const char* const captions[] = {"&1. Shortest", "&2. Short", "&3. Normal", "&4. Long", "&5. Longest"};
    for (std::size_t i = 0; i < m.delays.size(); ++i) {
        m.delays[i] = Item(m.Delay1, names[i], captions[i]);
        m.delays[i]->setCheckable(true);
        m.delayGroup->addAction(m.delays[i]);
    }
    m.Sound1 = Item(m.options, "Sound1", "&Sound On/Off", QKeySequence(Qt::CTRL | Qt::Key_S));
    m.Sound1->setCheckable(true);
    m.options->addSeparator();
    AddViewItems(m);
    m.options->addSeparator();
    m.CardSetCheck1 = Item(m.options, "CardSetCheck1", "&Card Set Check");
}

void AddHelpMenu(QMenuBar& bar, MainMenu& m) {
    m.help = TopMenu(bar, "Help1", "&Help");
    m.Contents1 = Item(m.help, "Contents1", "&Contents", Qt::Key_F1);
    m.SearchHelp1 = Item(m.help, "SearchHelp1", "&Search Help");
    m.QuickIntro1 = Item(m.help, "QuickIntro1", "&Quick Intro");
    m.help->addSeparator();
    m.HowtoContactHalvik1 = Item(m.help, "HowtoContactHalvik1", "&How to Contact Halvik");
    m.HalvikWebSite1 = Item(m.help, "HalvikWebSite1", "&Halvik Web Site");
    m.EmailHalvikSales1 = Item(m.help, "EmailHalvikSales1", "Email Halvik S&ales");
    m.EmailHalvikSupport1 = Item(m.help, "EmailHalvikSupport1", "Email Halvik Su&pport");
    m.help->addSeparator();
    m.About1 = Item(m.help, "About1", "About &Velmora");
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
