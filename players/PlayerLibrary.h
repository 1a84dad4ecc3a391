#pragma once
// The player library: the table of every known player and the operations on velmora.dat in the
// program folder. The file is the authority; the table is re-read whenever a window needs it.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "players/LibraryRepair.h"
#include "players/PlayerRecord.h"
#include "text/Phrase.h"

namespace velmora {

// Which records a window lists.
enum class LibraryFilter {
    AllPlayers,             // every player; computer players marked " (computer)"
    HumansWithoutPassword,  // humans whose password is empty
    HumansWithPassword,     // humans with a password
};

// What the Add New Player window hands over for a new player.
struct NewPlayerFields {
    std::string Name;
    std::string Password;
    bool PasswordOn = false;
    bool IsHuman = true;
    int IQ = 5;
};

class PlayerLibrary {
public:
    static constexpr int MaxLibraryPlayers = 100;

    explicit PlayerLibrary(std::filesystem::path programFolder);

    // Re-reads the whole file into the table and fills list with the lines of the records that
    // pass filter. A damaged end raises EReadError after the whole records were taken in.
    void LoadPlayerLibrary(std::vector<std::string>& list, LibraryFilter filter);
    // Rewrites velmora.dat from the table; a failure raises EInOutError and keeps the old file.
    void SavePlayerLibrary();
    // At start-up: reads the file into the table. A file ending in part of a record is kept aside
    // and rewritten with its whole records; what was done is returned then, nothing otherwise (a
    // whole file is only read). A repair that fails raises EInOutError and changes no file; the
    // table still holds the whole records.
    std::optional<LibraryRepair> LoadAtStartUp();
    // Appends a new player to the file, unless its name is taken (letter case ignored) or the
    // library is full: then the message to show is returned and nothing changes. Once appended
    // the table is the file again, so that a later save keeps the new player.
    Phrase AppendPlayer(const NewPlayerFields& player);
    // Removes position (1-based), saves, and reloads list as LoadPlayerLibrary does.
    void DeletePlayer(int position, std::vector<std::string>& list, LibraryFilter filter);

    // The 1-based position of the first player whose name is exactly this, 0 when none.
    int FindLibraryPlayer(std::string_view name) const;
    // Takes over the six counters of every game player found by exact name.
    void MergeGamePlayers(std::span<const TPlayerRecord> gamePlayers);
    // The end of a game: merges its players' counters and saves. A failed save raises
    // EInOutError with the system's text and, on a second line, the file and what was lost.
    void SaveGameStatistics(std::span<const TPlayerRecord> gamePlayers);

    int LibraryCount() const { return static_cast<int>(records_.size()); }
    std::span<const TPlayerRecord> Records() const { return records_; }
    // 1-based positions, as the windows pass them.
    const TPlayerRecord& Player(int position) const;
    TPlayerRecord& Player(int position);
    std::filesystem::path FilePath() const;

private:
    std::filesystem::path folder_;
    // Grows with the file: a library written elsewhere with more than 100 players still loads whole.
    std::vector<TPlayerRecord> records_;
};

// The line a list shows for a record under a filter, or nothing when the record is not listed;
// as a phrase, so that a window shows the computer's mark in its language.
bool PassesFilter(const TPlayerRecord& record, LibraryFilter filter);
Phrase ListedPlayer(const TPlayerRecord& record, LibraryFilter filter);
std::string LibraryLine(const TPlayerRecord& record, LibraryFilter filter);

}  // namespace velmora
