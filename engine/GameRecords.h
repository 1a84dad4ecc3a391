#pragma once
// Where a finished game's statistics go. The program keeps them in the player library; a
// simulation of many games keeps them nowhere.

#include <span>
#include <string>

#include "players/PlayerRecord.h"

namespace velmora {

class GameRecords {
public:
    virtual ~GameRecords() = default;
    // The 1-based library position of the player of exactly this name, 0 when there is none.
    virtual int LibraryPosition(const std::string& name) const = 0;
    // Takes over the counters of the game's players and stores them.
    virtual void StoreFinishedGame(std::span<const TPlayerRecord> players) = 0;
};

}  // namespace velmora
