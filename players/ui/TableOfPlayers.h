#pragma once
// The scoreboard: every player ranked by game wins or successful flips, sortable by column.

#include <QDialog>
#include <vector>

#include "players/PlayerLibrary.h"
#include "players/Scoreboard.h"
#include "widgets/HelpHook.h"

class QCheckBox;
class QTreeWidget;

namespace velmora {

class Stats;

class TableOfPlayers : public QDialog {
    Q_OBJECT
public:
    TableOfPlayers(PlayerLibrary& library, Stats& stats, HelpHook help, QWidget* parent = nullptr);

    // Re-reads the library, so the statistics are those last saved, and shows the board modally.
    void Execute();

private:
    void FillScoreboard();
    void HeaderClick(int column);
    void StatsClick(bool complainWithoutSelection);

    PlayerLibrary& library_;
    Stats& stats_;
    ScoreboardSort sort_;  // kept, like the check box, from one opening to the next
    QCheckBox* includeComputers_;
    QTreeWidget* table_;
    std::vector<ScoreRow> rows_;
};

}  // namespace velmora
