#pragma once
// The game's statistics kept in the player library: the engine sees the library only through
// its GameRecords seam, and this is the program's side of it.

#include <span>
#include <string>

#include "engine/GameRecords.h"
#include "players/PlayerLibrary.h"
#include "players/PlayerRecord.h"

namespace velmora {

class LibraryRecords : public GameRecords {
public:
    explicit LibraryRecords(PlayerLibrary& library) : library_(library) {}
    int LibraryPosition(const std::string& name) const override { return library_.FindLibraryPlayer(name); }
    void StoreFinishedGame(std::span<const TPlayerRecord> players) override {
        library_.SaveGameStatistics(players);
    }

private:
    PlayerLibrary& library_;
};

}  // namespace velmora
