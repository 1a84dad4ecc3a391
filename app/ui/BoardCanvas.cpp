#include "app/ui/BoardCanvas.h"

#include <utility>

namespace velmora {

BoardCanvas::BoardCanvas(BoardPainter& painter, const Game& game, CellRect cellRect)
    : painter_(painter), game_(game), cellRect_(std::move(cellRect)) {}

BoardCanvas::Look& BoardCanvas::LookOf(int col, int row) {
    return looks_.at(static_cast<std::size_t>((col - 1) * Board::MaxSide + (row - 1)));
}

void BoardCanvas::Draw(int col, int row, Look look) {
    LookOf(col, row) = look;
    if (const auto image = game_.CellImage(col, row))
        painter_.DrawCard(cellRect_(col, row), *image, look.Highlighted, look.Pressed);
}

void BoardCanvas::DrawBoard() {
    painter_.DrawBackground();
    const Board& board = game_.GameBoard();
    for (int col = 1; col <= board.Cols(); ++col)
        for (int row = 1; row <= board.Rows(); ++row) Draw(col, row, {game_.CellHighlighted(col, row), false});
}

void BoardCanvas::DrawCell(int col, int row, bool highlighted) { Draw(col, row, {highlighted, false}); }

void BoardCanvas::InvertCell(int col, int row) {
    if (!painter_.HighContrast()) {
        painter_.Invert(cellRect_(col, row));
        return;
    }
    const Look look = LookOf(col, row);
    Draw(col, row, {look.Highlighted, !look.Pressed});
}

}  // namespace velmora
