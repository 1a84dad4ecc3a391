#include "players/Scoreboard.h"

#include <algorithm>

#include "players/PlayerStatistics.h"

namespace velmora {
namespace {

std::string UpperAsciiLetters(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// Byte by byte, a proper prefix being smaller; bytes above 127 count as unsigned.
bool NameGreater(const std::string& a, const std::string& b) {
    const std::string upperA = UpperAsciiLetters(a);
    const std::string upperB = UpperAsciiLetters(b);
    return std::ranges::lexicographical_compare(upperB, upperA, [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

int PercentOf(const ScoreRow& row, int column) {
    return column == GameWinsColumn ? row.GameWinsPercent : row.SuccessfulFlipsPercent;
}

}  // namespace

void ScoreboardSort::ClickColumn(int column) {
    if (column < PlayerColumn || column > SuccessfulFlipsColumn) return;
    if (column == sortColumn_) {
        greaterResult_ = -greaterResult_;
        lessResult_ = -lessResult_;
    }
    sortColumn_ = column;
}

int ScoreboardSort::Compare(const ScoreRow& a, const ScoreRow& b) const {
    if (sortColumn_ == PlayerColumn) return NameGreater(a.Name, b.Name) ? greaterResult_ : lessResult_;
    return PercentOf(a, sortColumn_) > PercentOf(b, sortColumn_) ? lessResult_ : greaterResult_;
}

std::vector<ScoreRow> FillScoreboard(const PlayerLibrary& library, bool includeComputers, const ScoreboardSort& sort) {
    std::vector<ScoreRow> rows;
    for (int position = 1; position <= library.LibraryCount(); ++position) {
        const TPlayerRecord& record = library.Player(position);
        if (record.IsHuman == 0 && !includeComputers) continue;
        rows.push_back({record.Name.Text(), GameWinsPercent(record), SuccessfulFlipsPercent(record)});
    }
    // Compare never answers "equal", so equal keys would give each other "before" and break a
    // sort's ordering contract: a row goes first only when the reverse comparison agrees.
    std::ranges::stable_sort(rows, [&](const ScoreRow& a, const ScoreRow& b) {
        return sort.Compare(a, b) < 0 && sort.Compare(b, a) > 0;
    });
    return rows;
}

}  // namespace velmora
