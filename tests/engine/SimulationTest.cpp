#include <gtest/gtest.h>

#include <numeric>

#include "engine/Simulation.h"
#include "formats/Formats.h"

namespace velmora {
namespace {

// 2,000 seeded games between two computer players on every format, each pairing played with
// either player moving first. The higher IQ must win more of them.
TEST(Simulation, ComputerGamesEndCountEveryPairAndFavourTheHigherIq) {
    const std::vector<std::pair<int, int>> pairings{{0, 5}, {1, 10}, {5, 25}, {10, 50}, {0, 50}};
    const int gamesPerFormat = 100;
    int games = 0;
    for (const auto& [low, high] : pairings) {
        int lowWins = 0;
        int highWins = 0;
        for (std::size_t format = 0; format < Formats.size(); ++format) {
            for (int g = 0; g < gamesPerFormat; ++g) {
                const bool highFirst = g % 2 == 0;
                const std::vector<int> iqs = highFirst ? std::vector<int>{high, low} : std::vector<int>{low, high};
                const auto seed = static_cast<std::uint32_t>(games * 7777 + 12345);
                const SimulatedGame result = SimulateComputerGame(iqs, static_cast<int>(format), seed);
                ++games;
                ASSERT_TRUE(result.finished) << "IQ " << low << "/" << high << ", format " << format << ", game " << g;
                EXPECT_EQ(std::accumulate(result.points.begin(), result.points.end(), 0), Formats[format].Pairs);
                EXPECT_FALSE(result.turnedOutsideFormat);
                if (result.winners.size() == 1) {
                    const bool highWon = (result.winners[0] == 1) == highFirst;
                    (highWon ? highWins : lowWins) += 1;
                }
            }
        }
        EXPECT_GT(highWins, lowWins) << "IQ " << high << " against IQ " << low;
    }
    EXPECT_EQ(games, 2000);
}

TEST(Simulation, NinePlayersOnTheFanaticBoardFinishToo) {
    const std::vector<int> iqs{0, 50, 3, 7, 12, 20, 30, 40, 1};
    const SimulatedGame result = SimulateComputerGame(iqs, 3, 99);
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(std::accumulate(result.points.begin(), result.points.end(), 0), 50);
    EXPECT_FALSE(result.turnedOutsideFormat);
    EXPECT_GE(result.turns, 50);
}

}  // namespace
}  // namespace velmora
