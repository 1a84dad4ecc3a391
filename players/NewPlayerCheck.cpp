#include "players/NewPlayerCheck.h"

#include "text/Phrase.h"

namespace velmora {

NewPlayerRefusal CheckNewPlayer(const NewPlayerInput& input) {
    if (input.Name.empty()) return {VELMORA_TRANSLATE_NOOP("Players", "Please enter the name."), NewPlayerField::Name};
    // The check box is enabled exactly for a human player.
    if (!input.IsHuman || !input.PasswordTicked) return {};
    if (input.Password.empty()) return {VELMORA_TRANSLATE_NOOP("Players", "Please enter the password."), NewPlayerField::Password};
    if (input.Confirmation.empty()) return {VELMORA_TRANSLATE_NOOP("Players", "Please confirm your password."), NewPlayerField::Confirmation};
    if (input.Password != input.Confirmation) {
        return {VELMORA_TRANSLATE_NOOP("Players", "Wrong password! Please make sure to enter your password correctly."), NewPlayerField::Confirmation};
    }
    return {};
}

}  // namespace velmora
