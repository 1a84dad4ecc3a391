#pragma once
// Plays whole games between computer players with no window: every tick of the flip delay is
// fed at once. The win-rate tool, the benchmarks and the tests use it.

#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

struct SimulatedGame {
    bool finished = false;              // the board was cleared and the game ended by itself
    std::vector<int> points;            // per player, in table order
    std::vector<int> winners;           // 1-based positions
    int turns = 0;
    bool turnedOutsideFormat = false;   // a cell outside the format was ever turned
};

// One game of computer players with these IQs, in this order, on the format given. The seed
// drives the clock that the deal and the computer players reseed from.
SimulatedGame SimulateComputerGame(std::span<const int> iqs, int format, std::uint32_t seed);

}  // namespace velmora
