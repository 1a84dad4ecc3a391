#include <gtest/gtest.h>


#include "compression/Stream.h"
#include "players/GameStart.h"
#include "tests/engine/GameFixture.h"

namespace velmora {
namespace {

using testing::Human;

// Sets of a given size; a set named "Damaged" cannot be read.
class ScriptedSets : public GameSetSource {
public:
    std::size_t imageCount = 51;
    std::vector<std::string> used;

    GameSetPictures ReadWhole(const std::string& set) override {
        if (set == "Damaged") throw EReadError(MakePhrase(ErrorContext, "Read beyond end of file"));
        return {imageCount, {54, 37}};
    }
    void UseForGame(const std::string& set, int format) override { used.push_back(set + " " + std::to_string(format)); }
};

class GameStartTest : public testing::GameFixture {
protected:
    GameStartOutcome StartWith(std::vector<std::string> names, int format, const std::string& set) {
        std::vector<TPlayerRecord> players;
        for (const std::string& name : names) players.push_back(Human(name));
        return StartChosenGame(game, players, format, set, sets);
    }
    std::vector<std::string> GameNames() const {
        std::vector<std::string> names;
        for (const TPlayerRecord& player : game.GamePlayers()) names.push_back(player.Name.Text());
        return names;
    }
    // A Junior game of Ann and Bob was played and ended.
    void PlayFirstGame() {
        ASSERT_TRUE(StartWith({"Ann", "Bob"}, 0, "Default").Started);
        game.EndGame1Click();
        ASSERT_FALSE(game.GameRunning());
    }
    void ExpectFirstGameKept() {
        EXPECT_FALSE(game.GameRunning());
        EXPECT_EQ(GameNames(), (std::vector<std::string>{"Ann", "Bob"}));
        EXPECT_EQ(game.GameBoard().Cols(), 5);
        EXPECT_EQ(game.GameBoard().Rows(), 4);
        EXPECT_EQ(sets.used, (std::vector<std::string>{"Default 0"}));
    }

    ScriptedSets sets;
};

TEST_F(GameStartTest, AStartedGameHasTheNewLineupBoardAndSet) {
    PlayFirstGame();
    const GameStartOutcome outcome = StartWith({"Cid", "Ann", "Bob"}, 3, "Animals");
    EXPECT_TRUE(outcome.Started);
    EXPECT_FALSE(outcome.Error.has_value());
    EXPECT_TRUE(game.GameRunning());
    EXPECT_EQ(GameNames(), (std::vector<std::string>{"Cid", "Ann", "Bob"}));  // the order chosen is the turn order
    EXPECT_EQ(game.GameBoard().Cols(), 10);
    EXPECT_EQ(game.GameBoard().Rows(), 10);
    EXPECT_EQ(game.BoardLeft(), (540 - 10 * 54) / 2);
    EXPECT_EQ(game.BoardTop(), (374 - 10 * 37) / 2);
    EXPECT_EQ(sets.used, (std::vector<std::string>{"Default 0", "Animals 3"}));
}

TEST_F(GameStartTest, ASetThatCannotBeReadKeepsTheLastGame) {
    PlayFirstGame();
    const GameStartOutcome outcome = StartWith({"Cid", "Bob", "Ann"}, 3, "Damaged");
    EXPECT_FALSE(outcome.Started);
    ASSERT_TRUE(outcome.Error.has_value());
    EXPECT_STREQ(outcome.Error->what(), "Read beyond end of file");
    ExpectFirstGameKept();
}

TEST_F(GameStartTest, ASetWithTooFewCardsKeepsTheLastGameAndSaysWhichBoard) {
    PlayFirstGame();
    sets.imageCount = 50;  // one face short of the Fanatic board
    const GameStartOutcome outcome = StartWith({"Cid", "Bob"}, 3, "Small");
    EXPECT_FALSE(outcome.Started);
    ASSERT_TRUE(outcome.Error.has_value());
    EXPECT_STREQ(outcome.Error->what(), "The card set Small holds too few cards for the Fanatic (10x10) board.");
    ExpectFirstGameKept();

    sets.imageCount = 22;  // exactly what a Standard board deals
    EXPECT_TRUE(StartWith({"Cid", "Bob"}, 1, "Small").Started);
    EXPECT_EQ(GameNames(), (std::vector<std::string>{"Cid", "Bob"}));
    EXPECT_EQ(game.GameBoard().Cols(), 7);
}

}  // namespace
}  // namespace velmora
