#pragma once
// A picture's pixels as a card set stores them: rows from the top, 3 bytes a pixel, blue first.

#include <string>

#include "cardsets/ByteReader.h"
#include "cardsets/ByteWriter.h"
#include "cardsets/Picture.h"

namespace velmora {

// Fills every pixel of picture, whose size is already set; raises "<what> is cut short" when the
// bytes run out first.
void ReadPixelRun(ByteReader& reader, Picture& picture, const Phrase& what);

void WritePixelRun(ByteWriter& writer, const Picture& picture);

// 3 x width x height, without overflow for any 32-bit sizes.
std::int64_t PixelRunSize(std::int64_t width, std::int64_t height);

}  // namespace velmora
