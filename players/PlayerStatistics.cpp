#include "players/PlayerStatistics.h"

#include "players/Percentage.h"

namespace velmora {
namespace {

// The password text, not PasswordOn, says whether a player has one here: a password typed with
// the protection box cleared still shows as on.
Phrase DetailsOf(const TPlayerRecord& record) {
    if (record.IsHuman == 0)
        return MakePhrase("Statistics", VELMORA_TRANSLATE_NOOP("Statistics", "IQ : %1"), {std::to_string(record.IQ)});
    return MakePhrase("Statistics", record.Password.Length != 0 ? VELMORA_TRANSLATE_NOOP("Statistics", "Password On")
                                                                : VELMORA_TRANSLATE_NOOP("Statistics", "Password Off"));
}

}  // namespace

int GameWinsPercent(const TPlayerRecord& record) { return Percentage(record.GamesWon, record.GamesPlayed); }

int SuccessfulFlipsPercent(const TPlayerRecord& record) {
    return Percentage(record.SuccessfulFlips, record.TotalFlips);
}

PlayerStatistics DescribePlayer(const TPlayerRecord& record) {
    return {
        .Name = record.Name.Text(),
        .PlayerType = record.IsHuman != 0 ? VELMORA_TRANSLATE_NOOP("Statistics", "Human")
                                         : VELMORA_TRANSLATE_NOOP("Statistics", "Computer"),
        .Details = DetailsOf(record),
        .GamesPlayed = std::to_string(record.GamesPlayed),
        .GamesWon = std::to_string(record.GamesWon),
        .GameWinsPercent = GameWinsPercent(record),
        .TotalFlips = std::to_string(record.TotalFlips),
        .SuccessfulFlips = std::to_string(record.SuccessfulFlips),
        .SuccessfulFlipsPercent = SuccessfulFlipsPercent(record),
    };
}

}  // namespace velmora
