#include "players/PlayerDeletion.h"

#include "compression/Stream.h"

namespace velmora {

DeletionResult DeleteAskingPassword(PlayerLibrary& library, int position, std::vector<std::string>& list,
                                    LibraryFilter filter, const PasswordPrompt& prompt) {
    const TPlayerRecord& player = library.Player(position);
    if (AsksForPassword(player)) {
        const TypedPassword typed = prompt(player);
        if (typed.Cancelled) return {DeletionOutcome::Cancelled, std::nullopt};
        if (!PasswordMatches(player, typed)) return {DeletionOutcome::WrongPassword, std::nullopt};
    }
    try {
        library.DeletePlayer(position, list, filter);
    } catch (const EStreamError& error) {
        return {DeletionOutcome::FileError, error};
    }
    return {DeletionOutcome::Deleted, std::nullopt};
}

}  // namespace velmora
