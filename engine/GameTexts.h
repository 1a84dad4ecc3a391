#pragma once
// The status-bar texts of a game.

#include <string>
#include <vector>

#include "players/PlayerRecord.h"

namespace velmora {

// "<name> to play. You have n points." for a human, "<name> plays. It has n points." for a
// computer player; "point." when n is 1.
std::string TurnStatusText(const TPlayerRecord& player);

std::string SingleWinnerStatusText(const std::string& name);
std::string WinnerSentence(const std::string& name);
// The names joined by a comma without a space.
std::string SeveralWinnersStatusText(const std::vector<std::string>& names);
inline constexpr const char* NoWinnersStatusText = "Game Over. No winners...";
inline constexpr const char* GameEndedStatusText = "Game Over.";

}  // namespace velmora
