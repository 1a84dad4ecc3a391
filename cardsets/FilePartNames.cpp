#include "cardsets/FilePartNames.h"

#include <string>

#include "text/PhraseError.h"

namespace velmora {

Phrase CardNamePart(std::size_t card) {
    return ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the name of card %1"), {std::to_string(card)});
}

Phrase CardPicturePart(std::size_t card) {
    return ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the picture of card %1"), {std::to_string(card)});
}

std::array<Phrase, DetailTextCount> DetailTextParts() {
    return {ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the author")),
            ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the e-mail address")),
            ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the web address")),
            ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the notes text")),
            ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the language"))};
}

}  // namespace velmora
