#pragma once
// The status-bar texts and the Game Over sentence of a game, as phrases the windows translate.

#include <string>
#include <vector>

#include "players/PlayerRecord.h"
#include "text/Phrase.h"

namespace velmora {

// "<name> to play. You have n points." for a human, "<name> plays. It has n points." for a
// computer player; "point." when n is 1.
Phrase TurnStatusText(const TPlayerRecord& player);

Phrase SingleWinnerStatusText(const std::string& name);
Phrase WinnerSentence(const std::string& name);
// The names joined by a comma without a space.
Phrase SeveralWinnersStatusText(const std::vector<std::string>& names);
Phrase NoWinnersStatusText();
Phrase GameEndedStatusText();
Phrase PlayAgainQuestion();
Phrase EndGameQuestion();

}  // namespace velmora
