#include "engine/Simulation.h"

#include <string>

#include "engine/Game.h"
#include "engine/GameEnd.h"
#include "engine/HeadlessView.h"

namespace velmora {

namespace {

// A time of day that moves on by an irregular number of milliseconds at every reading, so that
// each deal and each reseed differ as they do in play.
class SteppingClock : public Clock {
public:
    explicit SteppingClock(std::uint32_t seed) : state_(seed) {}
    TimeOfDay Now() override {
        state_ = state_ * 1664525u + 1013904223u;
        millisecondOfDay_ = (millisecondOfDay_ + 1 + (state_ >> 22)) % 86400000u;
        const std::uint32_t ms = millisecondOfDay_;
        return {static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60), static_cast<int>(ms / 1000 % 60),
                static_cast<int>(ms % 1000)};
    }

private:
    std::uint32_t state_;
    std::uint32_t millisecondOfDay_ = 0;
};

class NoRecords : public GameRecords {
public:
    int LibraryPosition(const std::string&) const override { return 0; }
    void StoreFinishedGame(std::span<const TPlayerRecord>) override {}
};

bool AnyTurnedOutsideFormat(const Board& board) {
    for (int col = 1; col <= Board::MaxSide; ++col) {
        for (int row = 1; row <= Board::MaxSide; ++row) {
            if (!board.Contains(col, row) && board.Cell(col, row).FaceUp != 0) return true;
        }
    }
    return false;
}

}  // namespace

SimulatedGame SimulateComputerGame(std::span<const int> iqs, int format, std::uint32_t seed) {
    SteppingClock clock(seed);
    HeadlessView view;
    NoRecords records;
    Game game(view, records, clock);
    std::vector<TPlayerRecord> players;
    for (std::size_t i = 0; i < iqs.size(); ++i) {
        players.push_back(MakePlayerRecord("Computer " + std::to_string(i + 1), "", false, false, iqs[i]));
    }
    game.SetGamePlayers(players);
    game.SetFormat(format);
    game.SetFlipDelay(5);
    game.StartGame();

    SimulatedGame result;
    // Every turn ends within one delay, and a game cannot last more turns than this.
    const int tickLimit = 5 * 100000;
    for (int tick = 0; tick < tickLimit && game.GameRunning(); ++tick) {
        // At the first tick of a delay the two cards of the turn are still face up.
        if (game.TickCount() == 0) {
            ++result.turns;
            result.turnedOutsideFormat = result.turnedOutsideFormat || AnyTurnedOutsideFormat(game.GameBoard());
        }
        game.Timer1Timer();
    }
    result.finished = !game.GameRunning() && game.GameBoard().BoardCleared();
    for (const TPlayerRecord& player : game.GamePlayers()) result.points.push_back(player.GamePoints);
    result.winners = DecideWinners(game.GamePlayers());
    return result;
}

}  // namespace velmora
