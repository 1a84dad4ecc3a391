#pragma once
// Bringing a picture of any size to the card size: cropped to cover the card, or fitted inside it
// on the card's background colour. Scaling keeps the aspect ratio and is smooth: each card pixel is
// the area average of the source pixels it covers when shrinking, and bilinear when enlarging.

#include <cstdint>
#include <optional>
#include <string>

#include "cardsets/CardSetFormats.h"
#include "cardsets/Picture.h"

namespace velmora {

enum class FitMode {
    Exact,  // only pictures of the card size are taken
    Crop,   // scaled to cover the card, centred, the overflow cut off
    Fit,    // scaled to lie inside the card, centred, the margins in the background colour
};

// "crop", "fit", "exact" (any letter case); nullopt for anything else.
std::optional<FitMode> FitModeNamed(const std::string& name);
const char* FitModeName(FitMode mode);

struct PictureSize {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool operator==(const PictureSize&) const = default;
};

// The size picture is scaled to before the crop or the margins: for Crop it covers target, for Fit it
// lies inside it; the aspect ratio is kept to the nearest pixel and neither side is below 1. Exact
// gives target.
PictureSize ScaledSize(PictureSize picture, PictureSize target, FitMode mode);

// picture brought to target: unchanged when it already has that size, otherwise cropped or fitted
// (Exact does not scale and gives the picture as it is). marginColour is 0x00RRGGBB. The palette is
// the picture's.
Picture FitPicture(const Picture& picture, PictureSize target, FitMode mode, std::uint32_t marginColour);

// The whole picture scaled to exactly width x height (which may change its aspect ratio).
Picture ScalePicture(const Picture& picture, PictureSize size);

// The largest card the format takes with the aspect ratio of picture (to the nearest pixel).
PictureSize LargestCardFor(const CardSetFormat& format, PictureSize picture);

}  // namespace velmora
