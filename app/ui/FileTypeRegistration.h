#pragma once
// Writes the user's entry for card-set files (RegisterCardSetFileType) with the program's own
// card-set icon, and has the desktop's database rebuilt when something was written.

#include <filesystem>

class QObject;

namespace velmora {

// Writes below dataFolder; the rebuild runs in the background, owned by owner. Raises
// ERegistryException as the entry does.
void RegisterCardSetFileTypeForUser(const std::filesystem::path& dataFolder, QObject* owner);

}  // namespace velmora
