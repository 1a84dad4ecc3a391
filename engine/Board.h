#pragma once
// The board: a fixed 10 x 10 array of cells, of which the current format uses the first
// Cols() columns and Rows() rows. Columns and rows count from 1.

#include <array>
#include <cstdint>

#include "engine/RandomSource.h"

namespace velmora {

struct TBoardCell {
    std::uint8_t FaceUp = 0;   // during the deal: already dealt
    std::uint8_t OnBoard = 0;  // 0 once the pair has been found
    std::uint8_t Picture = 0;  // image index of the face, 1..Pairs
};

struct TCardRef {
    std::int32_t Col = 0;
    std::int32_t Row = 0;
    std::int32_t Picture = 0;
};

struct CellPosition {
    int Col = 0;
    int Row = 0;
    friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

class Board {
public:
    static constexpr int MaxSide = 10;

    int Cols() const { return cols_; }
    int Rows() const { return rows_; }
    void SetSize(int cols, int rows);

    // Inside the columns and rows of the current format.
    bool Contains(int col, int row) const;
    // Any cell of the 10 x 10 array; std::out_of_range outside it.
    TBoardCell& Cell(int col, int row);
    const TBoardCell& Cell(int col, int row) const;
    // Inside the format, on the board and face down: a card that can be turned.
    bool FaceDown(int col, int row) const;
    bool AnyFaceDown() const;

    // Deals pictures 1..Pairs, each twice, face down over the format; reseeds before every pair.
    void DealBoard(RandomSource& random);
    // No card of the format is left on the board.
    bool BoardCleared() const;

private:
    std::array<std::array<TBoardCell, MaxSide>, MaxSide> cells_{};  // [col - 1][row - 1]
    int cols_ = 0;
    int rows_ = 0;
};

}  // namespace velmora
