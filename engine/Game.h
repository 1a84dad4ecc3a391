#pragma once
// The one game: board, players of the game, turn state, the computer players' memory, the
// keyboard cursor and the random source, with the turn and flip cycle that runs on them.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/Board.h"
#include "engine/BoardCursor.h"
#include "engine/BoardInput.h"
#include "engine/ComputerMemory.h"
#include "engine/GameRecords.h"
#include "engine/GameView.h"
#include "engine/RandomSource.h"
#include "players/PlayerRecord.h"

namespace velmora {

enum class CycleKind { Miss = 0, Match = 1 };

struct PlayerListRow {
    std::string Name;
    int Pairs = 0;
};

class Game {
public:
    static constexpr int MaxGamePlayers = 9;

    Game(GameViews views, GameRecords& records, Clock& clock);

    // Setting up, before StartGame: players in turn order, format, card size of the loaded set.
    void SetGamePlayers(std::span<const TPlayerRecord> players);
    void SetFormat(int formatIndex);
    void ComputeBoardOrigin(CardSize card);
    // Read on every tick, so a change applies to a delay already running.
    void SetFlipDelay(int ticks);

    // The turn and flip cycle.
    void StartGame();
    void RegisterFlip(int player, int col, int row);
    void ShowTurnStatus();
    void Timer1Timer();
    void Restart1Click();
    void EndGame1Click();
    void ComputerFlip(int player);
    void FinishGame();

    // Board input from the window: pixel positions inside the board area, keys.
    std::optional<CellPosition> HitTest(int x, int y) const;
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);
    void KeyDown(BoardKey key);
    void KeyUp(BoardKey key);

    // What the window draws: the image of a cell (nothing for removed cells and cells outside
    // the format) and whether it carries the cursor highlight.
    std::optional<int> CellImage(int col, int row) const;
    bool CellHighlighted(int col, int row) const;
    std::vector<PlayerListRow> PlayerListRows() const;

    const Board& GameBoard() const { return board_; }
    Board& GameBoard() { return board_; }
    ComputerMemory& Memory() { return memory_; }
    const ComputerMemory& Memory() const { return memory_; }
    RandomSource& Random() { return random_; }
    BoardCursor& Cursor() { return cursor_; }
    const BoardCursor& Cursor() const { return cursor_; }

    int GamePlayerCount() const { return playerCount_; }
    const TPlayerRecord& GamePlayer(int position) const;
    std::span<const TPlayerRecord> GamePlayers() const;
    int CurrentPlayer() const { return currentPlayer_; }
    int CardsTurned() const { return cardsTurned_; }
    const TCardRef& TurnCard(int k) const { return turnCards_.at(static_cast<std::size_t>(k - 1)); }
    bool InputReady() const { return inputReady_; }
    enum CycleKind Cycle() const { return cycleKind_; }
    int TickCount() const { return tickCount_; }
    bool DelayRunning() const { return delayRunning_; }
    bool GameRunning() const { return gameRunning_; }
    int FlipDelay() const { return flipDelay_; }
    int BoardLeft() const { return boardLeft_; }
    int BoardTop() const { return boardTop_; }
    CardSize CardSizeOfSet() const { return cardSize_; }

private:
    TPlayerRecord& Player(int position);
    bool IsComputer(int position) const;
    void RestoreMenusAfterGame();
    void StartDelay();
    void StopDelay();
    void EndMissDelay();
    void EndMatchDelay();
    void LetComputerMoveAfterDelay();
    void BlinkTurnCards();
    void ScoreTurn(int player, bool match);
    void AnnounceWinner(int winner);
    void AnnounceWinners(const std::vector<int>& winners);
    // Drawing through the display, limited to cells of the format and following the look rules.
    void DrawOneCell(CellPosition cell, bool highlighted);
    void InvertOneCell(CellPosition cell);
    void RedrawCursorMove(bool pressed);
    void TurnCardByHand(CellPosition cell);
    void BringCursorOntoBoard();

    GameDisplay& display_;
    GameSounds& sounds_;
    TurnTimer& timer_;
    GameChrome& chrome_;
    GameDialogs& dialogs_;
    GameRecords& records_;
    RandomSource random_;
    Board board_;
    std::array<TPlayerRecord, MaxGamePlayers> players_{};
    int playerCount_ = 0;
    int currentPlayer_ = 1;
    int cardsTurned_ = 0;
    std::array<TCardRef, 2> turnCards_{};
    bool inputReady_ = false;
    enum CycleKind cycleKind_ = CycleKind::Miss;
    int tickCount_ = 0;
    ComputerMemory memory_;
    BoardCursor cursor_;
    CardSize cardSize_;
    int boardLeft_ = 0;
    int boardTop_ = 0;
    int flipDelay_ = 20;
    bool delayRunning_ = false;
    bool gameRunning_ = false;
    bool showFaces_ = true;
    bool blinkDraw_ = false;
    bool mouseDownOnBoard_ = false;
    bool spaceDown_ = false;
};

}  // namespace velmora
