#pragma once
// The card-set windows of the program, kept for the whole run (the wizard from its first opening on),
// and the commands that open them. The main window holds one and calls it from its Edit menu.

#include <filesystem>
#include <string>

#include "cardsets/ui/CardSetContext.h"

class QWidget;

namespace velmora {

class NewSet;
class Preview;
class SelectSet;
class SetInfo;
class Wait;

class CardSetWindows {
public:
    // The sets are read from cardSets and new ones saved into its user's folder; settingsFolder holds
    // the settings file. lastSet is the setting LastSet, which Select Card Set reads and sets.
    CardSetWindows(QWidget* parent, LoadedCardSet& set, const CardSetFolders& cardSets,
                   const std::filesystem::path& settingsFolder, std::string& lastSet, HelpHook help = HelpWindowHook());

    // The Please Wait window, for every full read and every write of a set.
    CardSetProgress& Progress();

    void CreateNewSet();      // the wizard
    void SelectAndView();     // Select Card Set, from which View Card Set opens
    void ViewCardSet();       // View Card Set on the set last read
    void ShowCurrentInfo();   // Current Card Set Info on the set last read

    Wait& WaitWindow() { return *wait_; }
    NewSet& NewSetWindow();
    Preview& PreviewWindow() { return *preview_; }
    SelectSet& SelectSetWindow() { return *selectSet_; }
    SetInfo& SetInfoWindow() { return *setInfo_; }

private:
    QWidget* parent_;
    std::filesystem::path settingsFolder_;
    Wait* wait_;
    CardSetContext context_;
    NewSet* newSet_ = nullptr;
    Preview* preview_;
    SelectSet* selectSet_;
    SetInfo* setInfo_;
};

}  // namespace velmora
