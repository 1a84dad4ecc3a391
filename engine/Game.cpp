#include "engine/Game.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "formats/Formats.h"

namespace velmora {

Game::Game(GameViews views, GameRecords& records, Clock& clock)
    : display_(views.Display),
      sounds_(views.Sounds),
      timer_(views.Timer),
      chrome_(views.Chrome),
      dialogs_(views.Dialogs),
      records_(records),
      random_(clock) {}

void Game::SetGamePlayers(std::span<const TPlayerRecord> players) {
    if (players.size() < 2 || players.size() > MaxGamePlayers) throw std::invalid_argument("A game has 2 to 9 players");
    std::ranges::copy(players, players_.begin());
    playerCount_ = static_cast<int>(players.size());
}

void Game::SetFormat(int formatIndex) {
    const TFormat& format = Formats.at(static_cast<std::size_t>(formatIndex));
    board_.SetSize(format.Cols, format.Rows);
}

void Game::ComputeBoardOrigin(CardSize card) {
    cardSize_ = card;
    boardLeft_ = (BoardAreaWidth - board_.Cols() * card.Width) / 2;
    boardTop_ = (BoardAreaHeight - board_.Rows() * card.Height) / 2;
}

void Game::SetFlipDelay(int ticks) { flipDelay_ = std::max(1, ticks); }

const TPlayerRecord& Game::GamePlayer(int position) const {
    if (position < 1 || position > playerCount_) throw std::out_of_range("No such game player");
    return players_[static_cast<std::size_t>(position - 1)];
}

TPlayerRecord& Game::Player(int position) { return const_cast<TPlayerRecord&>(std::as_const(*this).GamePlayer(position)); }

std::span<const TPlayerRecord> Game::GamePlayers() const {
    return std::span<const TPlayerRecord>(players_.data(), static_cast<std::size_t>(playerCount_));
}

bool Game::IsComputer(int position) const { return GamePlayer(position).IsHuman == 0; }

std::optional<int> Game::CellImage(int col, int row) const {
    if (!board_.Contains(col, row)) return std::nullopt;
    const TBoardCell& cell = board_.Cell(col, row);
    if (cell.OnBoard != 1) return std::nullopt;
    return (cell.FaceUp == 1 && showFaces_) ? cell.Picture : 0;
}

bool Game::CellHighlighted(int col, int row) const {
    const bool humanToMove = playerCount_ > 0 && !IsComputer(currentPlayer_);
    return cursor_.Cell() == CellPosition{col, row} && humanToMove && !delayRunning_ && showFaces_ &&
           board_.FaceDown(col, row);
}

std::vector<PlayerListRow> Game::PlayerListRows() const {
    std::vector<PlayerListRow> rows;
    for (const TPlayerRecord& player : GamePlayers()) rows.push_back({player.Name.Text(), player.GamePairs});
    std::ranges::stable_sort(rows, std::ranges::greater{}, &PlayerListRow::Pairs);
    return rows;
}

void Game::DrawOneCell(CellPosition cell, bool highlighted) {
    if (!board_.Contains(cell.Col, cell.Row)) return;  // a cursor left outside a smaller board is not drawn
    display_.DrawCell(cell.Col, cell.Row, highlighted && board_.Cell(cell.Col, cell.Row).FaceUp == 0);
}

void Game::InvertOneCell(CellPosition cell) {
    if (!board_.Contains(cell.Col, cell.Row)) return;
    if (board_.Cell(cell.Col, cell.Row).FaceUp == 1 && !blinkDraw_) return;
    display_.InvertCell(cell.Col, cell.Row);
}

}  // namespace velmora
