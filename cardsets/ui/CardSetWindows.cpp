#include "cardsets/ui/CardSetWindows.h"

#include "cardsets/ui/NewSet.h"
#include "cardsets/ui/Preview.h"
#include "cardsets/ui/SelectSet.h"
#include "cardsets/ui/SetInfo.h"
#include "cardsets/ui/Wait.h"
#include "widgets/Modal.h"

namespace velmora {

CardSetWindows::CardSetWindows(QWidget* parent, LoadedCardSet& set, const CardSetFolders& cardSets,
                               const std::filesystem::path& settingsFolder, std::string& lastSet)
    : wait_(new Wait(parent)),
      context_{set, cardSets, *wait_},
      newSet_(new NewSet(cardSets.User(), settingsFolder, *wait_, parent)),
      preview_(new Preview(context_, parent)),
      selectSet_(new SelectSet(context_, lastSet, *preview_, parent)),
      setInfo_(new SetInfo(context_, parent)) {}

CardSetProgress& CardSetWindows::Progress() { return *wait_; }

void CardSetWindows::CreateNewSet() { RunModal(*newSet_); }
void CardSetWindows::SelectAndView() { RunModal(*selectSet_); }
void CardSetWindows::ViewCardSet() { RunModal(*preview_); }
void CardSetWindows::ShowCurrentInfo() { RunModal(*setInfo_); }

}  // namespace velmora
