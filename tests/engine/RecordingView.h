#pragma once
// A GameView that records what the engine asks of the window, answers its questions from a
// script and lets a test drive the 75 ms timer tick by tick. It plays every role, so that calls
// holds drawing and sounds in the order the game made them.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/Game.h"
#include "engine/GameView.h"
#include "tests/engine/FixedClock.h"

namespace velmora::testing {

class RecordingView : public GameView {
public:
    // Set so that DrawBoard can note how many faces were showing.
    const Game* game = nullptr;

    std::vector<std::string> calls;
    std::vector<std::string> sounds;
    std::vector<std::string> statusTexts;
    std::map<GameMenu, bool> menus;
    bool timerRunning = false;
    bool active = true;
    std::deque<bool> answers;  // Confirm answers; empty means Yes
    std::vector<std::string> questions;
    std::vector<int> facesShownAtDrawBoard;
    struct GameOverCall {
        std::string sentence;
        int libraryPosition;
    };
    std::vector<GameOverCall> gameOvers;
    std::function<void(const std::string&, int)> onGameOver;
    CardSize restoredCardSize{100, 90};
    int restoreCalls = 0;

    void DrawBoard() override {
        calls.push_back("DrawBoard");
        if (game != nullptr) facesShownAtDrawBoard.push_back(CountFaces());
    }
    void DrawCell(int col, int row, bool highlighted) override {
        calls.push_back("DrawCell " + Cell(col, row) + (highlighted ? " highlighted" : ""));
    }
    void InvertCell(int col, int row) override { calls.push_back("InvertCell " + Cell(col, row)); }
    void ShowBoard() override { calls.push_back("ShowBoard"); }
    void RefreshPlayerList() override { calls.push_back("RefreshPlayerList"); }
    void PlaySoundFile(const std::string& name) override {
        calls.push_back("Sound " + name);
        sounds.push_back(name);
    }
    void SetStatusText(const Phrase& text) override { statusTexts.push_back(text.English()); }
    void EnableMenu(GameMenu item, bool enabled) override { menus[item] = enabled; }
    void StartTimer() override { timerRunning = true; }
    void StopTimer() override { timerRunning = false; }
    bool MainWindowActive() const override { return active; }
    bool Confirm(const Phrase& question) override {
        questions.push_back(question.English());
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowGameOver(const Phrase& winnerSentence, int libraryPosition) override {
        const std::string sentence = winnerSentence.English();
        gameOvers.push_back({sentence, libraryPosition});
        if (onGameOver) onGameOver(sentence, libraryPosition);
    }
    CardSize RestoreGameCardSet() override {
        ++restoreCalls;
        return restoredCardSize;
    }

    std::string Status() const { return statusTexts.empty() ? std::string() : statusTexts.back(); }
    int Count(const std::string& call) const {
        int n = 0;
        for (const std::string& c : calls) n += c == call ? 1 : 0;
        return n;
    }

private:
    static std::string Cell(int col, int row) { return std::to_string(col) + "," + std::to_string(row); }
    int CountFaces() const {
        int faces = 0;
        for (int col = 1; col <= 10; ++col) {
            for (int row = 1; row <= 10; ++row) faces += game->CellImage(col, row).value_or(0) > 0 ? 1 : 0;
        }
        return faces;
    }
};

}  // namespace velmora::testing
