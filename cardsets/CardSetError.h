#pragma once
// The error a card-set read or write raises when the file itself is at fault; the message names the
// file, since the user may have several sets and sees only the text. The frame and what is wrong with
// the file are both phrases, so that the whole message is shown in the interface language.

#include <string>

#include "text/PhraseError.h"

namespace velmora {

class ECardSetError : public EPhraseError {
public:
    using EPhraseError::EPhraseError;
};

// "Damaged card set <file>: <what>"
[[noreturn]] void ThrowDamagedCardSet(const std::string& fileName, Phrase what);
// "Damaged card set <file>: <defect>", the part's name filling the defect's last placeholder
// ("%1 is cut short" of "the palette").
[[noreturn]] void ThrowDamagedCardSet(const std::string& fileName, Phrase defect, Phrase part);
// "Damaged card set <file>: the file cannot be read"
[[noreturn]] void ThrowUnreadableCardSet(const std::string& fileName);
// "Cannot write card set <file>: <what>"
[[noreturn]] void ThrowUnwritableCardSet(const std::string& fileName, Phrase what);
// "Cannot write card set <file>: <defect>", with the part as for a damaged set.
[[noreturn]] void ThrowUnwritableCardSet(const std::string& fileName, Phrase defect, Phrase part);
// "Cannot write card set <file>: " followed by the message of cause.
[[noreturn]] void ThrowUnwritableCardSet(const std::string& fileName, const std::exception& cause);
// "<cause's message>\n<file>": a container that could not be unpacked.
[[noreturn]] void ThrowUnpackableCardSet(const std::string& fileName, const std::exception& cause);

}  // namespace velmora
