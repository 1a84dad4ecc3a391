#pragma once
// What the statistics window shows for one player, box by box.

#include <string>

#include "players/PlayerRecord.h"
#include "text/Phrase.h"

namespace velmora {

struct PlayerStatistics {
    std::string Name;
    std::string PlayerType;  // "Human" or "Computer"
    Phrase Details;          // "Password On" / "Password Off", or "IQ : 12" for a computer player
    std::string GamesPlayed;
    std::string GamesWon;
    int GameWinsPercent = 0;
    std::string TotalFlips;
    std::string SuccessfulFlips;
    int SuccessfulFlipsPercent = 0;
};

PlayerStatistics DescribePlayer(const TPlayerRecord& record);

int GameWinsPercent(const TPlayerRecord& record);
int SuccessfulFlipsPercent(const TPlayerRecord& record);

}  // namespace velmora
