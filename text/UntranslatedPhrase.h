#pragma once
// A text with no translation, such as a file error in the system's words, carried where the core
// hands the windows a Phrase: it shows as it is in every language.

#include <string>
#include <utility>

#include "text/Phrase.h"

namespace velmora {

inline Phrase UntranslatedPhrase(std::string text) { return MakePhrase("", "%1", {std::move(text)}); }

}  // namespace velmora
