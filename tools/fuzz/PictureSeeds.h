#pragma once
// The seeds of the picture targets: bitmaps from the card-set tools' own writer and from QImage (the
// indexed kinds), JPEG images and every other format from QImage, all a few pixels large.

#include <filesystem>

namespace velmora::fuzz {

void MakeBitmapSeeds(const std::filesystem::path& folder);
void MakeJpegSeeds(const std::filesystem::path& folder);
// The generic reader's: a byte choosing the file's name and how it is read, then the file.
void MakeImageSeeds(const std::filesystem::path& folder);

}  // namespace velmora::fuzz
