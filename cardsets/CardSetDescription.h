#pragma once
// A card set as its makers hold it (the wizard, the generator of the shipped sets), ready to write.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cardsets/CardSetPrefix.h"
#include "cardsets/Picture.h"
#include "cardsets/SystemColours.h"

namespace velmora {

struct CardSetDescription {
    CardSetDetails Details;
    std::int32_t CardWidth = 0;
    std::int32_t CardHeight = 0;
    std::vector<std::string> CardNames;  // one per card, index 0 = card back
    std::vector<Picture> CardPictures;   // CardWidth x CardHeight each, index 0 = card back
    ColourTable Palette{};               // the card back's palette
    std::optional<Picture> Background;   // written as "Picture" when present
    std::uint32_t BackgroundColour = ButtonFaceColour;  // written as "Color__" otherwise
};

}  // namespace velmora
