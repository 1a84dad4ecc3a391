#include "players/PlayerPasswords.h"

#include "text/Phrase.h"

namespace velmora {
namespace {

const PasswordResult NoPlayer{PasswordOutcome::NoPlayer, VELMORA_TRANSLATE_NOOP("Players", "No player selected for this operation.")};
const PasswordResult Unverified{PasswordOutcome::Unverified, VELMORA_TRANSLATE_NOOP("Players", "Unable to verify your new password ! Please try again.")};

TPlayerRecord* FindPlayer(PlayerLibrary& library, std::string_view name) {
    const int position = library.FindLibraryPlayer(name);
    return position == 0 ? nullptr : &library.Player(position);
}

// Sets the password and saves; a save that fails leaves the table as the file still has it.
void SavePassword(PlayerLibrary& library, TPlayerRecord& record, std::string_view password) {
    const TPlayerRecord before = record;
    record.Password.Assign(password);
    record.PasswordOn = password.empty() ? 0 : 1;
    try {
        library.SavePlayerLibrary();
    } catch (...) {
        record = before;
        throw;
    }
}

}  // namespace

bool PasswordResult::Saved() const {
    return Outcome == PasswordOutcome::Added || Outcome == PasswordOutcome::Changed ||
           Outcome == PasswordOutcome::Deleted;
}

bool AsksForPassword(const TPlayerRecord& record) { return record.IsHuman == 1 && record.PasswordOn != 0; }

bool PasswordMatches(const TPlayerRecord& record, std::string_view entered) {
    return record.Password.Text() == entered;
}

bool PasswordMatches(const TPlayerRecord& record, const TypedPassword& typed) {
    return !typed.Cancelled && typed.Bytes && PasswordMatches(record, *typed.Bytes);
}

PasswordResult AddPassword(PlayerLibrary& library, std::string_view name, std::string_view password,
                           std::string_view repetition) {
    if (password != repetition || password.empty()) return Unverified;
    TPlayerRecord* record = FindPlayer(library, name);
    if (record == nullptr) return NoPlayer;
    SavePassword(library, *record, password);
    return {PasswordOutcome::Added, VELMORA_TRANSLATE_NOOP("Players", "Password successfully added !")};
}

PasswordResult ChangeOrDeletePassword(PlayerLibrary& library, std::string_view name, std::string_view current,
                                      std::string_view password, std::string_view repetition) {
    TPlayerRecord* record = FindPlayer(library, name);
    if (record == nullptr) return NoPlayer;
    if (!PasswordMatches(*record, current)) return {PasswordOutcome::IncorrectCurrent, VELMORA_TRANSLATE_NOOP("Players", "Incorrect current password!")};
    if (password != repetition) return Unverified;
    SavePassword(library, *record, password);
    if (password.empty()) return {PasswordOutcome::Deleted, VELMORA_TRANSLATE_NOOP("Players", "Password successfully deleted !")};
    return {PasswordOutcome::Changed, VELMORA_TRANSLATE_NOOP("Players", "Password successfully changed !")};
}

}  // namespace velmora
