// Turning cards with the mouse and the keyboard, and the cursor's pressed and highlighted look.
#include "engine/BoardInput.h"

#include "engine/Game.h"

namespace velmora {

namespace {

std::optional<CursorDirection> ArrowDirection(BoardKey key) {
    switch (key) {
        case BoardKey::Left:
            return CursorDirection::Left;
        case BoardKey::Right:
            return CursorDirection::Right;
        case BoardKey::Down:
            return CursorDirection::Down;
        case BoardKey::Up:
            return CursorDirection::Up;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<CellPosition> Game::HitTest(int x, int y) const {
    if (cardSize_.Width <= 0 || cardSize_.Height <= 0) return std::nullopt;
    // Checked before dividing: division toward zero would put a small negative offset in cell 1.
    if (x - boardLeft_ < 0 || y - boardTop_ < 0) return std::nullopt;
    const CellPosition cell{(x - boardLeft_) / cardSize_.Width + 1, (y - boardTop_) / cardSize_.Height + 1};
    if (!board_.Contains(cell.Col, cell.Row) || board_.Cell(cell.Col, cell.Row).OnBoard != 1) return std::nullopt;
    return cell;
}

void Game::MouseDown(int x, int y) {
    if (!inputReady_) return;
    const std::optional<CellPosition> cell = HitTest(x, y);
    if (!cell) return;
    mouseDownOnBoard_ = true;
    cursor_.SetBoth(*cell);
    InvertOneCell(*cell);
    display_.ShowBoard();
}

void Game::MouseMove(int x, int y) {
    const std::optional<CellPosition> cell = HitTest(x, y);
    if (!cell || *cell == cursor_.Previous()) return;
    if (!mouseDownOnBoard_ && !inputReady_) return;
    DrawOneCell(cursor_.Previous(), false);
    cursor_.SetBoth(*cell);
    DrawOneCell(*cell, true);
    if (mouseDownOnBoard_) InvertOneCell(*cell);  // the pressed look follows the pointer
    display_.ShowBoard();
}

void Game::MouseUp(int x, int y) {
    if (!inputReady_) return;
    mouseDownOnBoard_ = false;
    const std::optional<CellPosition> cell = HitTest(x, y);
    if (!cell) return;
    if (board_.Cell(cell->Col, cell->Row).FaceUp == 0) {
        sounds_.PlaySoundFile("sound1.wav");
        board_.Cell(cell->Col, cell->Row).FaceUp = 1;
        RegisterFlip(currentPlayer_, cell->Col, cell->Row);
    }
    display_.DrawBoard();
}

void Game::KeyDown(BoardKey key) {
    if (!inputReady_) return;
    if (const std::optional<CursorDirection> direction = ArrowDirection(key)) {
        StepCursor(board_, cursor_, *direction);
    } else if (key == BoardKey::Space) {
        BringCursorOntoBoard();
        spaceDown_ = true;
    }
    RedrawCursorMove(spaceDown_);
}

void Game::RedrawCursorMove(bool pressed) {
    DrawOneCell(cursor_.Previous(), false);
    DrawOneCell(cursor_.Cell(), true);
    if (pressed) InvertOneCell(cursor_.Cell());
    cursor_.PrevCol = cursor_.Col;
    cursor_.PrevRow = cursor_.Row;
    display_.ShowBoard();
}

void Game::KeyUp(BoardKey key) {
    if (!inputReady_ || key != BoardKey::Space) return;
    BringCursorOntoBoard();
    InvertOneCell(cursor_.Cell());
    spaceDown_ = false;
    if (board_.Cell(cursor_.Col, cursor_.Row).FaceUp == 1) {
        display_.ShowBoard();
        return;
    }
    TurnCardByHand(cursor_.Cell());
}

void Game::TurnCardByHand(CellPosition cell) {
    sounds_.PlaySoundFile("sound1.wav");
    RegisterFlip(currentPlayer_, cell.Col, cell.Row);
    board_.Cell(cell.Col, cell.Row).FaceUp = 1;
    MoveCursorAway(board_, cursor_);
    display_.DrawBoard();
}

// A cursor kept from a larger board may lie outside this one; Space never turns a cell there.
void Game::BringCursorOntoBoard() {
    if (board_.Contains(cursor_.Col, cursor_.Row)) return;
    cursor_.Col = std::min(cursor_.Col, board_.Cols());
    cursor_.Row = std::min(cursor_.Row, board_.Rows());
}

}  // namespace velmora
