// Plays seeded games between two computer players of different IQs on every format and prints
// how often each wins.
//   velmora-simulate [games per format and pairing, default 500]
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "engine/Simulation.h"
#include "formats/Formats.h"

namespace {

struct Tally {
    int lowWins = 0;
    int highWins = 0;
    int draws = 0;
    int unfinished = 0;
};

Tally PlayPairing(int low, int high, int format, int games, std::uint32_t& seed) {
    Tally tally;
    for (int g = 0; g < games; ++g) {
        const bool highFirst = g % 2 == 0;
        const std::vector<int> iqs = highFirst ? std::vector<int>{high, low} : std::vector<int>{low, high};
        const velmora::SimulatedGame result = velmora::SimulateComputerGame(iqs, format, seed++);
        if (!result.finished) {
            ++tally.unfinished;
        } else if (result.winners.size() != 1) {
            ++tally.draws;
        } else if ((result.winners[0] == 1) == highFirst) {
            ++tally.highWins;
        } else {
            ++tally.lowWins;
        }
    }
    return tally;
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const std::vector<std::pair<int, int>> pairings{{0, 5}, {1, 10}, {5, 25}, {10, 50}, {0, 50}, {25, 50}};
    std::uint32_t seed = 1;
    std::printf("%-16s %-9s %8s %8s %8s %s\n", "format", "IQ low/high", "low won", "high won", "drawn", "unfinished");
    for (std::size_t format = 0; format < velmora::Formats.size(); ++format) {
        for (const auto& [low, high] : pairings) {
            const Tally t = PlayPairing(low, high, static_cast<int>(format), games, seed);
            std::printf("%-16s %3d/%-7d %7.1f%% %7.1f%% %7.1f%% %d\n", velmora::Formats[format].Name, low, high,
                        100.0 * t.lowWins / games, 100.0 * t.highWins / games, 100.0 * t.draws / games, t.unfinished);
        }
    }
    return 0;
}
