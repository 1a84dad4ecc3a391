#pragma once
// The error a card-set read or write raises when the file itself is at fault; the message names the
// file, since the user may have several sets and sees only the text. The frame of the message is
// translated; what is wrong with the file is the reader's own diagnosis and stays in English.

#include <string>

#include "text/PhraseError.h"

namespace velmora {

class ECardSetError : public EPhraseError {
public:
    using EPhraseError::EPhraseError;
};

// "Damaged card set <file>: <what>"
[[noreturn]] void ThrowDamagedCardSet(const std::string& fileName, const std::string& what);
// "Cannot write card set <file>: <what>"
[[noreturn]] void ThrowUnwritableCardSet(const std::string& fileName, const std::string& what);
// "Cannot write card set <file>: " followed by the message of cause.
[[noreturn]] void ThrowUnwritableCardSet(const std::string& fileName, const std::exception& cause);
// "<cause's message>\n<file>": a container that could not be unpacked.
[[noreturn]] void ThrowUnpackableCardSet(const std::string& fileName, const std::exception& cause);

}  // namespace velmora
