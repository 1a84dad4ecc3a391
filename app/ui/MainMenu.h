#pragma once
// The main window's menu: every item with its caption, access key, shortcut and object name.

#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace velmora {

struct MainMenu {
    QMenu* game;
    QMenu* edit;
    QMenu* options;
    QMenu* help;

    QAction* New1;
    QAction* Restart1;
    QAction* EndGame1;
    QAction* Seebestplayers1;
    QAction* Exit1;

    QAction* AddNewPlayer1;
    QAction* DeletePlayer1;
    QAction* AddPassword1;
    QAction* ChangePassword1;
    QAction* CreateNewVelmoraSet1;
    QAction* ViewVelmoraSet1;
    QAction* CurrentVelmoraSetInfo1;

    QMenu* Delay1;
    // "&1. Shortest" .. "&5. Longest", in the order of kFlipDelays.
    std::array<QAction*, 5> delays;
    QActionGroup* delayGroup;
    QAction* Sound1;
    QMenu* Zoom1;
    // "100 %", "150 %", "200 %", "300 %", "&Fit to Window", in the order of Zoom.
    std::array<QAction*, 5> zooms;
    QActionGroup* zoomGroup;
    QAction* FullScreen1;
    QAction* HighContrast1;
    QMenu* Language1;
    // "System default", then the languages in the order of kLanguageCodes.
    std::array<QAction*, 5> languages;
    QActionGroup* languageGroup;
    QAction* CardSetCheck1;

    QAction* Contents1;
    QAction* SearchHelp1;
    QAction* QuickIntro1;
    QAction* HowtoContactHalvik1;
    QAction* HalvikWebSite1;
    QAction* EmailHalvikSales1;
    QAction* EmailHalvikSupport1;
    QAction* About1;
};

// Fills bar with the four menus; the actions belong to their menus.
MainMenu BuildMainMenu(QMenuBar& bar);

}  // namespace velmora
