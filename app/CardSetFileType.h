#pragma once
// Makes the desktop know card-set files: a shared-mime-info entry for "*.cst" and its icon in the
// user's data folder. The desktop reads the entry once its database has been rebuilt from it.

#include <filesystem>
#include <stdexcept>
#include <string>

#include "app/Locations.h"

namespace velmora {

inline constexpr const char* kCardSetMimeType = "application/x-velmora-cardset";

// Raised when an entry cannot be written: "Failed to set data for '%s'".
class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The files the entry consists of, below dataFolder.
std::filesystem::path CardSetMimeEntry(const std::filesystem::path& dataFolder);
std::filesystem::path CardSetIconFile(const std::filesystem::path& dataFolder);

// Whether the entry and the icon are both there already.
bool CardSetFileTypeRegistered(const std::filesystem::path& dataFolder);

// Writes the entry and the icon (PNG bytes) unless both are there already. Returns true when it
// wrote something. Raises ERegistryException naming the file that could not be written.
bool RegisterCardSetFileType(const std::filesystem::path& dataFolder, const std::string& iconPng);

}  // namespace velmora
