// Placeholder until the end of a game is written: the game stops and the menus come back.
#include "engine/Game.h"
#include "engine/GameTexts.h"

namespace velmora {

void Game::RestoreMenusAfterGame() {
    view_.EnableMenu(GameMenu::NewGame, true);
    view_.EnableMenu(GameMenu::EndGame, false);
    view_.EnableMenu(GameMenu::Edit, true);
    view_.EnableMenu(GameMenu::RestartGame, true);
}

void Game::FinishGame() {
    gameRunning_ = false;
    view_.SetStatusText(GameEndedStatusText);
    RestoreMenusAfterGame();
}

}  // namespace velmora
