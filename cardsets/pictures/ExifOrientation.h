#pragma once
// Cameras store a picture as the sensor saw it and note in its EXIF data how to turn it upright.

#include <cstddef>
#include <cstdint>

#include "cardsets/Picture.h"

namespace velmora {

// The orientation tag (1..8) of an APP1 "Exif" segment's data (from "Exif\0\0" on); 1 when the data
// holds none or is damaged.
int ExifOrientation(const std::uint8_t* data, std::size_t size);

// picture turned upright for an orientation tag: 2 mirrored, 3 turned half round, 4 flipped, 5 mirrored
// along the main diagonal, 6 turned a quarter clockwise, 7 the other diagonal, 8 a quarter anticlockwise.
Picture Oriented(Picture picture, int orientation);

// Whether the orientation swaps width and height.
inline bool SwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

}  // namespace velmora
