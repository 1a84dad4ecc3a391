// Placeholder until the computer player is written: it turns the first face-down card it finds.
#include "engine/Game.h"

namespace velmora {

void Game::ComputerFlip(int player) {
    for (int row = 1; row <= board_.Rows(); ++row) {
        for (int col = 1; col <= board_.Cols(); ++col) {
            if (!board_.FaceDown(col, row)) continue;
            board_.Cell(col, row).FaceUp = 1;
            RegisterFlip(player, col, row);
            view_.DrawBoard();
            return;
        }
    }
}

}  // namespace velmora
