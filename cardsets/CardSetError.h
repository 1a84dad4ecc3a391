#pragma once
// The error a card-set read or write raises when the file itself is at fault; the message names the
// file, since the user may have several sets and sees only the text.

#include <stdexcept>
#include <string>

namespace velmora {

class ECardSetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Damaged card set <file>: <what>"
[[noreturn]] void ThrowDamagedCardSet(const std::string& fileName, const std::string& what);
// "Cannot write card set <file>: <what>"
[[noreturn]] void ThrowUnwritableCardSet(const std::string& fileName, const std::string& what);

}  // namespace velmora
