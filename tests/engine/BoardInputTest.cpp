#include <gtest/gtest.h>

#include "tests/engine/GameFixture.h"

namespace velmora {
namespace {

using testing::Computer;
using testing::GameFixture;
using testing::Human;

using BoardInput = GameFixture;

std::string CellName(CellPosition cell) { return std::to_string(cell.Col) + "," + std::to_string(cell.Row); }

TEST_F(BoardInput, HitTestFindsCardsOnlyInsideTheBoardAndNeverInTheMargins) {
    Start({Human("Ann"), Human("Bob")});
    ASSERT_EQ(game.BoardLeft(), 20);
    ASSERT_EQ(game.BoardTop(), 7);
    EXPECT_EQ(game.HitTest(20, 7), (CellPosition{1, 1}));
    EXPECT_EQ(game.HitTest(519, 366), (CellPosition{5, 4}));
    EXPECT_EQ(game.HitTest(120, 97), (CellPosition{2, 2}));
    EXPECT_FALSE(game.HitTest(19, 50));   // a small negative offset would divide to cell 1
    EXPECT_FALSE(game.HitTest(50, 6));
    EXPECT_FALSE(game.HitTest(520, 50));  // beside the cards
    EXPECT_FALSE(game.HitTest(50, 367));
    game.GameBoard().Cell(1, 1).OnBoard = 0;
    EXPECT_FALSE(game.HitTest(20, 7));
}

TEST_F(BoardInput, ClickTurnsAFaceDownCardWithItsSoundAndAFaceUpCardOnlyRedraws) {
    Start({Human("Ann"), Human("Bob")});
    const CellPosition card = SomePair().first;
    view.calls.clear();
    Click(card);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"InvertCell " + CellName(card), "ShowBoard", "Sound sound1.wav",
                                                    "DrawBoard"}));
    EXPECT_EQ(game.GameBoard().Cell(card.Col, card.Row).FaceUp, 1);
    EXPECT_EQ(game.CardsTurned(), 1);
    EXPECT_EQ(game.Memory().Entry(1).Col, card.Col);

    view.calls.clear();
    Click(card);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ShowBoard", "DrawBoard"}));  // a face-up card is not inverted
    EXPECT_EQ(game.CardsTurned(), 1);
    EXPECT_EQ(game.GamePlayer(1).TotalFlips, 0);
}

TEST_F(BoardInput, ReleasingOnAnotherCardAfterDraggingTurnsThatCard) {
    Start({Human("Ann"), Human("Bob")});
    const auto [x1, y1] = CentreOf({1, 1});
    const auto [x2, y2] = CentreOf({2, 1});
    game.MouseDown(x1, y1);
    view.calls.clear();
    game.MouseMove(x2, y2);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"DrawCell 1,1", "DrawCell 2,1 highlighted", "InvertCell 2,1",
                                                    "ShowBoard"}));
    game.MouseUp(x2, y2);
    EXPECT_EQ(game.GameBoard().Cell(1, 1).FaceUp, 0);
    EXPECT_EQ(game.GameBoard().Cell(2, 1).FaceUp, 1);
}

TEST_F(BoardInput, ReleasingOffTheBoardTurnsNothingAndLaterMovesShowNoPressedLook) {
    Start({Human("Ann"), Human("Bob")});
    const auto [x1, y1] = CentreOf({1, 1});
    game.MouseDown(x1, y1);
    game.MouseUp(530, 370);
    EXPECT_EQ(game.CardsTurned(), 0);
    view.calls.clear();
    const auto [x2, y2] = CentreOf({3, 2});
    game.MouseMove(x2, y2);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"DrawCell 1,1", "DrawCell 3,2 highlighted", "ShowBoard"}));
    EXPECT_EQ(game.Cursor().Cell(), (CellPosition{3, 2}));
}

TEST_F(BoardInput, NoCardIsTurnedWhileInputIsClosed) {
    Start({Human("Ann"), Human("Bob")});
    const auto [a, b] = SomeMiss();
    Click(a);
    Click(b);
    ASSERT_TRUE(game.DelayRunning());
    Click(SomePair().first);
    game.KeyDown(BoardKey::Space);
    game.KeyUp(BoardKey::Space);
    EXPECT_EQ(game.CardsTurned(), 0);
    EXPECT_EQ(game.GamePlayer(1).TotalFlips, 1);
}

TEST_F(BoardInput, ArrowsSkipCardsOutOfPlayAndSpaceTurnsTheCursorCardThenMovesAway) {
    Start({Human("Ann"), Human("Bob")});
    game.Cursor().SetBoth({1, 1});
    game.GameBoard().Cell(2, 1).FaceUp = 1;
    for (const CellPosition removed : {CellPosition{2, 2}, CellPosition{3, 1}, CellPosition{3, 2}, CellPosition{3, 3}}) {
        game.GameBoard().Cell(removed.Col, removed.Row) = {1, 0, 0};
    }
    view.calls.clear();
    game.KeyDown(BoardKey::Right);
    EXPECT_EQ(game.Cursor().Cell(), (CellPosition{4, 1}));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"DrawCell 1,1", "DrawCell 4,1 highlighted", "ShowBoard"}));

    view.calls.clear();
    game.KeyDown(BoardKey::Space);
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"DrawCell 4,1", "DrawCell 4,1 highlighted", "InvertCell 4,1", "ShowBoard"}));
    view.calls.clear();
    game.KeyUp(BoardKey::Space);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"InvertCell 4,1", "Sound sound1.wav", "DrawBoard"}));
    EXPECT_EQ(game.GameBoard().Cell(4, 1).FaceUp, 1);
    EXPECT_EQ(game.TurnCard(1).Col, 4);
    EXPECT_EQ(game.Cursor().Cell(), (CellPosition{4, 2}));  // the nearest face-down card below

    game.Cursor().SetBoth({2, 1});
    view.calls.clear();
    game.KeyDown(BoardKey::Space);
    game.KeyUp(BoardKey::Space);
    EXPECT_EQ(game.CardsTurned(), 1);  // a face-up card is not turned again
    EXPECT_EQ(view.calls.back(), "ShowBoard");
}

TEST_F(BoardInput, SpaceWithTheCursorLeftOutsideASmallerBoardNeverTurnsACellOutsideIt) {
    Start({Human("Ann"), Human("Bob")}, 0);
    game.Cursor().SetBoth({9, 8});
    view.calls.clear();
    game.KeyDown(BoardKey::Space);
    game.KeyUp(BoardKey::Space);
    for (const std::string& call : view.calls) EXPECT_EQ(call.find("9,8"), std::string::npos) << call;
    EXPECT_EQ(game.GameBoard().Cell(9, 8).FaceUp, 0);
    EXPECT_EQ(game.TurnCard(1).Col, 5);
    EXPECT_EQ(game.TurnCard(1).Row, 4);
    EXPECT_EQ(game.GameBoard().Cell(5, 4).FaceUp, 1);
}

TEST_F(BoardInput, CursorHighlightOnlyForAHumanToMoveWithNoDelayRunning) {
    Start({Human("Ann"), Human("Bob")});
    const auto [a, b] = SomeMiss();
    game.Cursor().SetBoth(a);
    EXPECT_TRUE(game.CellHighlighted(a.Col, a.Row));
    EXPECT_FALSE(game.CellHighlighted(b.Col, b.Row));
    EXPECT_EQ(game.CellImage(a.Col, a.Row), 0);
    Click(a);
    Click(b);
    EXPECT_EQ(game.CellImage(a.Col, a.Row), game.GameBoard().Cell(a.Col, a.Row).Picture);
    game.Cursor().SetBoth(SomePair().first);
    EXPECT_FALSE(game.CellHighlighted(game.Cursor().Col, game.Cursor().Row));  // the delay runs
    EXPECT_FALSE(game.CellImage(7, 7).has_value());                          // outside the format
}

TEST_F(BoardInput, ComputerPlayerMovingFirstTurnsBothItsCardsAtStart) {
    Start({Computer("Robo", 5), Human("Ann")});
    EXPECT_TRUE(game.DelayRunning());
    EXPECT_FALSE(game.InputReady());
    EXPECT_EQ(game.GamePlayer(1).TotalFlips, 1);
    EXPECT_EQ(game.Memory().Entry(2).Picture, game.TurnCard(1).Picture);
    EXPECT_FALSE(game.CellHighlighted(game.Cursor().Col, game.Cursor().Row));
}

}  // namespace
}  // namespace velmora
