#pragma once
// The scoreboard's rows and its sort state, which lasts for the whole run of the program.

#include <string>
#include <vector>

#include "players/PlayerLibrary.h"

namespace velmora {

struct ScoreRow {
    std::string Name;
    int GameWinsPercent = 0;
    int SuccessfulFlipsPercent = 0;
};

enum ScoreColumn { PlayerColumn = 0, GameWinsColumn = 1, SuccessfulFlipsColumn = 2 };

class ScoreboardSort {
public:
    int SortColumn() const { return sortColumn_; }
    int GreaterResult() const { return greaterResult_; }
    int LessResult() const { return lessResult_; }

    // A click on the sorted column turns the direction round; another column keeps it.
    void ClickColumn(int column);
    // Where a goes against b: negative before b, positive after b. Never says "equal".
    int Compare(const ScoreRow& a, const ScoreRow& b) const;

private:
    int sortColumn_ = GameWinsColumn;
    int greaterResult_ = +1;
    int lessResult_ = -1;
};

// One row per library player in library order, computer players only when included, then sorted.
std::vector<ScoreRow> FillScoreboard(const PlayerLibrary& library, bool includeComputers, const ScoreboardSort& sort);

}  // namespace velmora
