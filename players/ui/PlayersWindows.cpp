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

namespace velmora {

PlayersWindows::PlayersWindows(PlayerLibrary& library, Game& game, LoadedCardSet& cardSet,
                               const CardSetFolders& cardSets, NewGameHost& host, HelpHook help, QWidget* parent)
    : library_(library),
      prompt_(std::make_unique<Password>(help, parent)),
      addPlayer_(std::make_unique<NewPlayer>(library, help, parent)),
      stats_(std::make_unique<Stats>(library, game, help, parent)),
      scoreboard_(std::make_unique<TableOfPlayers>(library, *stats_, help, parent)),
      deletePlayer_(std::make_unique<DeletePlayer>(library, *prompt_, help, parent)),
      password_(std::make_unique<ChngPassword>(library, help, parent)),
      newGame_(std::make_unique<NewGameDialog>(library, game, cardSet, cardSets, host,
                                               PlayerWindows{*addPlayer_, *prompt_, *stats_}, help, parent)) {}

// The windows are children of parent as well: Qt must not delete them a second time.
PlayersWindows::~PlayersWindows() {
    for (QObject* window : {static_cast<QObject*>(newGame_.get()), static_cast<QObject*>(password_.get()),
                            static_cast<QObject*>(deletePlayer_.get()), static_cast<QObject*>(scoreboard_.get()),
                            static_cast<QObject*>(stats_.get()), static_cast<QObject*>(addPlayer_.get()),
                            static_cast<QObject*>(prompt_.get())}) {
        window->setParent(nullptr);
    }
}

void PlayersWindows::LoadLibraryAtStartUp(QWidget* parent) {
    try {
        if (const std::optional<LibraryRepair> repair = library_.LoadAtStartUp())
            ShowWarning(parent, FromAnsi(LibraryRepairMessage(*repair)));
    } catch (const std::exception& error) {
        ShowError(parent, FromAnsi(error.what()) + "\nThe player library " + LibraryFileName +
                              " is damaged and could not be mended; its damaged end stays as it is.");
    }
}

void PlayersWindows::New1Click() { newGame_->Execute(); }
void PlayersWindows::Seebestplayers1Click() { scoreboard_->Execute(); }
void PlayersWindows::AddNewPlayer1Click() { addPlayer_->Execute(); }
void PlayersWindows::DeletePlayer1Click() { deletePlayer_->Execute(); }
void PlayersWindows::AddPassword1Click() { password_->ExecuteAdd(); }
void PlayersWindows::ChangePassword1Click() { password_->ExecuteChange(); }
void PlayersWindows::ShowPlayerStatistics(int position) { stats_->ShowPlayerStatistics(position); }

}  // namespace velmora
