// Starting a game, registering turned cards, the timed flip delay, Restart Game and End Game.
#include <stdexcept>

#include "engine/Game.h"
#include "engine/GameTexts.h"

namespace velmora {

void Game::StartGame() {
    if (playerCount_ < 2 || board_.Cols() == 0) throw std::logic_error("StartGame on a game that is not set up");
    if (delayRunning_) StopDelay();  // a delay of another game must not act on this one
    chrome_.EnableMenu(GameMenu::Edit, false);
    chrome_.EnableMenu(GameMenu::RestartGame, false);
    chrome_.EnableMenu(GameMenu::NewGame, false);
    chrome_.EnableMenu(GameMenu::EndGame, true);
    for (TPlayerRecord& player : std::span(players_.data(), static_cast<std::size_t>(playerCount_))) {
        player.GamePoints = 0;
        player.GamePairs = 0;
    }
    memory_.Clear();
    display_.RefreshPlayerList();
    inputReady_ = true;
    board_.DealBoard(random_);
    currentPlayer_ = 1;
    cardsTurned_ = 0;
    mouseDownOnBoard_ = false;
    gameRunning_ = true;
    display_.DrawBoard();
    ShowTurnStatus();
    if (IsComputer(1) && !board_.BoardCleared()) ComputerFlip(1);
}

void Game::ShowTurnStatus() { chrome_.SetStatusText(TurnStatusText(GamePlayer(currentPlayer_))); }

void Game::ScoreTurn(int player, bool match) {
    TPlayerRecord& record = Player(player);
    record.TotalFlips += 1;
    if (match) {
        record.GamePoints += 1;
        record.GamePairs += 1;
        record.SuccessfulFlips += 1;
    }
}

void Game::RegisterFlip(int player, int col, int row) {
    const int k = ++cardsTurned_;
    const TCardRef card{col, row, board_.Cell(col, row).Picture};
    turnCards_.at(static_cast<std::size_t>(k - 1)) = card;
    memory_.PushMemory(card);
    if (k == 2) {
        cardsTurned_ = 0;
        tickCount_ = 0;
        const bool match = turnCards_[0].Picture == turnCards_[1].Picture;
        ScoreTurn(player, match);
        inputReady_ = false;
        cycleKind_ = match ? CycleKind::Match : CycleKind::Miss;
        StartDelay();
        // The turn passes at once; the status bar follows when the delay ends.
        if (!match) currentPlayer_ = currentPlayer_ == playerCount_ ? 1 : currentPlayer_ + 1;
    } else if (IsComputer(currentPlayer_)) {
        ComputerFlip(currentPlayer_);
    }
}

void Game::StartDelay() {
    delayRunning_ = true;
    timer_.StartTimer();
}

void Game::StopDelay() {
    delayRunning_ = false;
    timer_.StopTimer();
}

void Game::Timer1Timer() {
    if (!delayRunning_ || !chrome_.MainWindowActive()) return;
    tickCount_ += 1;
    if (cycleKind_ == CycleKind::Match) BlinkTurnCards();
    if (tickCount_ == flipDelay_ / 4) {
        sounds_.PlaySoundFile(cycleKind_ == CycleKind::Miss ? "sound2.wav" : "sound3.wav");
    }
    if (tickCount_ >= flipDelay_) {
        if (cycleKind_ == CycleKind::Miss) {
            EndMissDelay();
        } else {
            EndMatchDelay();
        }
    }
    if (gameRunning_ && board_.BoardCleared()) FinishGame();
}

void Game::BlinkTurnCards() {
    blinkDraw_ = true;
    InvertOneCell({turnCards_[0].Col, turnCards_[0].Row});
    InvertOneCell({turnCards_[1].Col, turnCards_[1].Row});
    blinkDraw_ = false;
    display_.ShowBoard();
}

void Game::EndMissDelay() {
    tickCount_ = 0;
    StopDelay();
    board_.Cell(turnCards_[0].Col, turnCards_[0].Row).FaceUp = 0;
    board_.Cell(turnCards_[1].Col, turnCards_[1].Row).FaceUp = 0;
    LetComputerMoveAfterDelay();
}

void Game::EndMatchDelay() {
    tickCount_ = 0;
    StopDelay();
    board_.Cell(turnCards_[1].Col, turnCards_[1].Row).OnBoard = 0;
    board_.Cell(turnCards_[0].Col, turnCards_[0].Row).OnBoard = 0;
    MoveCursorAway(board_, cursor_);
    LetComputerMoveAfterDelay();
}

void Game::LetComputerMoveAfterDelay() {
    inputReady_ = true;
    display_.DrawBoard();
    ShowTurnStatus();
    display_.RefreshPlayerList();
    if (IsComputer(currentPlayer_) && !board_.BoardCleared()) ComputerFlip(currentPlayer_);
}

void Game::Restart1Click() {
    if (gameRunning_ || playerCount_ < 2 || board_.Cols() == 0) return;
    if (!dialogs_.Confirm(PlayAgainQuestion())) return;
    ComputeBoardOrigin(dialogs_.RestoreGameCardSet());
    StartGame();
}

void Game::EndGame1Click() {
    if (!gameRunning_) return;
    if (!dialogs_.Confirm(EndGameQuestion())) return;
    StopDelay();
    chrome_.EnableMenu(GameMenu::NewGame, true);
    chrome_.EnableMenu(GameMenu::RestartGame, true);
    chrome_.EnableMenu(GameMenu::EndGame, false);
    inputReady_ = false;
    gameRunning_ = false;
    showFaces_ = false;
    display_.DrawBoard();
    showFaces_ = true;
    chrome_.SetStatusText(GameEndedStatusText());
    chrome_.EnableMenu(GameMenu::Edit, true);
}

}  // namespace velmora
