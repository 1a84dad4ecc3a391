// The main window's own windows, About and Game Over: made when first opened, so that start-up
// builds only what the first frame shows.
#include <memory>

#include "app/ui/ExitUnit.h"
#include "app/ui/MainWindow.h"
#include "engine/ui/GameOver.h"
#include "widgets/Modal.h"

namespace velmora {

MainWindow::~MainWindow() = default;

TExitForm& MainWindow::AboutWindow() { return about_.Get(); }

GameOver& MainWindow::GameOverWindow() { return gameOver_.Get(); }

std::unique_ptr<GameOver> MainWindow::MakeGameOver() {
    auto window = std::make_unique<GameOver>(this);
    window->onHelp = help_;
    window->onStats = [this](int position) { showPlayerStatistics(position); };
    return window;
}

void MainWindow::About1Click() { RunModal(AboutWindow()); }

void MainWindow::ShowGameOver(const Phrase& winnerSentence, int libraryPosition) {
    GameOver& window = GameOverWindow();
    window.SetWinner(winnerSentence, libraryPosition);
    RunModal(window);
}

}  // namespace velmora
