#pragma once
// What the card-set windows share with the main window: the one loaded card set, the folders the
// sets lie in, the Please Wait window that full reads report to, and how the windows open help.

#include "cardsets/CardSetFolders.h"
#include "cardsets/CardSetProgress.h"
#include "cardsets/LoadedCardSet.h"
#include "widgets/HelpHook.h"

namespace velmora {

struct CardSetContext {
    LoadedCardSet& set;
    CardSetFolders folders;
    CardSetProgress& progress;
    HelpHook help = HelpWindowHook();
};

}  // namespace velmora
