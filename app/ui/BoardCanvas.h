#pragma once
// Draws the game's cells into the board buffer as the game asks. In the high-contrast look the
// pressed mark is an outline, not an inversion, so undoing it means drawing the cell again as it
// was: the canvas remembers each cell's last look for that.

#include <QRect>
#include <array>
#include <functional>

#include "app/ui/BoardPainter.h"
#include "engine/Game.h"

namespace velmora {

class BoardCanvas {
public:
    using CellRect = std::function<QRect(int col, int row)>;  // in the pixels of the 100 % board

    BoardCanvas(BoardPainter& painter, const Game& game, CellRect cellRect);

    void DrawBoard();
    void DrawCell(int col, int row, bool highlighted);
    // Marks a cell pressed, or takes the mark away when it has one: twice restores the cell.
    void InvertCell(int col, int row);

private:
    struct Look {
        bool Highlighted = false;
        bool Pressed = false;
    };
    Look& LookOf(int col, int row);
    void Draw(int col, int row, Look look);

    BoardPainter& painter_;
    const Game& game_;
    CellRect cellRect_;
    std::array<Look, Board::MaxSide * Board::MaxSide> looks_{};
};

}  // namespace velmora
