#pragma once
// A sentence the program shows, kept as its English source with the values to fill in, so that the
// windows can show it in the interface language while the core stays free of any toolkit.
// VELMORA_TRANSLATE_NOOP marks a source text for the translation tools and is the text itself;
// VELMORA_TRANSLATE_N_NOOP marks one whose wording depends on the count %n.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#define VELMORA_TRANSLATE_NOOP(context, text) text
#define VELMORA_TRANSLATE_N_NOOP(context, text) text

namespace velmora {

struct Phrase {
    const char* Context = "";
    const char* Source = "";        // English; %1..%9 take Args, %n takes Count
    std::vector<std::string> Args;  // Windows-1252 bytes
    std::optional<int> Count;
    const char* SourceOne = nullptr;  // the English wording when Count is 1

    // A phrase with no text says nothing: no refusal, no message.
    bool Empty() const { return *Source == '\0'; }

    // The sentence in English, with every placeholder filled in one pass, so that a value holding
    // "%1" stays as it is.
    std::string English() const {
        const char* source = Count && *Count == 1 && SourceOne != nullptr ? SourceOne : Source;
        std::string text;
        for (const char* p = source; *p != '\0'; ++p) {
            if (p[0] == '%' && p[1] == 'n' && Count) {
                text += std::to_string(*Count);
                ++p;
            } else if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' &&
                       static_cast<std::size_t>(p[1] - '1') < Args.size()) {
                text += Args[static_cast<std::size_t>(p[1] - '1')];
                ++p;
            } else {
                text += *p;
            }
        }
        return text;
    }
};

// Phrases compare and print as their English, as a log or a test reads them.
inline bool operator==(const Phrase& phrase, std::string_view english) { return phrase.English() == english; }
inline std::ostream& operator<<(std::ostream& out, const Phrase& phrase) { return out << phrase.English(); }

inline Phrase MakePhrase(const char* context, const char* source, std::vector<std::string> args = {}) {
    return Phrase{context, source, std::move(args), std::nullopt, nullptr};
}

}  // namespace velmora
