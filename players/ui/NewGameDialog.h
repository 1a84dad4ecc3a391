#pragma once
// The New Game dialog: step 1 chooses two to nine players, step 2 a card set and a board size;
// Start sets the game up and starts it.

#include <QDialog>
#include <filesystem>
#include <string>
#include <vector>

#include "cardsets/CardSetFolders.h"
#include "players/GameLineup.h"
#include "players/PlayerLibrary.h"
#include "widgets/HelpHook.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class Game;
class LoadedCardSet;
class NewGameHost;
class NewPlayer;
class Password;
class Stats;

// The windows the dialog opens from step 1.
struct PlayerWindows {
    NewPlayer& addPlayer;
    Password& prompt;
    Stats& stats;
};

class NewGameDialog : public QDialog {
    Q_OBJECT
public:
    NewGameDialog(PlayerLibrary& library, Game& game, LoadedCardSet& cardSet, CardSetFolders folders,
                  NewGameHost& host, PlayerWindows windows, HelpHook help, QWidget* parent = nullptr);

    // Game > New Game: prepares both steps and shows the dialog modally at step 1. The dialog
    // starts the game itself; nothing is left for the caller to do.
    void Execute();

    const GameLineup& Lineup() const { return lineup_; }

    // Closing by any means returns the dialog to step 1.
    void done(int result) override;

private:
    QGroupBox* BuildStep1();
    QGroupBox* BuildStep2();
    QGroupBox* BuildDetails();
    QWidget* BuildButtons(const HelpHook& help);
    bool PrepareSteps();
    void ReloadLibraryList();
    void ShowLineup();
    void ShowStep(int step);
    void ChooseSet(int index);
    void ShowDetails();
    void FillSizes(int preselected);

    void AddPlayerToGame();
    void RemovePlayerFromGame();
    void RemoveAllPlayers();
    void AddPlayerClick();
    void DeletePlayerClick();
    void StatsClick();
    void NextClick();
    void StartClick();
    int SelectedLibraryPosition() const;  // 0: none

    PlayerLibrary& library_;
    Game& game_;
    LoadedCardSet& cardSet_;
    CardSetFolders folders_;
    NewGameHost& host_;
    PlayerWindows windows_;
    GameLineup lineup_;
    std::vector<std::string> libraryLines_;
    std::vector<std::string> sets_;
    std::vector<int> formats_;

    QGroupBox* step1_;
    QGroupBox* step2_;
    QListWidget* playersToPlay_;
    QListWidget* libraryList_;
    QComboBox* setList_;
    QComboBox* sizeList_;
    QLineEdit* author_;
    QLineEdit* language_;
    QLineEdit* email_;
    QLineEdit* web_;
    QPlainTextEdit* notes_;
    QPushButton* next_;
    QPushButton* back_;
    QPushButton* start_;
};

}  // namespace velmora
