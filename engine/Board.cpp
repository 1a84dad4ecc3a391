#include "engine/Board.h"

#include <stdexcept>

namespace velmora {

namespace {

void DealOneCard(Board& board, RandomSource& random, std::uint8_t picture) {
    for (;;) {
        const int col = static_cast<int>(random.Random(static_cast<std::uint32_t>(board.Cols()))) + 1;
        const int row = static_cast<int>(random.Random(static_cast<std::uint32_t>(board.Rows()))) + 1;
        TBoardCell& cell = board.Cell(col, row);
        if (cell.FaceUp == 0) {
            cell.FaceUp = 1;
            cell.Picture = picture;
            return;
        }
    }
}

}  // namespace

void Board::SetSize(int cols, int rows) {
    if (cols < 1 || cols > MaxSide || rows < 1 || rows > MaxSide || (cols * rows) % 2 != 0) {
        throw std::invalid_argument("Board size outside the formats");
    }
    cols_ = cols;
    rows_ = rows;
}

bool Board::Contains(int col, int row) const { return col >= 1 && col <= cols_ && row >= 1 && row <= rows_; }

TBoardCell& Board::Cell(int col, int row) {
    if (col < 1 || col > MaxSide || row < 1 || row > MaxSide) throw std::out_of_range("Cell outside the board");
    return cells_[static_cast<std::size_t>(col - 1)][static_cast<std::size_t>(row - 1)];
}

const TBoardCell& Board::Cell(int col, int row) const { return const_cast<Board*>(this)->Cell(col, row); }

bool Board::FaceDown(int col, int row) const {
    if (!Contains(col, row)) return false;
    const TBoardCell& cell = Cell(col, row);
    return cell.OnBoard == 1 && cell.FaceUp == 0;
}

bool Board::AnyFaceDown() const {
    for (int col = 1; col <= cols_; ++col) {
        for (int row = 1; row <= rows_; ++row) {
            if (FaceDown(col, row)) return true;
        }
    }
    return false;
}

void Board::DealBoard(RandomSource& random) {
    for (auto& column : cells_) column.fill(TBoardCell{0, 1, 0});
    const auto pairs = static_cast<std::uint8_t>(rows_ * cols_ / 2);
    for (std::uint8_t picture = 1; picture <= pairs; ++picture) {
        random.Reseed();
        DealOneCard(*this, random, picture);
        DealOneCard(*this, random, picture);
    }
    for (auto& column : cells_) {
        for (TBoardCell& cell : column) cell.FaceUp = 0;
    }
}

bool Board::BoardCleared() const {
    for (int col = 1; col <= cols_; ++col) {
        for (int row = 1; row <= rows_; ++row) {
            if (Cell(col, row).OnBoard == 1) return false;
        }
    }
    return true;
}

}  // namespace velmora
