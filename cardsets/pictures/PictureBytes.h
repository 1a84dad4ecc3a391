#pragma once
// The whole of a picture file in memory, for the readers of both formats.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "cardsets/pictures/PictureFile.h"

namespace velmora {

// "The picture <path> is too large to be read": a file beyond MaxPictureFileBytes.
EPictureError TooLargeFile(const std::filesystem::path& path);

// Raises EPictureError "Cannot open file <path>", or the size error for a file beyond
// MaxPictureFileBytes.
std::vector<std::uint8_t> ReadPictureBytes(const std::filesystem::path& path);

}  // namespace velmora
