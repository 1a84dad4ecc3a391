#pragma once
// An error whose message the user reads. Its what() is the English, as logs and tools print it; the
// windows show its phrases in the interface language. A message that wraps another error's ("Damaged
// card set %1: %2") keeps the inner error's phrases too, so the whole message is translated; a phrase
// can wrap a lone phrase the same way when a part of it (a file's part, a board's name) is itself a
// text to translate.

#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
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

// A phrase of the error texts; mark source with VELMORA_TRANSLATE_NOOP("Errors", ...).
inline Phrase ErrorPhrase(const char* source, std::vector<std::string> args = {}) {
    return MakePhrase(ErrorContext, source, std::move(args));
}

// A phrase that is another component's fixed message as it came: its one argument is the whole
// text, which the translation files know as a source in ErrorContext when it was marked there.
inline constexpr const char* VerbatimSource = "%1";
Phrase VerbatimPhrase(std::string text);
bool IsVerbatim(const Phrase& phrase);

// What an error says: a phrase error's phrases, any other error's text as a verbatim phrase.
std::vector<Phrase> PhrasesOf(const std::exception& error);

}  // namespace velmora
