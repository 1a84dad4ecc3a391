#pragma once
// The decompressed part of a card set: palette, card records and background.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "cardsets/CardSetPrefix.h"
#include "cardsets/CardSetProgress.h"
#include "cardsets/Picture.h"

namespace velmora {

enum class BackgroundKind {
    NotRead,  // the read asked for no background
    Picture,  // marker "Picture"
    Colour,   // marker "Color__"
    Unknown,  // any other marker: the button-face colour stands in
};

// The size a background tile gets when the set gives only a colour.
inline constexpr std::int32_t ColourTileSize = 100;
// The wizard writes 540 x 374; anything beyond this is damage, not a picture.
inline constexpr std::int32_t MaxBackgroundSide = 4096;

struct CardSetPayload {
    ColourTable Palette{};
    std::vector<std::string> CardNames;
    std::vector<Picture> CardPictures;  // each with Palette
    BackgroundKind Background = BackgroundKind::NotRead;
    std::uint32_t BackgroundColour = 0;  // as stored, for Colour
    Picture BackgroundTile;              // empty when NotRead
    std::size_t PayloadSize = 0;
};

// Bounds the size field of the container before anything is decompressed.
std::int64_t SmallestPayloadSize(const CardSetPrefix& prefix);
std::int64_t LargestPayloadSize(const CardSetPrefix& prefix);

// Reads the payload of the set whose prefix is given, stepping progress once before each card.
// Raises ECardSetError naming fileName when the payload is shorter than its cards need or holds a
// card name or background no reader can take.
CardSetPayload ReadCardSetPayload(std::span<const std::uint8_t> payload, const CardSetPrefix& prefix,
                                  bool withBackground, const std::string& fileName, ProgressSession& progress);

}  // namespace velmora
