#pragma once
// File-name rules of the program folder. Users expect names to match whatever the letter case, as
// on the system the sets are shared from, while this file system tells cases apart.

#include <filesystem>
#include <string>
#include <vector>

namespace velmora {

// Compares ASCII letters without regard to case; other bytes must be equal.
bool SameFileName(const std::string& a, const std::string& b);
bool EndsWithNoCase(const std::string& name, const std::string& suffix);
// The order of file-name lists: without regard to case, then by byte, so that it never depends on
// the file system.
bool LessFileName(const std::string& a, const std::string& b);

// The names of the plain files in folder, in LessFileName order. An unreadable folder has none.
std::vector<std::string> FileNamesIn(const std::filesystem::path& folder);

// The file in folder named fileName: the exact name when it exists, else the first whose name
// differs only in case, else the exact name (so opening it reports the name asked for).
std::filesystem::path FindFileNoCase(const std::filesystem::path& folder, const std::string& fileName);

}  // namespace velmora
