// The end of a game: winners, the status texts, the Game Over window, statistics into the library.
#include "engine/GameEnd.h"

#include "engine/Game.h"
#include "engine/GameTexts.h"

namespace velmora {

std::vector<int> DecideWinners(std::span<const TPlayerRecord> players) {
    std::int32_t most = -1;
    std::size_t first = 0;
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (players[i].GamePoints > most) {
            most = players[i].GamePoints;
            first = i;
        }
    }
    std::vector<int> winners;
    for (std::size_t i = first; i < players.size(); ++i) {
        if (players[i].GamePoints == most) winners.push_back(static_cast<int>(i) + 1);
    }
    return winners;
}

void Game::RestoreMenusAfterGame() {
    chrome_.EnableMenu(GameMenu::NewGame, true);
    chrome_.EnableMenu(GameMenu::EndGame, false);
    chrome_.EnableMenu(GameMenu::Edit, true);
    chrome_.EnableMenu(GameMenu::RestartGame, true);
}

void Game::AnnounceWinner(int winner) {
    TPlayerRecord& record = Player(winner);
    const std::string name = record.Name.Text();
    chrome_.SetStatusText(SingleWinnerStatusText(name));
    sounds_.PlaySoundFile("sound4.wav");
    record.GamesWon += 1;
    dialogs_.ShowGameOver(WinnerSentence(name), records_.LibraryPosition(name));
}

void Game::AnnounceWinners(const std::vector<int>& winners) {
    std::vector<std::string> names;
    for (const int winner : winners) {
        names.push_back(GamePlayer(winner).Name.Text());
        Player(winner).GamesWon += 1;
    }
    chrome_.SetStatusText(SeveralWinnersStatusText(names));
}

void Game::FinishGame() {
    gameRunning_ = false;
    for (int i = 1; i <= playerCount_; ++i) Player(i).GamesPlayed += 1;
    const std::vector<int> winners = DecideWinners(GamePlayers());
    if (winners.size() == 1) {
        AnnounceWinner(winners.front());
    } else if (static_cast<int>(winners.size()) < playerCount_) {
        AnnounceWinners(winners);
    } else {
        chrome_.SetStatusText(NoWinnersStatusText());
    }
    RestoreMenusAfterGame();
    records_.StoreFinishedGame(GamePlayers());
}

}  // namespace velmora
