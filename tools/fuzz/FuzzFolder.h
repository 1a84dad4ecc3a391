#pragma once
// The fuzz targets that read from a folder (card sets, the player library, the settings file) put
// each input there as the file they read. Every process gets a folder of its own under the
// temporary folder, made on first use and removed when the process ends, so a target never writes
// anywhere else and two fuzzers running side by side never share a file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace velmora::fuzz {

const std::filesystem::path& FuzzFolder();

// Writes the input as name in the folder, replacing what the last input left there.
void WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size);

}  // namespace velmora::fuzz
