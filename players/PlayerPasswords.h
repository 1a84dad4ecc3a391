#pragma once
// Asking for, adding, changing and removing a player's password.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "players/PlayerLibrary.h"

namespace velmora {

// Only a protected human is asked; a computer player never is, whatever its flags.
bool AsksForPassword(const TPlayerRecord& record);
// Exact comparison: letter case matters.
bool PasswordMatches(const TPlayerRecord& record, std::string_view entered);

// What the password prompt hands back.
struct TypedPassword {
    bool Cancelled = false;
    // The typed text in Windows-1252; nothing when it holds a character Windows-1252 lacks, which
    // is then in no stored password.
    std::optional<std::string> Bytes;
};
// A typed text that is exactly the stored password; a cancelled prompt matches nothing.
bool PasswordMatches(const TPlayerRecord& record, const TypedPassword& typed);

// Shows the prompt for this player; the window that asks words it.
using PasswordPrompt = std::function<TypedPassword(const TPlayerRecord& player)>;

enum class PasswordOutcome { Added, Changed, Deleted, NoPlayer, Unverified, IncorrectCurrent };

// The outcome of a password operation and the message to show for it.
struct PasswordResult {
    PasswordOutcome Outcome = PasswordOutcome::NoPlayer;
    std::string Message;

    bool Saved() const;
};

// Gives the player of this exact name the password, once typed twice alike; saves velmora.dat.
PasswordResult AddPassword(PlayerLibrary& library, std::string_view name, std::string_view password,
                           std::string_view repetition);

// With the current password right: an empty new password removes it, another one replaces it.
// Saves velmora.dat before the success message is returned, so a failed save is never reported
// as success.
PasswordResult ChangeOrDeletePassword(PlayerLibrary& library, std::string_view name, std::string_view current,
                                      std::string_view password, std::string_view repetition);

}  // namespace velmora
