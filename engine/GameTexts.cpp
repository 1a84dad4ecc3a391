#include "engine/GameTexts.h"

namespace velmora {

std::string TurnStatusText(const TPlayerRecord& player) {
    const std::string lead = player.IsHuman != 0 ? " to play. You have " : " plays. It has ";
    const std::string unit = player.GamePoints == 1 ? " point." : " points.";
    return player.Name.Text() + lead + std::to_string(player.GamePoints) + unit;
}

std::string SingleWinnerStatusText(const std::string& name) { return "Game Over! The winner of this game is " + name; }

std::string WinnerSentence(const std::string& name) { return name + " is the winner of this game."; }

std::string SeveralWinnersStatusText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += name + ",";
    if (!text.empty()) text.pop_back();
    return "Game Over. Winners are " + text;
}

}  // namespace velmora
