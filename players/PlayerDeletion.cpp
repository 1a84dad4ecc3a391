#include "players/PlayerDeletion.h"

#include "compression/Stream.h"
#include "text/UntranslatedPhrase.h"

namespace velmora {

DeletionResult DeleteAskingPassword(PlayerLibrary& library, int position, std::vector<std::string>& list,
                                    LibraryFilter filter, const PasswordPrompt& prompt) {
    const TPlayerRecord& player = library.Player(position);
    if (AsksForPassword(player)) {
        const TypedPassword typed = prompt(player);
        if (typed.Cancelled) return {DeletionOutcome::Cancelled, {}};
        if (!PasswordMatches(player, typed)) return {DeletionOutcome::WrongPassword, {}};
    }
    try {
        library.DeletePlayer(position, list, filter);
    } catch (const EStreamError& error) {
        return {DeletionOutcome::FileError, UntranslatedPhrase(error.what())};
    }
    return {DeletionOutcome::Deleted, {}};
}

}  // namespace velmora
