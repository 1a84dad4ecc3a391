#include "app/ui/ScriptedGame.h"

#include <QApplication>
#include <QDialog>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "app/ui/BoardView.h"
#include "widgets/CommandGuard.h"
#include "app/ui/MainWindow.h"
#include "widgets/Messages.h"
#include "widgets/Modal.h"
#include "app/ui/OpenCardSet.h"
#include "cardsets/CardSetFolder.h"
#include "cardsets/CardSetFolders.h"
#include "engine/GameEnd.h"

namespace velmora {
namespace {

class PrintedMessages : public Messages {
public:
    MessageAnswer Show(QWidget*, MessageKind kind, const QString& text) override {
        std::printf("message: %s\n", text.toLocal8Bit().constData());
        if (kind == MessageKind::YesNo) return MessageAnswer::Yes;
        return MessageAnswer::Ok;
    }
};

class PassingModal : public ModalRunner {
public:
    int Run(QDialog& dialog) override {
        std::printf("window: %s\n", dialog.objectName().toLocal8Bit().constData());
        return QDialog::Rejected;
    }
};

// Players of this name are the hook's own; a library that already has them keeps its records.
std::vector<TPlayerRecord> ScriptedPlayers(PlayerLibrary& library, bool people = false) {
    std::vector<TPlayerRecord> players;
    const auto names = people ? std::array{"Scripted Cat", "Scripted Dan"} : std::array{"Scripted Ann", "Scripted Bob"};
    for (const char* name : names) {
        if (library.FindLibraryPlayer(name) == 0) {
            const Phrase refused = library.AppendPlayer({name, "", false, people, 25});
            if (!refused.Empty()) throw std::runtime_error(refused.English());
        }
        players.push_back(library.Player(library.FindLibraryPlayer(name)));
    }
    return players;
}

void PrintFolders(const Locations& locations) {
    std::printf("mode: %s\n", locations.Mode == RunMode::Portable ? "portable" : "installed");
    std::printf("settings: %s\n", locations.SettingsFolder.c_str());
    std::printf("library: %s\n", locations.LibraryFolder.c_str());
    std::printf("user card sets: %s\n", locations.CardSets.User().c_str());
    for (const auto& folder : locations.CardSets.Shipped()) std::printf("shipped card sets: %s\n", folder.c_str());
    for (const std::string& set : ListCardSets(locations.CardSets)) std::printf("card set: %s\n", set.c_str());
}

void StartJuniorGame(MainWindow& window, bool people) {
    Game& game = window.CurrentGame();
    const std::string set = window.GameSettings().LastSet;
    game.SetGamePlayers(ScriptedPlayers(window.Library(), people));
    game.SetFormat(0);
    const CardSize card = window.LoadGameCardSet(CardSetFileName(set));
    window.CardSet().GameSetFile = CardSetFileName(set);
    window.RememberChoice(set, 0);
    game.ComputeBoardOrigin(card);
    game.StartGame();
}

bool PlayOneGame(MainWindow& window) {
    Game& game = window.CurrentGame();
    const std::string set = window.GameSettings().LastSet;
    StartJuniorGame(window, false);
    // The flip delay counts only while the main window is the active one.
    QApplication::setActiveWindow(&window);
    for (int tick = 0; tick < 1000000 && game.GameRunning(); ++tick) game.Timer1Timer();
    std::printf("played on: %s\n", set.c_str());
    for (const TPlayerRecord& player : game.GamePlayers())
        std::printf("player: %s %d pairs\n", player.Name.Text().c_str(), static_cast<int>(player.GamePairs));
    return !game.GameRunning() && game.GameBoard().BoardCleared();
}

}  // namespace

int PlayScriptedGame(MainWindow& window, const std::optional<std::filesystem::path>& file) {
    PrintedMessages messages;
    PassingModal modal;
    Messages::Install(&messages);
    ModalRunner::Install(&modal);
    window.show();
    QApplication::processEvents();  // start-up's last step, after the splash
    bool finished = false;
    // A file that is refused ends its own command only, as at a real start.
    if (file) RunGuarded(&window, [&] { OpenCardSetFile(window, *file); });
    RunGuarded(&window, [&] {
        PrintFolders(window.FileLocations());
        finished = PlayOneGame(window);
    });
    window.close();
    Messages::Install(nullptr);
    ModalRunner::Install(nullptr);
    std::printf("game %s\n", finished ? "finished" : "not finished");
    return finished ? 0 : 1;
}

void StartScriptedBoard(MainWindow& window) {
    static PrintedMessages messages;
    static PassingModal modal;
    Messages::Install(&messages);
    ModalRunner::Install(&modal);
    window.RunAfterStartUp([&window] {
        RunGuarded(&window, [&window] {
            StartJuniorGame(window, true);
            window.activateWindow();
            window.PaintBox().setFocus();
            std::printf("board ready\n");
            std::fflush(stdout);
        });
    });
}

}  // namespace velmora
