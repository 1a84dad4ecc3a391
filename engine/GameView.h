#pragma once
// Everything the engine asks of the main window, in five small roles, so that a test fakes only
// the role it looks at. The window draws what Game::CellImage and Game::CellHighlighted say; it
// decides nothing about the game itself.

#include <string>

#include "text/Phrase.h"

namespace velmora {

enum class GameMenu { NewGame, RestartGame, EndGame, Edit };

struct CardSize {
    int Width = 0;
    int Height = 0;
};

// The board and the players list.
class GameDisplay {
public:
    virtual ~GameDisplay() = default;
    virtual void DrawBoard() = 0;                                   // compose every cell into the buffer, then ShowBoard
    virtual void DrawCell(int col, int row, bool highlighted) = 0;  // one cell into the buffer
    virtual void InvertCell(int col, int row) = 0;                  // XOR one cell in the buffer; twice restores it
    virtual void ShowBoard() = 0;                                   // copy the buffer to the screen
    virtual void RefreshPlayerList() = 0;                           // rebuild the list from Game::PlayerListRows
};

class GameSounds {
public:
    virtual ~GameSounds() = default;
    virtual void PlaySoundFile(const std::string& name) = 0;  // asynchronous, only while sound is on
};

class TurnTimer {
public:
    virtual ~TurnTimer() = default;
    virtual void StartTimer() = 0;  // 75 ms ticks that call Game::Timer1Timer
    virtual void StopTimer() = 0;
};

// What the window shows around the board: the status line and the game's menu items.
class GameChrome {
public:
    virtual ~GameChrome() = default;
    virtual void SetStatusText(const Phrase& text) = 0;
    virtual void EnableMenu(GameMenu item, bool enabled) = 0;
    virtual bool MainWindowActive() const = 0;  // false while a dialog or another program has focus
};

class GameDialogs {
public:
    virtual ~GameDialogs() = default;
    virtual bool Confirm(const Phrase& question) = 0;                                  // Yes/No box; true for Yes
    virtual void ShowGameOver(const Phrase& winnerSentence, int libraryPosition) = 0;  // modal; 0: not in library
    virtual CardSize RestoreGameCardSet() = 0;  // reload the game's set if another is loaded; its card size
};

// A window that plays every role, as the main window does.
class GameView : public GameDisplay, public GameSounds, public TurnTimer, public GameChrome, public GameDialogs {};

// The roles a game talks to. A view that plays them all stands for each; a test that looks at one
// role passes its fake for that one and a HeadlessView for the rest.
struct GameViews {
    // Not explicit, so that a view that plays every role is handed over as itself.
    GameViews(GameView& view) : GameViews(view, view, view, view, view) {}
    GameViews(GameDisplay& display, GameSounds& sounds, TurnTimer& timer, GameChrome& chrome, GameDialogs& dialogs)
        : Display(display), Sounds(sounds), Timer(timer), Chrome(chrome), Dialogs(dialogs) {}

    GameDisplay& Display;
    GameSounds& Sounds;
    TurnTimer& Timer;
    GameChrome& Chrome;
    GameDialogs& Dialogs;
};

}  // namespace velmora
