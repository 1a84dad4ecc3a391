#include "players/ui/PlayersWindows.h"

#include "players/LibraryFile.h"
#include "players/PlayerLibrary.h"
#include "widgets/AnsiText.h"
#include "widgets/Messages.h"

#include "players/ui/ChngPassword.h"
#include "players/ui/DeletePlayer.h"
#include "players/ui/NewGameDialog.h"
#include "players/ui/NewPlayer.h"
#include "players/ui/Password.h"
#include "players/ui/TableOfPlayers.h"
#include "players/ui/stats.h"
#include "widgets/Translation.h"

namespace velmora {

PlayersWindows::PlayersWindows(PlayerLibrary& library, Game& game, LoadedCardSet& cardSet,
                               const CardSetFolders& cardSets, NewGameHost& host, HelpHook help, QWidget* parent)
    : library_(library),
      prompt_([help, parent] { return std::make_unique<Password>(help, parent); }),
      addPlayer_([&library, help, parent] { return std::make_unique<NewPlayer>(library, help, parent); }),
      stats_([&library, &game, help, parent] { return std::make_unique<Stats>(library, game, help, parent); }),
      scoreboard_([this, &library, help, parent] {
          return std::make_unique<TableOfPlayers>(library, StatsWindow(), help, parent);
      }),
      deletePlayer_([this, &library, help, parent] {
          return std::make_unique<DeletePlayer>(library, PasswordPrompt(), help, parent);
      }),
      password_([&library, help, parent] { return std::make_unique<ChngPassword>(library, help, parent); }),
      newGame_([this, &library, &game, &cardSet, cardSets, &host, help, parent] {
          return std::make_unique<NewGameDialog>(library, game, cardSet, cardSets, host,
                                                 PlayerWindows{NewPlayerWindow(), PasswordPrompt(), StatsWindow()},
                                                 help, parent);
      }) {}

// The windows are children of parent as well; a child deleted first leaves its parent's list.
PlayersWindows::~PlayersWindows() = default;

NewGameDialog& PlayersWindows::NewGameWindow() { return newGame_.Get(); }
Stats& PlayersWindows::StatsWindow() { return stats_.Get(); }
Password& PlayersWindows::PasswordPrompt() { return prompt_.Get(); }
NewPlayer& PlayersWindows::NewPlayerWindow() { return addPlayer_.Get(); }
TableOfPlayers& PlayersWindows::ScoreboardWindow() { return scoreboard_.Get(); }
DeletePlayer& PlayersWindows::DeletePlayerWindow() { return deletePlayer_.Get(); }
ChngPassword& PlayersWindows::PasswordWindow() { return password_.Get(); }

void PlayersWindows::LoadLibraryAtStartUp(QWidget* parent) {
    try {
        if (const std::optional<LibraryRepair> repair = library_.LoadAtStartUp())
            ShowWarning(parent, Translated(LibraryRepairMessage(*repair)));
    } catch (const std::exception& error) {
        ShowError(parent, Translated(VELMORA_TR("Players", "%1\nThe player library %2 is damaged and could not be "
                                                           "mended; its damaged end stays as it is."))
                              .arg(FromAnsi(error.what()), LibraryFileName));
    }
}

void PlayersWindows::New1Click() { NewGameWindow().Execute(); }
void PlayersWindows::Seebestplayers1Click() { ScoreboardWindow().Execute(); }
void PlayersWindows::AddNewPlayer1Click() { NewPlayerWindow().Execute(); }
void PlayersWindows::DeletePlayer1Click() { DeletePlayerWindow().Execute(); }
void PlayersWindows::AddPassword1Click() { PasswordWindow().ExecuteAdd(); }
void PlayersWindows::ChangePassword1Click() { PasswordWindow().ExecuteChange(); }
void PlayersWindows::ShowPlayerStatistics(int position) { StatsWindow().ShowPlayerStatistics(position); }

}  // namespace velmora
