#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "engine/ComputerPlayer.h"
#include "tests/engine/GameFixture.h"

namespace velmora {
namespace {

using testing::Computer;
using testing::FixedClock;
using testing::GameFixture;
using testing::Human;

// Cells of the Junior board used below; cards with the same letter form a pair.
constexpr CellPosition A1{1, 1}, A2{2, 1}, B1{3, 1}, B2{4, 1}, C1{5, 1}, C2{1, 2}, D1{2, 2}, D2{3, 2};
constexpr CellPosition P1{4, 2}, P2{5, 2}, X1{1, 3}, X1b{4, 3}, X2{2, 3}, X2b{5, 3}, X3{3, 3}, X3b{1, 4};
constexpr CellPosition Y1{2, 4}, Y2{3, 4}, Z1{4, 4}, Z2{5, 4};

struct CardOf {
    CellPosition cell;
    int picture;
};
const std::vector<CardOf> FullLayout{{A1, 1},  {A2, 1},  {B1, 2},  {B2, 2},  {C1, 3}, {C2, 3}, {D1, 4},
                                     {D2, 4},  {P1, 5},  {P2, 5},  {X1, 6},  {X1b, 6}, {X2, 7}, {X2b, 7},
                                     {X3, 8},  {X3b, 8}, {Y1, 9},  {Y2, 9},  {Z1, 10}, {Z2, 10}};

// Only the listed cells stay face down; every other card of the format has left the board.
void Arrange(Board& board, const std::vector<CellPosition>& faceDown) {
    for (int col = 1; col <= board.Cols(); ++col) {
        for (int row = 1; row <= board.Rows(); ++row) board.Cell(col, row) = {1, 0, 0};
    }
    for (const CardOf& card : FullLayout) {
        if (std::ranges::find(faceDown, card.cell) != faceDown.end()) {
            board.Cell(card.cell.Col, card.cell.Row) = {0, 1, static_cast<std::uint8_t>(card.picture)};
        }
    }
}

std::vector<CellPosition> AllCells() {
    std::vector<CellPosition> cells;
    for (const CardOf& card : FullLayout) cells.push_back(card.cell);
    return cells;
}

// Pushes the cards oldest first, so the last one becomes entry 1.
void Remember(ComputerMemory& memory, const Board& board, const std::vector<CellPosition>& cards) {
    memory.Clear();
    for (const CellPosition cell : cards) memory.PushMemory({cell.Col, cell.Row, board.Cell(cell.Col, cell.Row).Picture});
}

struct ComputerTurn {
    CellPosition first;
    CellPosition second;
};

class ComputerPlayerTest : public GameFixture {
protected:
    // Ann misses; while her delay runs the board and the memory are replaced, and at its end the
    // computer player, whose turn it now is, turns its two cards on them.
    ComputerTurn TurnAfterAnn(int iq, const std::vector<CellPosition>& faceDown,
                              const std::vector<CellPosition>& remembered, std::uint32_t seed) {
        Start({Human("Ann"), Computer("Robo", iq)}, 0, 5);
        const auto [a, b] = SomeMiss();
        Click(a);
        Click(b);
        Arrange(game.GameBoard(), faceDown);
        Remember(game.Memory(), game.GameBoard(), remembered);
        game.Random().SetState(seed);
        RunDelay();
        EXPECT_TRUE(game.DelayRunning()) << "the computer player did not turn two cards";
        return {{game.TurnCard(1).Col, game.TurnCard(1).Row}, {game.TurnCard(2).Col, game.TurnCard(2).Row}};
    }
};

TEST_F(ComputerPlayerTest, FullSpanTakesAPairSeenLongAgoAndTheCardItRemembersAloneIsLeft) {
    std::vector<CellPosition> seen{A1};
    for (int i = 0; i < 11; ++i) seen.insert(seen.end(), {B1, C1, D1, P1, X1, X2, X3, Y1});
    seen.push_back(A2);  // entries: 1 = A2, 2..89 singles, 90 = A1
    const ComputerTurn turn = TurnAfterAnn(50, AllCells(), seen, 1);
    EXPECT_EQ(turn.first, A2);
    EXPECT_EQ(turn.second, A1);
    EXPECT_EQ(game.Cycle(), CycleKind::Match);
    EXPECT_EQ(game.GamePlayer(2).GamePoints, 1);
    EXPECT_EQ(view.Status(), "Robo plays. It has 0 points.");  // the status follows when the delay ends
    RunDelay();
    EXPECT_EQ(view.Status().rfind("Robo plays. It has 1 point.", 0), 0u);  // and it moves again

    // A span of 88 no longer reaches A1: A2 alone is a remembered card and is not turned first.
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        EXPECT_NE(TurnAfterAnn(44, AllCells(), seen, seed).first, A2) << "seed " << seed;
    }
}

TEST_F(ComputerPlayerTest, IqZeroTurnsARandomFirstCardAndCompletesOnlyWithTheCardTurnedJustBefore) {
    int completedByMemory = 0;
    int otherFirsts = 0;
    int otherCompleted = 0;
    for (std::uint32_t seed = 1; seed <= 120; ++seed) {
        const ComputerTurn turn = TurnAfterAnn(0, {A1, A2, B1, B2, C1, C2}, {A1, B1}, seed * 2654435761u);
        if (turn.first == B2) {
            EXPECT_EQ(turn.second, B1) << "seed " << seed;
            ++completedByMemory;
        } else {
            ++otherFirsts;
            otherCompleted += game.Cycle() == CycleKind::Match ? 1 : 0;
        }
    }
    EXPECT_GT(completedByMemory, 0);
    EXPECT_GT(otherFirsts, 0);
    EXPECT_LT(otherCompleted, otherFirsts);  // A1, two cards back, is not remembered
}

TEST_F(ComputerPlayerTest, IqOneSeesOnlyItsFirstCardAndTheCardBeforeIt) {
    int completedB = 0;
    for (std::uint32_t seed = 1; seed <= 120; ++seed) {
        const ComputerTurn turn = TurnAfterAnn(1, {A1, A2, B1, B2, C1, C2, D1, D2}, {C1, A1, B1}, seed * 104729u);
        EXPECT_NE(turn.first, A1);  // remembered without partner: never turned first
        EXPECT_NE(turn.first, B1);
        EXPECT_EQ(turn.first == B2, turn.second == B1) << "seed " << seed;
        completedB += turn.first == B2 ? 1 : 0;
    }
    EXPECT_GT(completedB, 0);
}

TEST_F(ComputerPlayerTest, PartnerAtTheLastPlaceOfTheSpanIsForgottenWhenTheFirstCardEntersTheMemory) {
    const std::vector<CellPosition> faceDown{P1, P2, X1, X1b, X2, X2b, X3, X3b, Y1, Y2};
    const std::vector<CellPosition> seen{P1, X1, X2, X3};  // P1 is entry 4
    int p2First = 0;
    int p2Completed = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        const ComputerTurn withFour = TurnAfterAnn(2, faceDown, seen, seed * 2654435761u);
        // Remembered cards come second only as the partner of the first.
        EXPECT_EQ(withFour.second == X1, withFour.first == X1b) << "seed " << seed;
        EXPECT_EQ(withFour.second == X2, withFour.first == X2b) << "seed " << seed;
        if (withFour.first == P2) {
            ++p2First;
            p2Completed += withFour.second == P1 ? 1 : 0;
        }
        const ComputerTurn withSix = TurnAfterAnn(3, faceDown, seen, seed * 2654435761u);
        if (withSix.first == P2) {
            EXPECT_EQ(withSix.second, P1) << "seed " << seed;
        }
    }
    EXPECT_GT(p2First, 0);
    EXPECT_LT(p2Completed, p2First);
}

TEST_F(ComputerPlayerTest, TwoComputerPlayersInARowEachTurnBothCardsAtTheEndOfTheDelay) {
    Start({Human("Ann"), Computer("Robo", 0), Computer("Tin", 0)}, 0, 5);
    PlayMiss();
    // Robo has turned both its cards; at the end of a miss Tin is named and turns its two at once.
    ASSERT_TRUE(game.DelayRunning());
    EXPECT_EQ(game.GamePlayer(2).TotalFlips, 1);
    if (game.Cycle() == CycleKind::Miss) {
        RunDelay();
        EXPECT_EQ(view.Status(), "Tin plays. It has 0 points.");
        EXPECT_TRUE(game.DelayRunning());
        EXPECT_EQ(game.GamePlayer(3).TotalFlips, 1);
    }
}

TEST(ComputerChoice, EveryFaceDownCardRememberedFallsBackToAnyFaceDownCardAndReseeds) {
    FixedClock clock({1, 2, 3, 4});
    RandomSource random(clock);
    Board board;
    board.SetSize(5, 4);
    Arrange(board, {A1, B1});  // partners gone: no pair can be known
    ComputerMemory memory;
    Remember(memory, board, {A1, B1});
    int pickedA = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        random.SetState(seed * 40503u);
        const CellPosition card = ChooseComputerCard(board, memory, 5, random);
        EXPECT_TRUE(card == A1 || card == B1);
        EXPECT_EQ(random.State(), ((1u * 60 + 2) * 60 + 3) * 1000 + 4);
        pickedA += card == A1 ? 1 : 0;
    }
    EXPECT_GT(pickedA, 0);
    EXPECT_LT(pickedA, 40);
}

// The pair search the rules describe: j runs over the span and, for each j, i runs over it too.
std::optional<CellPosition> FirstPairByFullScan(const Board& board, const ComputerMemory& memory, int span) {
    const int last = std::max(span, 2);
    for (int j = span == 0 ? 2 : 1; j <= last; ++j) {
        for (int i = 1; i <= (span == 0 ? 1 : span); ++i) {
            if (!PairTest(board, memory, i, j)) continue;
            const TCardRef& card = board.FaceDown(memory.Entry(j).Col, memory.Entry(j).Row) ? memory.Entry(j) : memory.Entry(i);
            return CellPosition{card.Col, card.Row};
        }
    }
    return std::nullopt;
}

TEST(ComputerChoice, FindsTheSamePairAsTheFullScanOfEveryPositionPair) {
    FixedClock clock;
    RandomSource random(clock);
    random.SetState(2024);
    int pairsFound = 0;
    for (int trial = 0; trial < 400; ++trial) {
        Board board;
        board.SetSize(10, 10);
        board.DealBoard(random);
        for (int k = 0; k < 30; ++k) {  // some cards turned up or gone
            TBoardCell& cell = board.Cell(static_cast<int>(random.Random(10)) + 1, static_cast<int>(random.Random(10)) + 1);
            cell.FaceUp = 1;
            cell.OnBoard = static_cast<std::uint8_t>(random.Random(2));
        }
        ComputerMemory memory;
        const auto seen = static_cast<int>(random.Random(101));
        for (int k = 0; k < seen; ++k) {
            const int col = static_cast<int>(random.Random(10)) + 1;
            const int row = static_cast<int>(random.Random(10)) + 1;
            memory.PushMemory({col, row, board.Cell(col, row).Picture});
        }
        if (!board.AnyFaceDown()) continue;
        const int iq = trial % 51;
        const std::optional<CellPosition> expected = FirstPairByFullScan(board, memory, MemorySpan(iq));
        if (!expected) continue;
        ++pairsFound;
        RandomSource unused(clock);
        EXPECT_EQ(ChooseComputerCard(board, memory, iq, unused), *expected) << "trial " << trial;
    }
    EXPECT_GT(pairsFound, 100);
}

TEST(ComputerChoice, PairTestNeedsTwoCellsOfOnePictureAndOneOfThemFaceDown) {
    Board board;
    board.SetSize(5, 4);
    Arrange(board, {A1, A2, B1});
    ComputerMemory memory;
    EXPECT_FALSE(PairTest(board, memory, 1, 2));  // cleared entries
    Remember(memory, board, {A1, A1, A2, B1});
    EXPECT_FALSE(PairTest(board, memory, 3, 4));  // A1 twice: the same cell
    EXPECT_TRUE(PairTest(board, memory, 2, 3));
    EXPECT_FALSE(PairTest(board, memory, 1, 2));
    board.Cell(A1.Col, A1.Row).FaceUp = 1;
    EXPECT_TRUE(PairTest(board, memory, 2, 3));
    board.Cell(A2.Col, A2.Row).FaceUp = 1;
    EXPECT_FALSE(PairTest(board, memory, 2, 3));
    EXPECT_TRUE(NotRemembered(memory, 0, B1.Col, B1.Row));
    EXPECT_FALSE(NotRemembered(memory, 1, B1.Col, B1.Row));
    EXPECT_EQ(MemorySpan(255), 100);  // an IQ from a damaged file stays inside the memory
}

}  // namespace
}  // namespace velmora
