#include "text/PhraseError.h"

#include <cstring>

namespace velmora {
namespace {

// From the innermost phrase out, each filling the last placeholder of the one around it.
std::string EnglishOf(const std::vector<Phrase>& phrases) {
    std::string text = phrases.back().English();
    for (auto phrase = phrases.rbegin() + 1; phrase != phrases.rend(); ++phrase) {
        Phrase outer = *phrase;
        outer.Args.push_back(std::move(text));
        text = outer.English();
    }
    return text;
}

std::shared_ptr<const std::vector<Phrase>> Wrapped(Phrase said, const std::exception& cause) {
    std::vector<Phrase> phrases{std::move(said)};
    for (Phrase& inner : PhrasesOf(cause)) phrases.push_back(std::move(inner));
    return std::make_shared<const std::vector<Phrase>>(std::move(phrases));
}

}  // namespace

EPhraseError::EPhraseError(Phrase said)
    : EPhraseError(std::make_shared<const std::vector<Phrase>>(std::vector<Phrase>{std::move(said)})) {}

EPhraseError::EPhraseError(Phrase said, const std::exception& cause) : EPhraseError(Wrapped(std::move(said), cause)) {}

EPhraseError::EPhraseError(std::shared_ptr<const std::vector<Phrase>> phrases)
    : std::runtime_error(EnglishOf(*phrases)), phrases_(std::move(phrases)) {}

EPhraseError EPhraseError::Of(const std::exception& error) {
    return EPhraseError(std::make_shared<const std::vector<Phrase>>(PhrasesOf(error)));
}

Phrase VerbatimPhrase(std::string text) { return MakePhrase(ErrorContext, VerbatimSource, {std::move(text)}); }

bool IsVerbatim(const Phrase& phrase) {
    return std::strcmp(phrase.Source, VerbatimSource) == 0 && phrase.Args.size() == 1 && !phrase.Count;
}

std::vector<Phrase> PhrasesOf(const std::exception& error) {
    if (const auto* said = dynamic_cast<const EPhraseError*>(&error)) return said->Phrases();
    return {VerbatimPhrase(error.what())};
}

}  // namespace velmora
