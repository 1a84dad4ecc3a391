#pragma once
// Every players window, each made when first opened (with the windows it opens in turn) and kept
// for the run. The main window holds one as a member and connects its menu commands to the methods
// below; the windows are parented to it so that they open over it.

#include "widgets/HelpHook.h"
#include "widgets/OnFirstUse.h"
#include "cardsets/CardSetFolders.h"

class QWidget;

namespace velmora {

class ChngPassword;
class DeletePlayer;
class Game;
class LoadedCardSet;
class NewGameDialog;
class NewGameHost;
class NewPlayer;
class Password;
class PlayerLibrary;
class Stats;
class TableOfPlayers;

class PlayersWindows {
public:
    PlayersWindows(PlayerLibrary& library, Game& game, LoadedCardSet& cardSet, const CardSetFolders& cardSets,
                   NewGameHost& host, HelpHook help, QWidget* parent);
    ~PlayersWindows();
    PlayersWindows(const PlayersWindows&) = delete;
    PlayersWindows& operator=(const PlayersWindows&) = delete;

    // At start-up: reads the player library, mending a damaged one, and tells the user once.
    void LoadLibraryAtStartUp(QWidget* parent);

    void New1Click();  // Game > New Game
    void Seebestplayers1Click();  // Game > Scoreboard
    void AddNewPlayer1Click();  // Edit > Add New Player
    void DeletePlayer1Click();  // Edit > Delete Player
    void AddPassword1Click();  // Edit > Add Password
    void ChangePassword1Click();  // Edit > Change/Delete Password
    void ShowPlayerStatistics(int position);  // players list double-click, Game Over's Stats

    // The windows, made on first use.
    NewGameDialog& NewGameWindow();
    Stats& StatsWindow();
    Password& PasswordPrompt();
    NewPlayer& NewPlayerWindow();
    TableOfPlayers& ScoreboardWindow();
    DeletePlayer& DeletePlayerWindow();
    ChngPassword& PasswordWindow();

private:
    PlayerLibrary& library_;
    // Declared before the windows that open them, so that they go last.
    OnFirstUse<Password> prompt_;
    OnFirstUse<NewPlayer> addPlayer_;
    OnFirstUse<Stats> stats_;
    OnFirstUse<TableOfPlayers> scoreboard_;
    OnFirstUse<DeletePlayer> deletePlayer_;
    OnFirstUse<ChngPassword> password_;
    OnFirstUse<NewGameDialog> newGame_;
};

}  // namespace velmora
