#include <gtest/gtest.h>

#include "engine/BoardCursor.h"

namespace velmora {
namespace {

// A board of the given size on which only the listed cells are face down.
Board BoardWith(int cols, int rows, std::initializer_list<CellPosition> faceDown) {
    Board board;
    board.SetSize(cols, rows);
    for (int col = 1; col <= Board::MaxSide; ++col) {
        for (int row = 1; row <= Board::MaxSide; ++row) board.Cell(col, row) = {1, 0, 0};
    }
    for (const CellPosition cell : faceDown) board.Cell(cell.Col, cell.Row) = {0, 1, 1};
    return board;
}

CellPosition Step(const Board& board, CellPosition from, CursorDirection direction) {
    BoardCursor cursor;
    cursor.SetBoth(from);
    StepCursor(board, cursor, direction);
    return cursor.Cell();
}

TEST(StepCursor, SearchesOnlyTheWedgeInTheDirectionOfTravel) {
    const Board board = BoardWith(5, 4, {{3, 2}, {2, 3}});
    EXPECT_EQ(Step(board, {1, 1}, CursorDirection::Right), (CellPosition{3, 2}));  // (2,3) is outside the wedge
    EXPECT_EQ(Step(board, {1, 1}, CursorDirection::Down), (CellPosition{2, 3}));
    EXPECT_EQ(Step(board, {5, 4}, CursorDirection::Left), (CellPosition{3, 2}));
    EXPECT_EQ(Step(board, {2, 4}, CursorDirection::Up), (CellPosition{2, 3}));
}

TEST(StepCursor, StaysAtTheEdgeAndWhenNothingLiesAhead) {
    const Board board = BoardWith(5, 4, {{1, 1}, {3, 3}});
    EXPECT_EQ(Step(board, {5, 2}, CursorDirection::Right), (CellPosition{5, 2}));
    EXPECT_EQ(Step(board, {4, 1}, CursorDirection::Up), (CellPosition{4, 1}));
    EXPECT_EQ(Step(board, {4, 3}, CursorDirection::Right), (CellPosition{4, 3}));
}

TEST(StepCursor, EqualDistancesGoToTheCellVisitedFirst) {
    EXPECT_EQ(Step(BoardWith(5, 4, {{3, 2}, {3, 4}}), {2, 3}, CursorDirection::Right), (CellPosition{3, 2}));
    EXPECT_EQ(Step(BoardWith(5, 4, {{1, 3}, {3, 3}}), {2, 2}, CursorDirection::Down), (CellPosition{1, 3}));
    // The wedge edge counts: (4, 4) lies on it, two columns right and two rows down.
    EXPECT_EQ(Step(BoardWith(5, 4, {{4, 4}}), {2, 2}, CursorDirection::Right), (CellPosition{4, 4}));
}

TEST(StepCursor, SkipsRemovedAndFaceUpCardsAndNeverTakesItsOwnCell) {
    Board board = BoardWith(5, 4, {{2, 1}, {3, 1}, {5, 1}});
    board.Cell(2, 1).FaceUp = 1;
    board.Cell(3, 1).OnBoard = 0;
    board.Cell(3, 1).FaceUp = 1;
    EXPECT_EQ(Step(board, {1, 1}, CursorDirection::Right), (CellPosition{5, 1}));
    EXPECT_EQ(Step(BoardWith(5, 4, {{1, 1}}), {1, 1}, CursorDirection::Right), (CellPosition{1, 1}));
}

TEST(StepCursor, LeftAndUpLeadBackOntoASmallerBoard) {
    const Board board = BoardWith(5, 4, {{5, 4}, {1, 1}});
    EXPECT_EQ(Step(board, {9, 4}, CursorDirection::Left), (CellPosition{5, 4}));
    EXPECT_EQ(Step(board, {5, 9}, CursorDirection::Up), (CellPosition{5, 4}));
    EXPECT_EQ(Step(board, {9, 9}, CursorDirection::Right), (CellPosition{9, 9}));
}

TEST(MoveCursorAway, TriesDownThenUpThenLeftThenRight) {
    BoardCursor cursor;
    cursor.SetBoth({3, 2});
    MoveCursorAway(BoardWith(5, 4, {{3, 1}, {3, 4}, {1, 2}}), cursor);
    EXPECT_EQ(cursor.Cell(), (CellPosition{3, 4}));
    EXPECT_EQ(cursor.Previous(), cursor.Cell());

    cursor.SetBoth({3, 2});
    MoveCursorAway(BoardWith(5, 4, {{3, 1}, {1, 2}}), cursor);
    EXPECT_EQ(cursor.Cell(), (CellPosition{3, 1}));

    cursor.SetBoth({3, 2});
    MoveCursorAway(BoardWith(5, 4, {{5, 2}, {1, 2}}), cursor);
    EXPECT_EQ(cursor.Cell(), (CellPosition{1, 2}));

    cursor.SetBoth({3, 2});
    MoveCursorAway(BoardWith(5, 4, {{5, 2}}), cursor);
    EXPECT_EQ(cursor.Cell(), (CellPosition{5, 2}));

    cursor.SetBoth({3, 2});
    MoveCursorAway(BoardWith(5, 4, {}), cursor);
    EXPECT_EQ(cursor.Cell(), (CellPosition{3, 2}));
}

}  // namespace
}  // namespace velmora
