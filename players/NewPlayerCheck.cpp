#include "players/NewPlayerCheck.h"

namespace velmora {

NewPlayerRefusal CheckNewPlayer(const NewPlayerInput& input) {
    if (input.Name.empty()) return {"Please enter the name.", NewPlayerField::Name};
    // The check box is enabled exactly for a human player.
    if (!input.IsHuman || !input.PasswordTicked) return {};
    if (input.Password.empty()) return {"Please enter the password.", NewPlayerField::Password};
    if (input.Confirmation.empty()) return {"Please confirm your password.", NewPlayerField::Confirmation};
    if (input.Password != input.Confirmation) {
        return {"Wrong password! Please make sure to enter your password correctly.", NewPlayerField::Confirmation};
    }
    return {};
}

}  // namespace velmora
