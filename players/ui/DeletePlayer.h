#pragma once
// The Delete Player window: removes players from the library, asking a protected player's
// password first. It stays open for further deletions.

#include <QDialog>
#include <span>
#include <string>
#include <vector>

#include "players/PlayerDeletion.h"
#include "players/PlayerLibrary.h"
#include "widgets/HelpHook.h"

class QListWidget;

namespace velmora {

class Password;

// Fills a list widget with the lines of a library list.
void ShowLines(QListWidget& list, const std::vector<std::string>& lines);
// Fills a list widget with players as the whole library lists them, in the interface language.
void ShowListedPlayers(QListWidget& list, std::span<const TPlayerRecord> players);

// Deletes the player at position of the whole library as DeleteAskingPassword does, and shows in
// window what came of it: the list of lines after the deletion, or the file's error. A wrong
// password is left to the window, which words it its own way.
DeletionOutcome DeleteFromList(QWidget& window, QListWidget& list, PlayerLibrary& library, int position,
                               std::vector<std::string>& lines, const PasswordPrompt& prompt);

class DeletePlayer : public QDialog {
    Q_OBJECT
public:
    DeletePlayer(PlayerLibrary& library, Password& prompt, HelpHook help, QWidget* parent = nullptr);

    // Re-reads the library into the list and shows the window modally.
    void Execute();

private:
    void DeleteClick();

    PlayerLibrary& library_;
    Password& prompt_;
    QListWidget* list_;
    std::vector<std::string> lines_;
};

}  // namespace velmora
