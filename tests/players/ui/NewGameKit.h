#pragma once
// The New Game dialog with every window and state object it works with, on a recording host.

#include <QComboBox>

#include "cardsets/CardSetWriter.h"
#include "cardsets/LoadedCardSet.h"
#include "engine/Game.h"
#include "engine/HeadlessView.h"
#include "players/LibraryRecords.h"
#include "players/ui/NewGameDialog.h"
#include "players/ui/NewGameHost.h"
#include "players/ui/NewPlayer.h"
#include "players/ui/Password.h"
#include "players/ui/stats.h"
#include "tests/cardsets/CardSetSamples.h"
#include "tests/engine/FixedClock.h"
#include "tests/players/ui/WindowTestKit.h"

namespace velmora::testing {

class FakeHost : public NewGameHost {
public:
    std::string lastSet = "Default";
    int lastFormat = 1;
    int loadedCalls = 0;
    std::vector<std::string> viewed;
    std::vector<std::string> webAddresses;
    RecordingProgress progress;

    std::string LastSet() const override { return lastSet; }
    int LastFormat() const override { return lastFormat; }
    void RememberChoice(const std::string& set, int format) override {
        lastSet = set;
        lastFormat = format;
    }
    CardSetProgress* LoadProgress() override { return &progress; }
    void CardSetLoaded() override { ++loadedCalls; }
    void ViewCardSet(const std::string& setFile) override { viewed.push_back(setFile); }
    void OpenWebAddress(const std::string& address) override { webAddresses.push_back(address); }
};

class NewGameFixture : public LibraryFixture {
protected:
    void WriteSet(const std::string& name, int count, int width = 54, int height = 37) {
        CardSetDescription set = SampleSet(count, width, height);
        set.Details.Author = "Ann Author";
        set.Details.Web = "www.example.org/" + name;
        set.Details.Notes = "Notes of " + name;
        WriteCardSet(folder.Path() / (name + ".cst"), set);
    }
    // Opens the dialog and hands it to step.
    void Open(const std::function<void(QDialog&)>& step) {
        modal.Then(step);
        dialog.Execute();
    }
    static void AddFromLibrary(QDialog& dialog, int row) {
        Select(dialog, "ListBox2", row);
        Click(dialog, "BitBtn3");
    }
    static QStringList Items(QDialog& dialog, const char* combo) {
        QStringList items;
        auto& box = Child<QComboBox>(dialog, combo);
        for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
        return items;
    }

    FixedClock clock;
    HeadlessView view;
    LibraryRecords records{library};
    Game game{view, records, clock};
    LoadedCardSet cardSet;
    FakeHost host;
    Password prompt{help};
    NewPlayer addPlayer{library, help};
    Stats stats{library, game, help};
    NewGameDialog dialog{library, game, cardSet, folder.Path(), host, {addPlayer, prompt, stats}, help};
};

}  // namespace velmora::testing
