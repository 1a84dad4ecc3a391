#pragma once
// The checks of the Add New Player window, in the order the user meets them.

#include <string>

namespace velmora {

struct NewPlayerInput {
    std::string Name;
    std::string Password;
    std::string Confirmation;
    bool IsHuman = true;
    bool PasswordTicked = false;  // "Password protected player"
};

// The box that gets the focus after a refusal.
enum class NewPlayerField { None, Name, Password, Confirmation };

struct NewPlayerRefusal {
    std::string Message;  // empty: the input may be appended
    NewPlayerField Focus = NewPlayerField::None;
};

// The password boxes count only for a human player with the protection box ticked; the name
// check against the library comes after these, when the player is appended.
NewPlayerRefusal CheckNewPlayer(const NewPlayerInput& input);

}  // namespace velmora
