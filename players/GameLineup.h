#pragma once
// The players chosen for the next game in the New Game dialog, in turn order. Each is a full copy
// of the library record as it was when chosen. The lineup outlives the dialog's openings: the
// players of the last game stay chosen.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "players/PlayerRecord.h"
#include "text/Phrase.h"

namespace velmora {

class GameLineup {
public:
    static constexpr int MaxGamePlayers = 9;

    // The message that refuses choosing this player (already chosen, or the game is full),
    // empty when the player may be added. The duplicate check comes first.
    Phrase RefusalToAdd(const TPlayerRecord& record) const;
    void Add(const TPlayerRecord& record);
    void Remove(int position);  // 1-based; positions outside the lineup are ignored
    void Clear();

    // The message that refuses deleting a chosen player from the library, empty otherwise.
    Phrase RefusalToDelete(std::string_view name) const;
    // A game needs two players at least.
    bool CanStart() const { return Count() > 1; }

    // The game's own copies are the newer ones after a game: they carry the counters it added
    // (turns of an abandoned game too). Chosen players found by exact name take them over, so the
    // next game does not start from the counters of the game before.
    void TakeCountersFrom(std::span<const TPlayerRecord> gamePlayers);

    int Count() const { return static_cast<int>(players_.size()); }
    std::span<const TPlayerRecord> Players() const { return players_; }
    // The "Players To Play" lines: the name, " (computer)" added for a computer player.
    std::vector<std::string> Lines() const;

private:
    bool Contains(std::string_view name) const;

    std::vector<TPlayerRecord> players_;
};

}  // namespace velmora
