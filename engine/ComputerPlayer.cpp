#include "engine/ComputerPlayer.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "engine/Game.h"

namespace velmora {

namespace {

bool TurnableCell(const Board& board, const TCardRef& entry) { return board.FaceDown(entry.Col, entry.Row); }

// Entry j's cell when it can be turned, else entry i's: the partner still face down.
CellPosition CardOfPair(const Board& board, const ComputerMemory& memory, int i, int j) {
    const TCardRef& chosen = TurnableCell(board, memory.Entry(j)) ? memory.Entry(j) : memory.Entry(i);
    return {chosen.Col, chosen.Row};
}

std::size_t PictureKey(const TCardRef& entry) { return static_cast<std::uint8_t>(entry.Picture); }

std::optional<CellPosition> RememberedPair(const Board& board, const ComputerMemory& memory, int span) {
    // Even without a span a player notices a pair formed by the last two cards turned.
    if (span == 0) {
        if (PairTest(board, memory, 1, 2)) return CardOfPair(board, memory, 1, 2);
        return std::nullopt;
    }
    // Only entries of the same picture can pair, so for each j only those i are tried, still in
    // rising order: the first pair found is the one the full j-then-i scan would find.
    std::array<int, 256> firstOfPicture{};              // 0: no entry
    std::array<int, ComputerMemory::Size + 1> nextOfPicture{};  // next entry of the same picture
    for (int i = span; i >= 1; --i) {
        int& first = firstOfPicture[PictureKey(memory.Entry(i))];
        nextOfPicture[static_cast<std::size_t>(i)] = first;
        first = i;
    }
    for (int j = 1; j <= span; ++j) {
        if (memory.Entry(j).Picture == 0) continue;  // a cleared entry pairs with nothing
        for (int i = firstOfPicture[PictureKey(memory.Entry(j))]; i != 0; i = nextOfPicture[static_cast<std::size_t>(i)]) {
            if (PairTest(board, memory, i, j)) return CardOfPair(board, memory, i, j);
        }
    }
    return std::nullopt;
}

std::vector<CellPosition> UnrememberedCards(const Board& board, const ComputerMemory& memory, int span) {
    // The cells named in the span, marked once, stand for NotRemembered on every cell.
    std::array<std::array<bool, Board::MaxSide + 1>, Board::MaxSide + 1> remembered{};
    for (int i = 1; i <= span; ++i) {
        const TCardRef& entry = memory.Entry(i);
        if (board.Contains(entry.Col, entry.Row)) {
            remembered[static_cast<std::size_t>(entry.Col)][static_cast<std::size_t>(entry.Row)] = true;
        }
    }
    std::vector<CellPosition> candidates;
    candidates.reserve(ComputerMemory::Size);
    for (int row = 1; row <= board.Rows(); ++row) {
        for (int col = 1; col <= board.Cols(); ++col) {
            if (candidates.size() == 100) return candidates;
            const bool known = remembered[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
            if (board.FaceDown(col, row) && !known) candidates.push_back({col, row});
        }
    }
    return candidates;
}

CellPosition AnyFaceDownCard(const Board& board, RandomSource& random) {
    for (;;) {
        const int col = static_cast<int>(random.Random(static_cast<std::uint32_t>(board.Cols()))) + 1;
        const int row = static_cast<int>(random.Random(static_cast<std::uint32_t>(board.Rows()))) + 1;
        if (board.FaceDown(col, row)) {
            random.Reseed();
            return {col, row};
        }
    }
}

}  // namespace

int MemorySpan(int iq) { return std::clamp(2 * iq, 0, ComputerMemory::Size); }

bool PairTest(const Board& board, const ComputerMemory& memory, int i, int j) {
    const TCardRef& a = memory.Entry(i);
    const TCardRef& b = memory.Entry(j);
    if (a.Picture != b.Picture) return false;
    if (a.Col == b.Col && a.Row == b.Row) return false;
    return TurnableCell(board, a) || TurnableCell(board, b);
}

bool NotRemembered(const ComputerMemory& memory, int span, int col, int row) {
    for (int i = 1; i <= span; ++i) {
        if (memory.Entry(i).Col == col && memory.Entry(i).Row == row) return false;
    }
    return true;
}

CellPosition ChooseComputerCard(const Board& board, const ComputerMemory& memory, int iq, RandomSource& random) {
    const int span = MemorySpan(iq);
    if (const std::optional<CellPosition> known = RememberedPair(board, memory, span)) return *known;
    const std::vector<CellPosition> candidates = UnrememberedCards(board, memory, span);
    if (!candidates.empty()) {
        return candidates[random.Random(static_cast<std::uint32_t>(candidates.size()))];
    }
    return AnyFaceDownCard(board, random);
}

void Game::ComputerFlip(int player) {
    // Without a face-down card there is nothing to choose; the random choice would never end.
    if (!board_.AnyFaceDown()) return;
    const CellPosition cell = ChooseComputerCard(board_, memory_, GamePlayer(player).IQ, random_);
    board_.Cell(cell.Col, cell.Row).FaceUp = 1;
    RegisterFlip(player, cell.Col, cell.Row);
    display_.DrawBoard();
}

}  // namespace velmora
