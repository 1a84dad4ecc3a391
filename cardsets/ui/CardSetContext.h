#pragma once
// What the card-set windows share with the main window: the one loaded card set, the folders the
// sets lie in, and the Please Wait window that full reads report to.

#include "cardsets/CardSetFolders.h"
#include "cardsets/CardSetProgress.h"
#include "cardsets/LoadedCardSet.h"

namespace velmora {

struct CardSetContext {
    LoadedCardSet& set;
    CardSetFolders folders;
    CardSetProgress& progress;
};

}  // namespace velmora
