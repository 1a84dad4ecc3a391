#include "engine/GameTexts.h"

namespace velmora {
namespace {

constexpr const char* kStatus = "MainWindow";

Phrase Counted(const char* source, const char* sourceOne, const TPlayerRecord& player) {
    return Phrase{kStatus, source, {player.Name.Text()}, player.GamePoints, sourceOne};
}

}  // namespace

Phrase TurnStatusText(const TPlayerRecord& player) {
    if (player.IsHuman != 0)
        return Counted(VELMORA_TRANSLATE_N_NOOP("MainWindow", "%1 to play. You have %n points."),
                       "%1 to play. You have %n point.", player);
    return Counted(VELMORA_TRANSLATE_N_NOOP("MainWindow", "%1 plays. It has %n points."), "%1 plays. It has %n point.",
                   player);
}

Phrase SingleWinnerStatusText(const std::string& name) {
    return MakePhrase(kStatus, VELMORA_TRANSLATE_NOOP("MainWindow", "Game Over! The winner of this game is %1"), {name});
}

Phrase WinnerSentence(const std::string& name) {
    return MakePhrase("GameOver", VELMORA_TRANSLATE_NOOP("GameOver", "%1 is the winner of this game."), {name});
}

Phrase SeveralWinnersStatusText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += name + ",";
    if (!text.empty()) text.pop_back();
    return MakePhrase(kStatus, VELMORA_TRANSLATE_NOOP("MainWindow", "Game Over. Winners are %1"), {text});
}

Phrase NoWinnersStatusText() {
    return MakePhrase(kStatus, VELMORA_TRANSLATE_NOOP("MainWindow", "Game Over. No winners..."));
}

Phrase GameEndedStatusText() { return MakePhrase(kStatus, VELMORA_TRANSLATE_NOOP("MainWindow", "Game Over.")); }

Phrase PlayAgainQuestion() {
    return MakePhrase(kStatus, VELMORA_TRANSLATE_NOOP("MainWindow", "Are you sure you want to play again?"));
}

Phrase EndGameQuestion() { return MakePhrase(kStatus, VELMORA_TRANSLATE_NOOP("MainWindow", "Are you sure?")); }

}  // namespace velmora
