#pragma once
// The Game Over window: congratulates the single winner of a game and offers the winner's
// statistics. The main window fills the three hooks.

#include <QDialog>
#include <functional>

#include "text/Phrase.h"
#include "widgets/HelpHook.h"

class QLabel;
class QPushButton;

namespace velmora {

class GameOver : public QDialog {
public:
    static constexpr int ClientWidth = 328;
    static constexpr int ClientHeight = 182;
    static constexpr const char* HelpKeyword = "gameover_w";

    explicit GameOver(QWidget* parent = nullptr);

    // The winner sentence and the winner's library position (0: not in the library).
    void SetWinner(const Phrase& sentence, int libraryPosition);
    int LibraryPosition() const { return libraryPosition_; }

    std::function<void(int libraryPosition)> onStats;  // opens the statistics window
    HelpHook onHelp;                                    // its Help button and F1
    std::function<void()> onClosed;                     // however the window closes

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Layout();
    void PlaceControls(int extraWidth, int extraHeight);
    static int ButtonWidth(const QPushButton& button);
    void StatsClicked();

    QWidget* panel_;
    QLabel* congratulations_;
    QLabel* sentence_;
    QLabel* logo_;
    QPushButton* statsButton_;
    QPushButton* closeButton_;
    QPushButton* helpButton_;
    Phrase winner_;
    int libraryPosition_ = 0;
};

}  // namespace velmora
