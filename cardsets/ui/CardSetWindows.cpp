#include "cardsets/ui/CardSetWindows.h"

#include <utility>

#include "cardsets/ui/NewSet.h"
#include "cardsets/ui/Preview.h"
#include "cardsets/ui/SelectSet.h"
#include "cardsets/ui/SetInfo.h"
#include "cardsets/ui/Wait.h"
#include "widgets/Modal.h"

namespace velmora {

CardSetWindows::CardSetWindows(QWidget* parent, LoadedCardSet& set, const CardSetFolders& cardSets,
                               const std::filesystem::path& settingsFolder, std::string& lastSet, HelpHook help)
    : parent_(parent),
      settingsFolder_(settingsFolder),
      wait_(new Wait(parent)),
      context_{set, cardSets, *wait_, std::move(help)},
      preview_(new Preview(context_, parent)),
      selectSet_(new SelectSet(context_, lastSet, *preview_, parent)),
      setInfo_(new SetInfo(context_, parent)) {}

CardSetProgress& CardSetWindows::Progress() { return *wait_; }

// The wizard is the largest of the windows and the one opened least: it is made when first asked for,
// not while the main window is on its way to the screen.
NewSet& CardSetWindows::NewSetWindow() {
    if (newSet_ == nullptr) newSet_ = new NewSet(context_.folders.User(), settingsFolder_, *wait_, parent_, context_.help);
    return *newSet_;
}

void CardSetWindows::CreateNewSet() { RunModal(NewSetWindow()); }
void CardSetWindows::SelectAndView() { RunModal(*selectSet_); }
void CardSetWindows::ViewCardSet() { RunModal(*preview_); }
void CardSetWindows::ShowCurrentInfo() { RunModal(*setInfo_); }

}  // namespace velmora
