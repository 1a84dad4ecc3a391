#include "players/PlayerLibrary.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "players/InOutError.h"
#include "players/LibraryFile.h"
#include "text/PhraseError.h"

namespace velmora {

namespace {

char UpperAsciiLetter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return UpperAsciiLetter(x) == UpperAsciiLetter(y); });
}

Phrase RefusalFor(std::span<const TPlayerRecord> existing, std::string_view name) {
    // Every record is compared, as the file is read to its end anyway.
    const bool taken = std::ranges::any_of(
        existing, [&](const TPlayerRecord& record) { return SameNameIgnoringCase(record.Name.Text(), name); });
    if (taken)
        return MakePhrase("Players", VELMORA_TRANSLATE_NOOP("Players", "Please choose different name.%1 is already in use."),
                          {std::string(name)});
    if (existing.size() >= PlayerLibrary::MaxLibraryPlayers) {
        return MakePhrase("Players", VELMORA_TRANSLATE_NOOP("Players", "The player library is full: it holds at most 100 "
                                                                       "players. Delete a player first."));
    }
    return {};
}

}  // namespace

bool PassesFilter(const TPlayerRecord& record, LibraryFilter filter) {
    switch (filter) {
        case LibraryFilter::AllPlayers:
            return true;
        case LibraryFilter::HumansWithoutPassword:
            return record.IsHuman != 0 && record.Password.Length == 0;
        case LibraryFilter::HumansWithPassword:
            return record.IsHuman != 0 && record.Password.Length != 0;
    }
    return false;
}

Phrase ListedPlayer(const TPlayerRecord& record, LibraryFilter filter) {
    if (filter == LibraryFilter::AllPlayers && record.IsHuman == 0)
        return MakePhrase("Players", VELMORA_TRANSLATE_NOOP("Players", "%1 (computer)"), {record.Name.Text()});
    return VerbatimPhrase(record.Name.Text());
}

std::string LibraryLine(const TPlayerRecord& record, LibraryFilter filter) { return ListedPlayer(record, filter).English(); }

PlayerLibrary::PlayerLibrary(std::filesystem::path programFolder) : folder_(std::move(programFolder)) {}

std::filesystem::path PlayerLibrary::FilePath() const { return LibraryFilePath(folder_); }

void PlayerLibrary::LoadPlayerLibrary(std::vector<std::string>& list, LibraryFilter filter) {
    list.clear();
    records_.clear();
    ReadLibraryFile(FilePath(), [&](const TPlayerRecord& record) {
        records_.push_back(record);
        if (PassesFilter(record, filter)) list.push_back(LibraryLine(record, filter));
    });
}

void PlayerLibrary::SavePlayerLibrary() { WriteLibraryFile(FilePath(), records_); }

Phrase PlayerLibrary::AppendPlayer(const NewPlayerFields& player) {
    const TPlayerRecord record =
        MakePlayerRecord(player.Name, player.Password, player.PasswordOn, player.IsHuman, player.IQ);
    const std::string name = record.Name.Text();
    std::vector<TPlayerRecord> fileRecords;
    Phrase refusal = AppendLibraryRecord(FilePath(), record, [&](std::span<const TPlayerRecord> existing) {
        fileRecords.assign(existing.begin(), existing.end());
        return RefusalFor(existing, name);
    });
    if (!refusal.Empty()) return refusal;
    // The file was read whole just now; with the new record it is what the table must hold.
    fileRecords.push_back(record);
    records_ = std::move(fileRecords);
    return {};
}

std::optional<LibraryRepair> PlayerLibrary::LoadAtStartUp() {
    LibraryContents contents = ReadWholeRecords(FilePath());
    records_ = contents.Records;
    if (!contents.Fragment) return std::nullopt;
    return RepairLibraryFile(FilePath(), contents.Records);
}

void PlayerLibrary::DeletePlayer(int position, std::vector<std::string>& list, LibraryFilter filter) {
    if (position < 1 || position > LibraryCount()) throw std::out_of_range("No player at this library position");
    const auto at = records_.begin() + (position - 1);
    const TPlayerRecord removed = *at;
    records_.erase(at);
    try {
        SavePlayerLibrary();
    } catch (...) {
        // The file still holds the player: so must the table, or list lines and positions part.
        records_.insert(records_.begin() + (position - 1), removed);
        throw;
    }
    LoadPlayerLibrary(list, filter);
}

int PlayerLibrary::FindLibraryPlayer(std::string_view name) const {
    const auto found =
        std::ranges::find_if(records_, [&](const TPlayerRecord& record) { return record.Name.Text() == name; });
    return found == records_.end() ? 0 : static_cast<int>(found - records_.begin()) + 1;
}

void PlayerLibrary::MergeGamePlayers(std::span<const TPlayerRecord> gamePlayers) {
    for (const TPlayerRecord& gamePlayer : gamePlayers) {
        for (TPlayerRecord& record : records_) {
            if (record.Name.Text() == gamePlayer.Name.Text()) CopyCounters(gamePlayer, record);
        }
    }
}

void PlayerLibrary::SaveGameStatistics(std::span<const TPlayerRecord> gamePlayers) {
    MergeGamePlayers(gamePlayers);
    try {
        SavePlayerLibrary();
    } catch (const EInOutError& error) {
        throw EInOutError(MakePhrase("Players", VELMORA_TRANSLATE_NOOP("Players", "%2\nCould not write %1. The statistics "
                                                                             "of this game were not saved."),
                                     {LibraryFileName}),
                          error);
    }
}

const TPlayerRecord& PlayerLibrary::Player(int position) const {
    if (position < 1 || position > LibraryCount()) throw std::out_of_range("No player at this library position");
    return records_[static_cast<std::size_t>(position - 1)];
}

TPlayerRecord& PlayerLibrary::Player(int position) {
    return const_cast<TPlayerRecord&>(std::as_const(*this).Player(position));
}

}  // namespace velmora
