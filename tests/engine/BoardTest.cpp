#include <gtest/gtest.h>

#include "engine/Board.h"
#include "engine/ComputerMemory.h"
#include "formats/Formats.h"
#include "tests/engine/FixedClock.h"

namespace velmora {
namespace {

using testing::FixedClock;

TEST(RandomSource, FollowsTheGeneratorFormula) {
    FixedClock clock;
    RandomSource random(clock);
    random.SetState(1);
    // S1 = 1 * 134775813 + 1 = 134775814; 134775814 * 1000 / 2^32 = 31.38
    EXPECT_EQ(random.Random(1000), 31u);
    EXPECT_EQ(random.State(), 134775814u);
    // S2 = 134775814 * 134775813 + 1 mod 2^32 = 3698175007; * 1000 / 2^32 = 861.05
    EXPECT_EQ(random.Random(1000), 861u);
    // S3 = 870078620; * 7 / 2^32 = 1.42
    EXPECT_EQ(random.Random(7), 1u);
    EXPECT_EQ(random.State(), 870078620u);
    EXPECT_EQ(random.Random(0), 0u);
}

TEST(RandomSource, ReseedsFromTheMillisecondsOfTheDay) {
    FixedClock clock({13, 45, 30, 250});
    RandomSource random(clock);
    random.Reseed();
    EXPECT_EQ(random.State(), ((13u * 60 + 45) * 60 + 30) * 1000 + 250);
    clock.Set({23, 59, 59, 999});
    random.Reseed();
    EXPECT_EQ(random.State(), 86399999u);
}

TEST(Board, DealOfEveryFormatPutsEachPictureTwiceFaceDownInsideTheFormat) {
    for (const TimeOfDay time : {TimeOfDay{0, 0, 0, 0}, TimeOfDay{13, 45, 30, 250}}) {
        for (const TFormat& format : Formats) {
            SCOPED_TRACE(format.Name);
            FixedClock clock(time);
            RandomSource random(clock);
            Board board;
            board.SetSize(format.Cols, format.Rows);
            board.DealBoard(random);
            std::vector<int> seen(static_cast<std::size_t>(format.Pairs) + 1, 0);
            for (int col = 1; col <= Board::MaxSide; ++col) {
                for (int row = 1; row <= Board::MaxSide; ++row) {
                    const TBoardCell& cell = board.Cell(col, row);
                    EXPECT_EQ(cell.FaceUp, 0);
                    EXPECT_EQ(cell.OnBoard, 1);
                    if (board.Contains(col, row)) {
                        ASSERT_GE(cell.Picture, 1);
                        ASSERT_LE(cell.Picture, format.Pairs);
                        ++seen[cell.Picture];
                    } else {
                        EXPECT_EQ(cell.Picture, 0);
                    }
                }
            }
            for (int p = 1; p <= format.Pairs; ++p) EXPECT_EQ(seen[static_cast<std::size_t>(p)], 2) << "picture " << p;
        }
    }
}

TEST(Board, ClearedWhenNoCardOfTheFormatIsOnTheBoardWhateverFaceUpHolds) {
    FixedClock clock;
    RandomSource random(clock);
    Board board;
    board.SetSize(5, 4);
    board.DealBoard(random);
    EXPECT_FALSE(board.BoardCleared());
    for (int col = 1; col <= 5; ++col) {
        for (int row = 1; row <= 4; ++row) {
            board.Cell(col, row).OnBoard = 0;
            board.Cell(col, row).FaceUp = static_cast<std::uint8_t>((col + row) % 2);
        }
    }
    EXPECT_TRUE(board.BoardCleared());  // the cells outside the format keep OnBoard 1
    board.Cell(5, 4).OnBoard = 1;
    EXPECT_FALSE(board.BoardCleared());
}

TEST(Board, RejectsSizesOutsideTheArrayAndCellsOutsideIt) {
    Board board;
    EXPECT_THROW(board.SetSize(11, 4), std::invalid_argument);
    EXPECT_THROW(board.SetSize(5, 3), std::invalid_argument);
    EXPECT_THROW(board.Cell(0, 1), std::out_of_range);
    EXPECT_THROW(board.Cell(1, 11), std::out_of_range);
}

TEST(ComputerMemory, PushOnAFullListDropsTheOldestAndKeepsTheOrder) {
    ComputerMemory memory;
    for (int i = 1; i <= 100; ++i) memory.PushMemory({i, i, i});
    EXPECT_EQ(memory.Entry(1).Col, 100);
    EXPECT_EQ(memory.Entry(100).Col, 1);
    memory.PushMemory({7, 8, 9});
    EXPECT_EQ(memory.Entry(1).Picture, 9);
    for (int i = 2; i <= 100; ++i) EXPECT_EQ(memory.Entry(i).Col, 102 - i);
    memory.Clear();
    EXPECT_EQ(memory.Entry(1).Picture, 0);
    EXPECT_THROW(memory.Entry(101), std::out_of_range);
}

}  // namespace
}  // namespace velmora
