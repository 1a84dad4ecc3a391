#pragma once
// The whole of a picture file in memory, for the readers of both formats.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace velmora {

// Raises EPictureError "Cannot open file <path>", or the size error for a file beyond
// MaxPictureFileBytes.
std::vector<std::uint8_t> ReadPictureBytes(const std::filesystem::path& path);

}  // namespace velmora
