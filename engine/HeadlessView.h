#pragma once
// A view that does nothing and answers Yes: for a game run without a window, and for the roles a
// test does not look at.

#include <string>

#include "engine/GameView.h"

namespace velmora {

class HeadlessView : public GameView {
public:
    void DrawBoard() override {}
    void DrawCell(int, int, bool) override {}
    void InvertCell(int, int) override {}
    void ShowBoard() override {}
    void RefreshPlayerList() override {}
    void PlaySoundFile(const std::string&) override {}
    void StartTimer() override {}
    void StopTimer() override {}
    void SetStatusText(const Phrase&) override {}
    void EnableMenu(GameMenu, bool) override {}
    bool MainWindowActive() const override { return true; }
    bool Confirm(const Phrase&) override { return true; }
    void ShowGameOver(const Phrase&, int) override {}
    CardSize RestoreGameCardSet() override { return {}; }
};

}  // namespace velmora
