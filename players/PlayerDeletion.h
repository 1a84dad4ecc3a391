#pragma once
// Deleting a player from the library, asking a protected player's password first: the one flow
// of every window that deletes players.

#include <optional>
#include <string>
#include <vector>

#include "players/PlayerLibrary.h"
#include "players/PlayerPasswords.h"
#include "text/PhraseError.h"

namespace velmora {

enum class DeletionOutcome { Deleted, Cancelled, WrongPassword, FileError };

struct DeletionResult {
    DeletionOutcome Outcome = DeletionOutcome::Cancelled;
    std::optional<EPhraseError> Error;  // FileError: the file's error, in phrases the window translates
};

// Deletes the player at position (1-based) once its password, if it has one, was typed right;
// saves velmora.dat and reloads list as PlayerLibrary::DeletePlayer does. Anything but Deleted
// leaves the file, the table and list as they were.
DeletionResult DeleteAskingPassword(PlayerLibrary& library, int position, std::vector<std::string>& list,
                                    LibraryFilter filter, const PasswordPrompt& prompt);

}  // namespace velmora
