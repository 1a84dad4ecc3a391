#pragma once
// The Delete Player window: removes players from the library, asking a protected player's
// password first. It stays open for further deletions.

#include <QDialog>
#include <string>
#include <vector>

#include "players/PlayerLibrary.h"
#include "widgets/HelpHook.h"

class QListWidget;

namespace velmora {

class Password;

// Fills a list widget with the lines of a library list.
void ShowLines(QListWidget& list, const std::vector<std::string>& lines);

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
