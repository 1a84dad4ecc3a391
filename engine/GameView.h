#pragma once
// Everything the engine asks of the main window. The window draws what Game::CellImage and
// Game::CellHighlighted say; it decides nothing about the game itself.

#include <string>

#include "text/Phrase.h"

namespace velmora {

enum class GameMenu { NewGame, RestartGame, EndGame, Edit };

struct CardSize {
    int Width = 0;
    int Height = 0;
};

class GameView {
public:
    virtual ~GameView() = default;

    virtual void DrawBoard() = 0;                                   // compose every cell into the buffer, then ShowBoard
    virtual void DrawCell(int col, int row, bool highlighted) = 0;  // one cell into the buffer
    virtual void InvertCell(int col, int row) = 0;                  // XOR one cell in the buffer; twice restores it
    virtual void ShowBoard() = 0;                                   // copy the buffer to the screen
    virtual void RefreshPlayerList() = 0;                           // rebuild the list from Game::PlayerListRows
    virtual void PlaySoundFile(const std::string& name) = 0;        // asynchronous, only while sound is on
    virtual void SetStatusText(const Phrase& text) = 0;
    virtual void EnableMenu(GameMenu item, bool enabled) = 0;
    virtual void StartTimer() = 0;                                  // 75 ms ticks that call Game::Timer1Timer
    virtual void StopTimer() = 0;
    virtual bool MainWindowActive() const = 0;                      // false while a dialog or another program has focus
    virtual bool Confirm(const Phrase& question) = 0;               // Yes/No box; true for Yes
    virtual void ShowGameOver(const Phrase& winnerSentence, int libraryPosition) = 0;  // modal; 0: not in library
    virtual CardSize RestoreGameCardSet() = 0;  // reload the game's set if another is loaded; its card size
};

}  // namespace velmora
