#include <gtest/gtest.h>

#include <algorithm>

#include "tests/engine/GameFixture.h"

namespace velmora {
namespace {

using testing::GameFixture;
using testing::Human;

using TurnCycle = GameFixture;

TEST_F(TurnCycle, StartingAGameResetsItsPointsDealsAndNamesPlayerOne) {
    TPlayerRecord ann = Human("Ann");
    ann.GamePoints = 4;
    ann.GamePairs = 4;
    ann.TotalFlips = 11;
    Start({ann, Human("Bob")});

    EXPECT_EQ(game.GamePlayer(1).GamePoints, 0);
    EXPECT_EQ(game.GamePlayer(1).GamePairs, 0);
    EXPECT_EQ(game.GamePlayer(1).TotalFlips, 11);
    EXPECT_EQ(game.CurrentPlayer(), 1);
    EXPECT_TRUE(game.InputReady());
    EXPECT_EQ(PairsOnBoard().size(), 10u);
    EXPECT_EQ(view.Status(), "Ann to play. You have 0 points.");
    EXPECT_EQ(view.menus, (std::map<GameMenu, bool>{{GameMenu::NewGame, false},
                                                   {GameMenu::RestartGame, false},
                                                   {GameMenu::EndGame, true},
                                                   {GameMenu::Edit, false}}));
    EXPECT_EQ(view.Count("RefreshPlayerList"), 1);
    EXPECT_EQ(view.Count("DrawBoard"), 1);
}

TEST_F(TurnCycle, ScriptedGameOfTwoHumansIsCountedToTheEnd) {
    Start({Human("Ann"), Human("Bob")}, 0, 5);
    // Ann: a pair, then a miss; Bob: every remaining pair.
    PlayMatch();
    EXPECT_EQ(view.Status(), "Ann to play. You have 1 point.");
    EXPECT_EQ(game.CurrentPlayer(), 1);
    PlayMiss();
    EXPECT_EQ(game.CurrentPlayer(), 2);
    EXPECT_EQ(view.Status(), "Bob to play. You have 0 points.");
    for (int pair = 2; pair <= 10; ++pair) {
        EXPECT_TRUE(game.GameRunning());
        PlayMatch();
    }
    EXPECT_TRUE(game.GameBoard().BoardCleared());
    EXPECT_FALSE(game.GameRunning());
    EXPECT_FALSE(game.InputReady() && game.DelayRunning());

    const TPlayerRecord& ann = game.GamePlayer(1);
    const TPlayerRecord& bob = game.GamePlayer(2);
    EXPECT_EQ(ann.GamePoints, 1);
    EXPECT_EQ(ann.GamePairs, 1);
    EXPECT_EQ(ann.TotalFlips, 2);
    EXPECT_EQ(ann.SuccessfulFlips, 1);
    EXPECT_EQ(bob.GamePoints, 9);
    EXPECT_EQ(bob.TotalFlips, 9);
    EXPECT_EQ(bob.SuccessfulFlips, 9);
    EXPECT_EQ(view.menus[GameMenu::NewGame], true);
    EXPECT_EQ(view.menus[GameMenu::EndGame], false);
}

TEST_F(TurnCycle, MissesPassTheTurnInTableOrderAndTheStatusFollowsAfterTheDelay) {
    Start({Human("Ann"), Human("Bob"), Human("Cid")});
    const std::vector<std::string> names{"Ann", "Bob", "Cid"};
    std::vector<int> order{game.CurrentPlayer()};
    for (int turn = 0; turn < 4; ++turn) {
        const int missing = game.CurrentPlayer();
        const auto [a, b] = SomeMiss();
        Click(a);
        Click(b);
        // The turn has passed already; the status bar still names the player who missed.
        EXPECT_EQ(game.CurrentPlayer(), missing % 3 + 1);
        EXPECT_EQ(view.Status(), names[static_cast<std::size_t>(missing - 1)] + " to play. You have 0 points.");
        RunDelay();
        order.push_back(game.CurrentPlayer());
        EXPECT_EQ(view.Status(), names[static_cast<std::size_t>(missing % 3)] + " to play. You have 0 points.");
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 1, 2}));
    EXPECT_EQ(game.GamePlayer(1).TotalFlips, 2);
    EXPECT_EQ(game.GamePlayer(1).SuccessfulFlips, 0);
}

TEST_F(TurnCycle, EveryFlipDelayPlaysItsSoundOnItsTickAndEndsOnTheLast) {
    for (const int delay : {5, 10, 20, 25, 32}) {
        SCOPED_TRACE(delay);
        view.sounds.clear();
        Start({Human("Ann"), Human("Bob")}, 0, delay);

        const auto [a, b] = SomeMiss();
        Click(a);
        Click(b);
        view.sounds.clear();
        for (int tick = 1; tick < delay; ++tick) {
            game.Timer1Timer();
            EXPECT_EQ(view.sounds.size(), tick >= delay / 4 ? 1u : 0u) << "tick " << tick;
        }
        EXPECT_EQ(game.GameBoard().Cell(a.Col, a.Row).FaceUp, 1);
        game.Timer1Timer();
        EXPECT_EQ(view.sounds, (std::vector<std::string>{"sound2.wav"}));
        EXPECT_EQ(game.GameBoard().Cell(a.Col, a.Row).FaceUp, 0);
        EXPECT_EQ(game.GameBoard().Cell(b.Col, b.Row).FaceUp, 0);
        EXPECT_FALSE(view.timerRunning);

        const auto [c, d] = SomePair();
        Click(c);
        Click(d);
        view.calls.clear();
        view.sounds.clear();
        for (int tick = 1; tick < delay; ++tick) game.Timer1Timer();
        EXPECT_EQ(game.GameBoard().Cell(c.Col, c.Row).OnBoard, 1);
        game.Timer1Timer();
        EXPECT_EQ(view.sounds, (std::vector<std::string>{"sound3.wav"}));
        EXPECT_EQ(game.GameBoard().Cell(c.Col, c.Row).OnBoard, 0);
        EXPECT_EQ(game.GameBoard().Cell(d.Col, d.Row).OnBoard, 0);
        // The matched cards blink: both are inverted on every tick.
        EXPECT_EQ(view.Count("InvertCell " + std::to_string(c.Col) + "," + std::to_string(c.Row)), delay);
        EXPECT_EQ(view.Count("InvertCell " + std::to_string(d.Col) + "," + std::to_string(d.Row)), delay);
        const auto sound = std::ranges::find(view.calls, "Sound sound3.wav");
        EXPECT_EQ(std::count(view.calls.begin(), sound, "ShowBoard"), delay / 4);
    }
}

TEST_F(TurnCycle, InactiveMainWindowPausesTheDelay) {
    Start({Human("Ann"), Human("Bob")}, 0, 10);
    const auto [a, b] = SomeMiss();
    Click(a);
    Click(b);
    game.Timer1Timer();
    view.active = false;
    for (int i = 0; i < 50; ++i) game.Timer1Timer();
    EXPECT_EQ(game.TickCount(), 1);
    EXPECT_TRUE(view.sounds.empty() || view.sounds.back() == "sound1.wav");
    view.active = true;
    EXPECT_EQ(RunDelay(), 9);
}

TEST_F(TurnCycle, DelayChangedWhileItRunsAppliesAtOnce) {
    Start({Human("Ann"), Human("Bob")}, 0, 32);
    PlayMiss();
    const auto [a, b] = SomeMiss();
    Click(a);
    Click(b);
    for (int i = 0; i < 3; ++i) game.Timer1Timer();
    game.SetFlipDelay(5);
    EXPECT_EQ(RunDelay(), 2);  // ticks 4 and 5

    Click(SomeMiss().first);
    Click(SomeMiss().second);
    for (int i = 0; i < 3; ++i) game.Timer1Timer();
    game.SetFlipDelay(32);
    EXPECT_EQ(RunDelay(), 29);
}

TEST_F(TurnCycle, EndGameDuringADelayShowsEveryCardFaceDownAndCountsNothing) {
    Start({Human("Ann"), Human("Bob")}, 0, 20);
    PlayMatch();
    const auto [a, b] = SomeMiss();
    Click(a);
    Click(b);
    game.Timer1Timer();

    view.answers = {false};
    game.EndGame1Click();
    EXPECT_TRUE(game.GameRunning());
    EXPECT_TRUE(view.timerRunning);

    view.facesShownAtDrawBoard.clear();
    game.EndGame1Click();
    EXPECT_EQ(view.questions, (std::vector<std::string>{"Are you sure?", "Are you sure?"}));
    EXPECT_FALSE(view.timerRunning);
    EXPECT_FALSE(game.InputReady());
    EXPECT_EQ(view.facesShownAtDrawBoard, (std::vector<int>{0}));
    EXPECT_EQ(view.Status(), "Game Over.");
    EXPECT_EQ(view.menus, testing::MenusWithoutGame);
    EXPECT_FALSE(std::filesystem::exists(library.FilePath()));
    const int ticks = game.TickCount();
    game.Timer1Timer();  // a late tick finds no delay
    EXPECT_EQ(game.TickCount(), ticks);
    // Input stays closed; a click is ignored.
    Click(SomePair().first);
    EXPECT_EQ(game.CardsTurned(), 0);
}

TEST_F(TurnCycle, RestartAfterEndGameCarriesTheLifetimeCountersAndStartsWithAFullDelay) {
    Start({Human("Ann"), Human("Bob")}, 0, 20);
    PlayMatch();
    PlayMiss();
    Click(SomeMiss().first);
    Click(SomeMiss().second);
    for (int i = 0; i < 7; ++i) game.Timer1Timer();
    game.EndGame1Click();

    view.answers = {false};
    game.Restart1Click();
    EXPECT_FALSE(game.GameRunning());
    EXPECT_EQ(view.restoreCalls, 0);

    view.restoredCardSize = {54, 37};
    game.Restart1Click();
    EXPECT_EQ(view.questions.back(), "Are you sure you want to play again?");
    EXPECT_EQ(view.restoreCalls, 1);
    EXPECT_EQ(game.BoardLeft(), (540 - 5 * 54) / 2);
    EXPECT_EQ(game.BoardTop(), (374 - 4 * 37) / 2);
    EXPECT_TRUE(game.GameRunning());
    EXPECT_EQ(game.CurrentPlayer(), 1);
    EXPECT_EQ(game.CardsTurned(), 0);
    EXPECT_EQ(game.GamePlayer(1).GamePoints, 0);
    EXPECT_EQ(game.GamePlayer(1).TotalFlips, 2);
    EXPECT_EQ(game.GamePlayer(1).SuccessfulFlips, 1);
    EXPECT_EQ(game.GamePlayer(2).TotalFlips, 1);
    EXPECT_EQ(PairsOnBoard().size(), 10u);

    Click(SomeMiss().first);
    Click(SomeMiss().second);
    EXPECT_EQ(RunDelay(), 20);
}

TEST_F(TurnCycle, RestartIsRefusedWhileAGameRunsOrBeforeTheFirstGame) {
    game.Restart1Click();
    EXPECT_TRUE(view.questions.empty());
    Start({Human("Ann"), Human("Bob")});
    game.Restart1Click();
    EXPECT_TRUE(view.questions.empty());
    EXPECT_THROW(game.SetGamePlayers(std::vector<TPlayerRecord>{Human("Solo")}), std::invalid_argument);
}

TEST_F(TurnCycle, PlayerListRowsAreSortedByPairsLargerFirst) {
    Start({Human("Ann"), Human("Bob"), Human("Cid")}, 0, 5);
    PlayMiss();
    PlayMatch();  // Bob
    PlayMatch();  // Bob
    PlayMiss();
    PlayMatch();  // Cid
    const auto rows = game.PlayerListRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Name, "Bob");
    EXPECT_EQ(rows[0].Pairs, 2);
    EXPECT_EQ(rows[1].Name, "Cid");
    EXPECT_EQ(rows[2].Name, "Ann");
}

}  // namespace
}  // namespace velmora
