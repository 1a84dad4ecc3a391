#pragma once
// Qt's GIF reader shows a first frame whose data ends early with the missing pixels filled in, and
// calls it good; it also makes the picture as large as the screen the file claims, whatever data the
// file holds. The wizard takes a GIF only when its first frame is whole.

#include <cstddef>
#include <cstdint>
#include <span>

namespace velmora {

// One 12-bit LZW code stands for at most 4096 pixels, so no GIF holds more than this many pixels
// for each of its bytes.
inline constexpr std::int64_t MostGifPixelsPerByte = 4096 * 8 / 12 + 1;

// Whether the GIF file bytes holds the whole of its first frame: every block present, LZW codes
// that give at least the frame's pixels before the end code, and a screen no larger than its data
// could fill.
bool HoldsWholeFirstFrame(std::span<const std::uint8_t> bytes);

}  // namespace velmora
