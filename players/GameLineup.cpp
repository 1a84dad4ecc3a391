#include "players/GameLineup.h"

#include <algorithm>

#include "players/PlayerLibrary.h"

namespace velmora {

bool GameLineup::Contains(std::string_view name) const {
    return std::ranges::any_of(players_, [&](const TPlayerRecord& player) { return player.Name.Text() == name; });
}

Phrase GameLineup::RefusalToAdd(const TPlayerRecord& record) const {
    const std::string name = record.Name.Text();
    if (Contains(name))
        return MakePhrase("Players", VELMORA_TRANSLATE_NOOP("Players", "%1, is duplicate. Please choose another player."),
                          {name});
    if (Count() >= MaxGamePlayers)
        return MakePhrase("Players",
                          VELMORA_TRANSLATE_NOOP("Players", "Maximum number of players for the game has been reached."));
    return {};
}

void GameLineup::Add(const TPlayerRecord& record) {
    if (RefusalToAdd(record).Empty()) players_.push_back(record);
}

void GameLineup::Remove(int position) {
    if (position < 1 || position > Count()) return;
    players_.erase(players_.begin() + (position - 1));
}

void GameLineup::Clear() { players_.clear(); }

Phrase GameLineup::RefusalToDelete(std::string_view name) const {
    if (!Contains(name)) return {};
    return MakePhrase("Players", VELMORA_TRANSLATE_NOOP("Players", "You cannot delete player %1 selected to play."),
                      {std::string(name)});
}

void GameLineup::TakeCountersFrom(std::span<const TPlayerRecord> gamePlayers) {
    for (TPlayerRecord& player : players_) {
        const auto found = std::ranges::find_if(
            gamePlayers, [&](const TPlayerRecord& gamePlayer) { return gamePlayer.Name.Text() == player.Name.Text(); });
        if (found != gamePlayers.end()) CopyCounters(*found, player);
    }
}

std::vector<std::string> GameLineup::Lines() const {
    std::vector<std::string> lines;
    for (const TPlayerRecord& player : players_) lines.push_back(LibraryLine(player, LibraryFilter::AllPlayers));
    return lines;
}

}  // namespace velmora
