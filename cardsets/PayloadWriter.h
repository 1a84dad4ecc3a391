#pragma once
// Builds the payload of a card set in memory, the bytes the container then compresses.

#include <cstdint>
#include <vector>

#include "cardsets/CardSetDescription.h"
#include "cardsets/CardSetProgress.h"

namespace velmora {

// Shows progress once the palette is written and steps it before each card. The description must
// already have passed CheckCardSetDescription.
std::vector<std::uint8_t> BuildCardSetPayload(const CardSetDescription& set, ProgressSession& progress);

}  // namespace velmora
