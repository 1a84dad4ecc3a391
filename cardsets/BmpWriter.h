#pragma once
// Writes pictures as 24-bit .bmp files, for the tools that take card sets apart and for tests.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "cardsets/Picture.h"

namespace velmora {

// A bottom-up 24-bit picture with its rows padded to four bytes.
std::vector<std::uint8_t> EncodeBmp24(const Picture& picture);

// Raises EFCreateError "Cannot create file <path>" or EWriteError.
void WriteBmp24(const std::filesystem::path& path, const Picture& picture);

}  // namespace velmora
