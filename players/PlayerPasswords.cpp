#include "players/PlayerPasswords.h"

namespace velmora {
namespace {

constexpr const char* NoPlayer = "No player selected for this operation.";
constexpr const char* Unverified = "Unable to verify your new password ! Please try again.";

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

bool AsksForPassword(const TPlayerRecord& record) { return record.IsHuman == 1 && record.PasswordOn != 0; }

bool PasswordMatches(const TPlayerRecord& record, std::string_view entered) {
    return record.Password.Text() == entered;
}

PasswordResult AddPassword(PlayerLibrary& library, std::string_view name, std::string_view password,
                           std::string_view repetition) {
    if (password != repetition || password.empty()) return {false, Unverified};
    TPlayerRecord* record = FindPlayer(library, name);
    if (record == nullptr) return {false, NoPlayer};
    SavePassword(library, *record, password);
    return {true, "Password successfully added !"};
}

PasswordResult ChangeOrDeletePassword(PlayerLibrary& library, std::string_view name, std::string_view current,
                                      std::string_view password, std::string_view repetition) {
    TPlayerRecord* record = FindPlayer(library, name);
    if (record == nullptr) return {false, NoPlayer};
    if (!PasswordMatches(*record, current)) return {false, "Incorrect current password!"};
    if (password != repetition) return {false, Unverified};
    SavePassword(library, *record, password);
    return {true, password.empty() ? "Password successfully deleted !" : "Password successfully changed !"};
}

}  // namespace velmora
