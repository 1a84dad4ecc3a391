#include "engine/BoardCursor.h"

#include <cmath>

namespace velmora {

namespace {

struct NearestSearch {
    const Board& board;
    CellPosition from;
    CellPosition best{0, 0};
    double bestDistance = 1000000.0;
    bool found = false;

    void Visit(int col, int row) {
        if (!board.FaceDown(col, row)) return;
        const double dc = col - from.Col;
        const double dr = row - from.Row;
        const double distance = std::sqrt(dc * dc + dr * dr);
        if (distance > 0.0 && distance < bestDistance) {
            bestDistance = distance;
            best = {col, row};
            found = true;
        }
    }
};

// One line of the wedge at distance d: first toward lower indexes, then toward higher ones, each
// starting at the centre and stopping at the edge of the board.
template <typename VisitAt>
void SweepAcross(int centre, int d, int last, VisitAt visitAt) {
    for (int k = centre; k >= centre - d && k >= 1; --k) visitAt(k);
    for (int k = centre; k <= centre + d && k <= last; ++k) visitAt(k);
}

// Travels along one axis and sweeps the other. Travelling toward the board from a cursor left
// outside a smaller one still reaches the board: the Left and Up keys must lead back onto it.
void SearchWedge(NearestSearch& search, int step, bool horizontal) {
    const Board& board = search.board;
    const int along = horizontal ? search.from.Col : search.from.Row;
    const int across = horizontal ? search.from.Row : search.from.Col;
    const int alongLast = horizontal ? board.Cols() : board.Rows();
    const int acrossLast = horizontal ? board.Rows() : board.Cols();
    for (int a = along; step > 0 ? a <= alongLast : a >= 1; a += step) {
        const int d = (a - along) * step;
        SweepAcross(across, d, acrossLast, [&](int b) { horizontal ? search.Visit(a, b) : search.Visit(b, a); });
    }
}

}  // namespace

void BoardCursor::SetBoth(CellPosition cell) {
    Col = PrevCol = cell.Col;
    Row = PrevRow = cell.Row;
}

void StepCursor(const Board& board, BoardCursor& cursor, CursorDirection direction) {
    NearestSearch search{board, cursor.Cell()};
    const bool horizontal = direction == CursorDirection::Left || direction == CursorDirection::Right;
    const int step = (direction == CursorDirection::Right || direction == CursorDirection::Down) ? +1 : -1;
    SearchWedge(search, step, horizontal);
    if (search.found) {
        cursor.Col = search.best.Col;
        cursor.Row = search.best.Row;
    }
}

void MoveCursorAway(const Board& board, BoardCursor& cursor) {
    cursor.PrevCol = cursor.Col;
    cursor.PrevRow = cursor.Row;
    for (CursorDirection direction :
         {CursorDirection::Down, CursorDirection::Up, CursorDirection::Left, CursorDirection::Right}) {
        StepCursor(board, cursor, direction);
        if (cursor.Cell() != cursor.Previous()) break;
    }
    cursor.PrevCol = cursor.Col;
    cursor.PrevRow = cursor.Row;
}

}  // namespace velmora
