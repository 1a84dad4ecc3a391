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
    : wait_(new Wait(parent)),
      context_{set, cardSets, *wait_, std::move(help)},
      preview_([this, parent] { return std::make_unique<Preview>(context_, parent); }),
      selectSet_([this, &lastSet, parent] {
          return std::make_unique<SelectSet>(context_, lastSet, PreviewWindow(), parent);
      }),
      setInfo_([this, parent] { return std::make_unique<SetInfo>(context_, parent); }),
      // The wizard is the largest of the windows and the one opened least.
      newSet_([this, settingsFolder, parent] {
          return std::make_unique<NewSet>(context_.folders.User(), settingsFolder, *wait_, parent, context_.help);
      }) {}

// The windows made are children of parent as well; a child deleted first leaves its parent's list.
CardSetWindows::~CardSetWindows() = default;

CardSetProgress& CardSetWindows::Progress() { return *wait_; }

NewSet& CardSetWindows::NewSetWindow() { return newSet_.Get(); }
Preview& CardSetWindows::PreviewWindow() { return preview_.Get(); }
SelectSet& CardSetWindows::SelectSetWindow() { return selectSet_.Get(); }
SetInfo& CardSetWindows::SetInfoWindow() { return setInfo_.Get(); }

void CardSetWindows::CreateNewSet() { RunModal(NewSetWindow()); }
void CardSetWindows::SelectAndView() { RunModal(SelectSetWindow()); }
void CardSetWindows::ViewCardSet() { RunModal(PreviewWindow()); }
void CardSetWindows::ShowCurrentInfo() { RunModal(SetInfoWindow()); }

}  // namespace velmora
