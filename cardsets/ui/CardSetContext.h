#pragma once
// What the card-set windows share with the main window: the one loaded card set, the program
// folder the sets lie in, and the Please Wait window that full reads report to.

#include <filesystem>

#include "cardsets/CardSetProgress.h"
#include "cardsets/LoadedCardSet.h"

namespace velmora {

struct CardSetContext {
    LoadedCardSet& set;
    std::filesystem::path folder;
    CardSetProgress& progress;
};

}  // namespace velmora
