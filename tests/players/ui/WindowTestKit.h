#pragma once
// Working the players windows from a test: a library in a fresh folder, and clicks and typing
// on controls found by their component names.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <optional>
#include <string>
#include <vector>

#include "players/PlayerLibrary.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedModal.h"
#include "tools/support/TempFolder.h"
#include "widgets/HelpHook.h"

namespace velmora::testing {

template <typename Widget = QWidget>
Widget& Child(QWidget& window, const char* name) {
    auto* child = window.findChild<Widget*>(name);
    if (child == nullptr) throw std::runtime_error(std::string("no control named ") + name);
    return *child;
}

inline void Click(QWidget& window, const char* button) { Child<QAbstractButton>(window, button).click(); }

inline void Type(QWidget& window, const char* box, const QString& text) { Child<QLineEdit>(window, box).setText(text); }

inline void Select(QWidget& window, const char* list, int row) {
    Child<QListWidget>(window, list).setCurrentRow(row);
}

inline QStringList Lines(QWidget& window, const char* list) {
    QStringList lines;
    auto& widget = Child<QListWidget>(window, list);
    for (int i = 0; i < widget.count(); ++i) lines << widget.item(i)->text();
    return lines;
}

struct PlayerSpec {
    PlayerSpec(std::string name, bool isHuman = true, std::string password = "", bool passwordOn = false,
               int gamesWon = 0, int gamesPlayed = 0, int successfulFlips = 0, int totalFlips = 0)
        : Name(std::move(name)), IsHuman(isHuman), Password(std::move(password)), PasswordOn(passwordOn),
          GamesWon(gamesWon), GamesPlayed(gamesPlayed), SuccessfulFlips(successfulFlips), TotalFlips(totalFlips) {}

    std::string Name;
    bool IsHuman;
    std::string Password;
    bool PasswordOn;
    int GamesWon;
    int GamesPlayed;
    int SuccessfulFlips;
    int TotalFlips;
};

// A library file in a fresh folder, and a second library object to read the file back with.
class LibraryFixture : public ::testing::Test {
protected:
    void Write(const std::vector<PlayerSpec>& players) {
        for (const PlayerSpec& p : players) {
            ASSERT_EQ(library.AppendPlayer({p.Name, p.Password, p.PasswordOn, p.IsHuman, 5}), "");
        }
        Reload();
        for (std::size_t i = 0; i < players.size(); ++i) {
            TPlayerRecord& record = library.Player(static_cast<int>(i) + 1);
            record.GamesWon = players[i].GamesWon;
            record.GamesPlayed = players[i].GamesPlayed;
            record.SuccessfulFlips = players[i].SuccessfulFlips;
            record.TotalFlips = players[i].TotalFlips;
        }
        library.SavePlayerLibrary();
    }
    void Reload() {
        std::vector<std::string> lines;
        library.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
    }
    // velmora.dat as another reader sees it.
    std::vector<TPlayerRecord> OnDisk() const {
        PlayerLibrary reader(folder.Path());
        std::vector<std::string> lines;
        reader.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
        std::vector<TPlayerRecord> records;
        for (int i = 1; i <= reader.LibraryCount(); ++i) records.push_back(reader.Player(i));
        return records;
    }
    std::optional<TPlayerRecord> OnDisk(const std::string& name) const {
        for (const TPlayerRecord& record : OnDisk()) {
            if (record.Name.Text() == name) return record;
        }
        return std::nullopt;
    }
    std::vector<QString> Texts() const {
        std::vector<QString> texts;
        for (const auto& shown : messages.shown) texts.push_back(shown.text);
        return texts;
    }

    TempFolder folder;
    PlayerLibrary library{folder.Path()};
    fakes::ScriptedMessages messages;
    fakes::ScriptedModal modal;
    std::vector<std::string> helpTopics;
    HelpHook help = [this](const char* topic) { helpTopics.emplace_back(topic); };
};

}  // namespace velmora::testing
