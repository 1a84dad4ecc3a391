#pragma once
// The card-set windows of the program, each made when first asked for and kept for the rest of the
// run, and the commands that open them. The main window holds one and calls it from its Edit menu.

#include <filesystem>
#include <string>

#include "cardsets/ui/CardSetContext.h"
#include "widgets/OnFirstUse.h"

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
    ~CardSetWindows();
    CardSetWindows(const CardSetWindows&) = delete;
    CardSetWindows& operator=(const CardSetWindows&) = delete;

    // The Please Wait window, for every full read and every write of a set.
    CardSetProgress& Progress();

    void CreateNewSet();      // the wizard
    void SelectAndView();     // Select Card Set, from which View Card Set opens
    void ViewCardSet();       // View Card Set on the set last read
    void ShowCurrentInfo();   // Current Card Set Info on the set last read

    Wait& WaitWindow() { return *wait_; }
    // The windows below are made on first use.
    NewSet& NewSetWindow();
    Preview& PreviewWindow();
    SelectSet& SelectSetWindow();
    SetInfo& SetInfoWindow();

private:
    // Every read reports to it, so it is there from the start; it is small.
    Wait* wait_;
    CardSetContext context_;
    // Declared before Select Card Set, which opens it, so that it goes last.
    OnFirstUse<Preview> preview_;
    OnFirstUse<SelectSet> selectSet_;
    OnFirstUse<SetInfo> setInfo_;
    OnFirstUse<NewSet> newSet_;
};

}  // namespace velmora
