#include "cardsets/ui/ShippedTexts.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "widgets/AnsiText.h"
#include "widgets/Translation.h"

namespace velmora {
namespace {

// What the shipped sets say in English: the card names the card-art tool gives them, their notes
// and their language.
constexpr Tr kShippedTexts[] = {
    VELMORA_TR("CardSetNames", "Card Back"),
    VELMORA_TR("CardSetNames", "Solid Circle"),
    VELMORA_TR("CardSetNames", "Solid Square"),
    VELMORA_TR("CardSetNames", "Solid Triangle"),
    VELMORA_TR("CardSetNames", "Solid Diamond"),
    VELMORA_TR("CardSetNames", "Solid Star"),
    VELMORA_TR("CardSetNames", "Solid Heart"),
    VELMORA_TR("CardSetNames", "Solid Cross"),
    VELMORA_TR("CardSetNames", "Solid Hexagon"),
    VELMORA_TR("CardSetNames", "Solid Moon"),
    VELMORA_TR("CardSetNames", "Solid Arrow"),
    VELMORA_TR("CardSetNames", "Open Circle"),
    VELMORA_TR("CardSetNames", "Open Square"),
    VELMORA_TR("CardSetNames", "Open Triangle"),
    VELMORA_TR("CardSetNames", "Open Diamond"),
    VELMORA_TR("CardSetNames", "Open Star"),
    VELMORA_TR("CardSetNames", "Open Heart"),
    VELMORA_TR("CardSetNames", "Open Cross"),
    VELMORA_TR("CardSetNames", "Open Hexagon"),
    VELMORA_TR("CardSetNames", "Open Moon"),
    VELMORA_TR("CardSetNames", "Open Arrow"),
    VELMORA_TR("CardSetNames", "Striped Circle"),
    VELMORA_TR("CardSetNames", "Striped Square"),
    VELMORA_TR("CardSetNames", "Striped Triangle"),
    VELMORA_TR("CardSetNames", "Striped Diamond"),
    VELMORA_TR("CardSetNames", "Striped Star"),
    VELMORA_TR("CardSetNames", "Striped Heart"),
    VELMORA_TR("CardSetNames", "Striped Cross"),
    VELMORA_TR("CardSetNames", "Striped Hexagon"),
    VELMORA_TR("CardSetNames", "Striped Moon"),
    VELMORA_TR("CardSetNames", "Striped Arrow"),
    VELMORA_TR("CardSetNames", "Twin Circle"),
    VELMORA_TR("CardSetNames", "Twin Square"),
    VELMORA_TR("CardSetNames", "Twin Triangle"),
    VELMORA_TR("CardSetNames", "Twin Diamond"),
    VELMORA_TR("CardSetNames", "Twin Star"),
    VELMORA_TR("CardSetNames", "Twin Heart"),
    VELMORA_TR("CardSetNames", "Twin Cross"),
    VELMORA_TR("CardSetNames", "Twin Hexagon"),
    VELMORA_TR("CardSetNames", "Twin Moon"),
    VELMORA_TR("CardSetNames", "Twin Arrow"),
    VELMORA_TR("CardSetNames", "Reversed Circle"),
    VELMORA_TR("CardSetNames", "Reversed Square"),
    VELMORA_TR("CardSetNames", "Reversed Triangle"),
    VELMORA_TR("CardSetNames", "Reversed Diamond"),
    VELMORA_TR("CardSetNames", "Reversed Star"),
    VELMORA_TR("CardSetNames", "Reversed Heart"),
    VELMORA_TR("CardSetNames", "Reversed Cross"),
    VELMORA_TR("CardSetNames", "Reversed Hexagon"),
    VELMORA_TR("CardSetNames", "Reversed Moon"),
    VELMORA_TR("CardSetNames", "Reversed Arrow"),
    VELMORA_TR("CardSetNames", "Bold shapes in five patterns: every pair can be told apart by shape and pattern, not by colour alone."),
    VELMORA_TR("CardSetNames", "English"),
};

constexpr Tr kFormatNames[] = {
    VELMORA_TR("Formats", "Junior (5x4)"),
    VELMORA_TR("Formats", "Standard (7x6)"),
    VELMORA_TR("Formats", "Expert (8x8)"),
    VELMORA_TR("Formats", "Fanatic (10x10)"),
};

template <std::size_t N>
QString Shown(const Tr (&known)[N], const std::string& text) {
    const auto found = std::find_if(std::begin(known), std::end(known),
                                    [&](const Tr& entry) { return std::strcmp(entry.Source, text.c_str()) == 0; });
    return found == std::end(known) ? FromAnsi(text) : Translated(*found);
}

}  // namespace

QString ShownSetText(const std::string& text) { return Shown(kShippedTexts, text); }

QString ShownFormatName(const std::string& name) { return Shown(kFormatNames, name); }

}  // namespace velmora
