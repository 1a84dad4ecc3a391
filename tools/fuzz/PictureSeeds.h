#pragma once
// The seeds of the picture targets: bitmaps from the card-set tools' own writer and from QImage (the
// indexed kinds), JPEG images from QImage, all a few pixels large.

#include <filesystem>

namespace velmora::fuzz {

void MakeBitmapSeeds(const std::filesystem::path& folder);
void MakeJpegSeeds(const std::filesystem::path& folder);

}  // namespace velmora::fuzz
