#pragma once
// Who won a finished game.

#include <span>
#include <vector>

#include "players/PlayerRecord.h"

namespace velmora {

// The positions (1-based, in table order) of the players with the most points.
std::vector<int> DecideWinners(std::span<const TPlayerRecord> players);

}  // namespace velmora
