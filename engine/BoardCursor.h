#pragma once
// The keyboard cursor and its moves from card to card.

#include "engine/Board.h"

namespace velmora {

enum class CursorDirection { Left = 0, Right = 1, Down = 2, Up = 3 };

struct BoardCursor {
    int Col = 1;
    int Row = 1;
    int PrevCol = 1;  // where the cursor was last drawn
    int PrevRow = 1;

    CellPosition Cell() const { return {Col, Row}; }
    CellPosition Previous() const { return {PrevCol, PrevRow}; }
    void SetBoth(CellPosition cell);
};

// Moves the cursor to the nearest face-down card inside the 90-degree wedge that opens from it in
// the direction given; ties go to the cell visited first. Stays put when there is none.
void StepCursor(const Board& board, BoardCursor& cursor, CursorDirection direction);

// After a card leaves play: down, else up, else left, else right; the previous cursor follows.
void MoveCursorAway(const Board& board, BoardCursor& cursor);

}  // namespace velmora
