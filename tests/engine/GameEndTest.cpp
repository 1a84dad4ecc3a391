#include <gtest/gtest.h>

#include "engine/GameEnd.h"
#include "tests/engine/GameFixture.h"

namespace velmora {
namespace {

using testing::GameFixture;

class GameEnd : public GameFixture {
protected:
    // Puts the players into the library file and the game takes its copies from there, as the
    // New Game dialog does.
    void StartFromLibrary(const std::vector<std::string>& names, int format) {
        for (const std::string& name : names) ASSERT_EQ(library.AppendPlayer({name, "", false, true, 5}), "");
        std::vector<std::string> lines;
        library.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
        std::vector<TPlayerRecord> players;
        for (const std::string& name : names) players.push_back(library.Player(library.FindLibraryPlayer(name)));
        Start(players, format, 5);
    }
    // Each player but the last finds its pairs and then misses; the last one clears the board.
    void PlayScores(const std::vector<int>& pairs) {
        for (std::size_t i = 0; i + 1 < pairs.size(); ++i) {
            for (int n = 0; n < pairs[i]; ++n) PlayMatch();
            PlayMiss();
        }
        while (game.GameRunning()) PlayMatch();
        for (std::size_t i = 0; i < pairs.size(); ++i) ASSERT_EQ(game.GamePlayer(static_cast<int>(i) + 1).GamePoints, pairs[i]);
    }
    TPlayerRecord FromFile(const std::string& name) {
        PlayerLibrary reread(folder.Path());
        std::vector<std::string> lines;
        reread.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
        return reread.Player(reread.FindLibraryPlayer(name));
    }
};

TEST_F(GameEnd, SingleWinnerIsNamedCongratulatedAndCountedInTheFile) {
    StartFromLibrary({"Ann", "Bob"}, 0);
    bool savedBeforeWindowClosed = true;
    view.onGameOver = [&](const std::string&, int) { savedBeforeWindowClosed = FromFile("Ann").GamesPlayed == 1; };
    PlayScores({6, 4});

    EXPECT_EQ(view.Status(), "Game Over! The winner of this game is Ann");
    EXPECT_EQ(view.sounds.back(), "sound4.wav");
    ASSERT_EQ(view.gameOvers.size(), 1u);
    EXPECT_EQ(view.gameOvers[0].sentence, "Ann is the winner of this game.");
    EXPECT_EQ(view.gameOvers[0].libraryPosition, 1);
    EXPECT_FALSE(savedBeforeWindowClosed);  // the file is written once the window has closed
    EXPECT_EQ(view.menus, testing::MenusWithoutGame);

    const TPlayerRecord ann = FromFile("Ann");
    const TPlayerRecord bob = FromFile("Bob");
    EXPECT_EQ(ann.GamesPlayed, 1);
    EXPECT_EQ(ann.GamesWon, 1);
    EXPECT_EQ(ann.GamePoints, 6);
    EXPECT_EQ(ann.GamePairs, 6);
    EXPECT_EQ(ann.TotalFlips, 7);
    EXPECT_EQ(ann.SuccessfulFlips, 6);
    EXPECT_EQ(bob.GamesPlayed, 1);
    EXPECT_EQ(bob.GamesWon, 0);
    EXPECT_EQ(bob.TotalFlips, 4);
}

TEST_F(GameEnd, EqualPointsForEveryoneHaveNoWinner) {
    StartFromLibrary({"Ann", "Bob"}, 0);
    PlayScores({5, 5});
    EXPECT_EQ(view.Status(), "Game Over. No winners...");
    EXPECT_TRUE(view.gameOvers.empty());
    EXPECT_EQ(FromFile("Ann").GamesPlayed, 1);
    EXPECT_EQ(FromFile("Ann").GamesWon, 0);
    EXPECT_EQ(FromFile("Bob").GamesWon, 0);
}

TEST_F(GameEnd, SeveralTopScorersAreAllWinnersWithoutTheWindow) {
    StartFromLibrary({"Ann", "Bob", "Cid"}, 1);
    PlayScores({8, 8, 5});
    EXPECT_EQ(view.Status(), "Game Over. Winners are Ann,Bob");
    EXPECT_TRUE(view.gameOvers.empty());
    EXPECT_EQ(FromFile("Ann").GamesWon, 1);
    EXPECT_EQ(FromFile("Bob").GamesWon, 1);
    EXPECT_EQ(FromFile("Cid").GamesWon, 0);
    EXPECT_EQ(FromFile("Cid").GamesPlayed, 1);
}

TEST_F(GameEnd, ThreeEqualScoresHaveNoWinner) {
    StartFromLibrary({"Ann", "Bob", "Cid"}, 1);
    PlayScores({7, 7, 7});
    EXPECT_EQ(view.Status(), "Game Over. No winners...");
    for (const char* name : {"Ann", "Bob", "Cid"}) {
        EXPECT_EQ(FromFile(name).GamesPlayed, 1);
        EXPECT_EQ(FromFile(name).GamesWon, 0);
    }
}

TEST_F(GameEnd, SixtyCharacterWinnerIsNamedWhole) {
    const std::string name(60, 'W');
    StartFromLibrary({"Ann", name}, 0);
    PlayScores({2, 8});
    EXPECT_EQ(view.Status(), "Game Over! The winner of this game is " + name);
    ASSERT_EQ(view.gameOvers.size(), 1u);
    EXPECT_EQ(view.gameOvers[0].sentence, name + " is the winner of this game.");
    EXPECT_EQ(view.gameOvers[0].libraryPosition, 2);
}

TEST_F(GameEnd, WinnerMissingFromTheLibraryGetsPositionZeroAndTheOthersAreStillSaved) {
    ASSERT_EQ(library.AppendPlayer({"Ann", "", false, true, 5}), "");
    std::vector<std::string> lines;
    library.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
    // Bob is not in the library: his counts go nowhere, Ann's are still written.
    std::vector<TPlayerRecord> players{library.Player(1), testing::Human("Bob")};
    Start(players, 0, 5);
    PlayScores({3, 7});
    ASSERT_EQ(view.gameOvers.size(), 1u);
    EXPECT_EQ(view.gameOvers[0].libraryPosition, 0);
    EXPECT_EQ(FromFile("Ann").GamesPlayed, 1);
    EXPECT_EQ(library.LibraryCount(), 1);
}

TEST(DecideWinners, KeepsTableOrderFromTheFirstTopScorer) {
    std::vector<TPlayerRecord> players(4);
    const int points[] = {3, 5, 1, 5};
    for (std::size_t i = 0; i < 4; ++i) players[i].GamePoints = points[i];
    EXPECT_EQ(DecideWinners(players), (std::vector<int>{2, 4}));
    players[3].GamePoints = 4;
    EXPECT_EQ(DecideWinners(players), (std::vector<int>{2}));
}

}  // namespace
}  // namespace velmora
