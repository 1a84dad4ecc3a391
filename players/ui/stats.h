#pragma once
// The statistics window: one player's kind, games and turns, with two percentage bars.

#include <QDialog>

#include "players/PlayerLibrary.h"
#include "widgets/HelpHook.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace velmora {

class Game;

class Stats : public QDialog {
    Q_OBJECT
public:
    Stats(PlayerLibrary& library, const Game& game, HelpHook help, QWidget* parent = nullptr);

    // Shows the player at this 1-based library position, with the counters of a running game
    // merged in (in memory only). A position with no player shows nothing.
    void ShowPlayerStatistics(int position);

private:
    QLineEdit* AddRow(const char* labelName, const QString& caption, const char* boxName, QProgressBar* gauge = nullptr);
    void Fill(const TPlayerRecord& player);

    PlayerLibrary& library_;
    const Game& game_;
    QLabel* name_;
    QLineEdit* playerType_;
    QLineEdit* details_;
    QLineEdit* gamesPlayed_;
    QLineEdit* gamesWon_;
    QLineEdit* totalFlips_;
    QLineEdit* successfulFlips_;
    QProgressBar* winsGauge_;
    QProgressBar* flipsGauge_;
    QGridLayout* rows_;
    QPushButton* closeButton_;
};

}  // namespace velmora
