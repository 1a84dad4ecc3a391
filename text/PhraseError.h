#pragma once
// An error whose message the user reads. Its what() is the English, as logs and tools print it; the
// windows show its phrases in the interface language. A message that wraps another error's ("Damaged
// card set %1: %2") keeps the inner error's phrases too, so the whole message is translated.

#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/Phrase.h"

namespace velmora {

class EPhraseError : public std::runtime_error {
public:
    explicit EPhraseError(Phrase said);
    // The cause's message fills said's last placeholder, the one after its Args.
    EPhraseError(Phrase said, const std::exception& cause);
    // Any error as one of these: its own phrases, or another component's message taken verbatim.
    static EPhraseError Of(const std::exception& error);

    // From the outermost phrase in: each after the first fills the last placeholder of the one before.
    const std::vector<Phrase>& Phrases() const { return *phrases_; }

private:
    explicit EPhraseError(std::shared_ptr<const std::vector<Phrase>> phrases);

    // Shared, so that copying the error (as throwing does) cannot fail.
    std::shared_ptr<const std::vector<Phrase>> phrases_;
};

// The context of the error texts in the translation files.
inline constexpr const char* ErrorContext = "Errors";

// A phrase that is another component's fixed message as it came: its one argument is the whole
// text, which the translation files know as a source in ErrorContext when it was marked there.
inline constexpr const char* VerbatimSource = "%1";
Phrase VerbatimPhrase(std::string text);
bool IsVerbatim(const Phrase& phrase);

// What an error says: a phrase error's phrases, any other error's text as a verbatim phrase.
std::vector<Phrase> PhrasesOf(const std::exception& error);

}  // namespace velmora
