#include "app/Locations.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace velmora {
namespace {

constexpr const char* kProgramName = "velmora";

bool IsFolder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::filesystem::path Normal(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path real = std::filesystem::weakly_canonical(path, error);
    real = (error ? path : real).lexically_normal();
    // "/usr/" and "/usr" are one folder.
    return real.has_filename() || !real.has_relative_path() ? real : real.parent_path();
}

bool IsWithin(const std::filesystem::path& path, const std::filesystem::path& folder) {
    if (folder.empty()) return false;
    const std::filesystem::path relative = Normal(path).lexically_relative(Normal(folder));
    return !relative.empty() && *relative.begin() != "..";
}

// The prefix whose bin folder the program lies in, when that prefix also holds the program's data
// folder; empty otherwise.
std::filesystem::path TreePrefix(const LocationFacts& facts) {
    std::filesystem::path prefix = Normal(facts.ProgramFolder);
    std::vector<std::filesystem::path> binParts(facts.BinDir.begin(), facts.BinDir.end());
    for (auto part = binParts.rbegin(); part != binParts.rend(); ++part) {
        if (prefix.filename() != *part) return {};
        prefix = prefix.parent_path();
    }
    return IsFolder(prefix / facts.DataDir / kProgramName) ? prefix : std::filesystem::path();
}

void AddOnce(std::vector<std::filesystem::path>& folders, const std::filesystem::path& folder) {
    const std::filesystem::path normal = folder.lexically_normal();
    if (std::find(folders.begin(), folders.end(), normal) == folders.end()) folders.push_back(normal);
}

// The installed tree's own data folder comes first, so that a relocated tree reads its own sets
// whatever XDG_DATA_DIRS says; a read-only program folder outside any tree still has its sets read.
std::vector<std::filesystem::path> ShippedFolders(const LocationFacts& facts) {
    std::vector<std::filesystem::path> folders;
    const std::filesystem::path prefix = TreePrefix(facts);
    AddOnce(folders, prefix.empty() ? facts.ProgramFolder : prefix / facts.DataDir / kProgramName);
    for (const std::filesystem::path& dataDir : facts.DataDirs) {
        if (!dataDir.empty()) AddOnce(folders, dataDir / kProgramName);
    }
    return folders;
}

std::filesystem::path FolderHolding(const std::vector<std::filesystem::path>& folders, const char* file) {
    for (const std::filesystem::path& folder : folders) {
        if (IsFile(folder / file)) return folder;
    }
    return folders.front();
}

}  // namespace

std::vector<std::filesystem::path> Locations::WrittenFolders() const {
    std::vector<std::filesystem::path> folders;
    for (const std::filesystem::path& folder : {SettingsFolder, LibraryFolder, CardSets.User()})
        AddOnce(folders, folder);
    return folders;
}

std::filesystem::path UserDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && *dataHome == '/') return dataHome;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : "") / ".local" / "share";
}

Locations PortableLocations(const std::filesystem::path& programFolder, const std::filesystem::path& dataHome) {
    return {RunMode::Portable, programFolder, programFolder, programFolder, CardSetFolders(programFolder),
            programFolder, dataHome};
}

RunMode DecideRunMode(const LocationFacts& facts) {
    if (IsFile(facts.ProgramFolder / kPortableMarker)) return RunMode::Portable;
    const bool installedHere = IsWithin(facts.ProgramFolder, facts.InstallPrefix) || !TreePrefix(facts).empty();
    return facts.ProgramFolderWritable && !installedHere ? RunMode::Portable : RunMode::Installed;
}

Locations DecideLocations(const LocationFacts& facts) {
    if (DecideRunMode(facts) == RunMode::Portable) return PortableLocations(facts.ProgramFolder, facts.DataHome);
    const std::filesystem::path userData = facts.DataHome / kProgramName;
    std::vector<std::filesystem::path> shipped = ShippedFolders(facts);
    const std::filesystem::path sounds = FolderHolding(shipped, "sound1.wav");
    return {RunMode::Installed,
            facts.ProgramFolder,
            facts.ConfigHome / kProgramName,
            userData,
            CardSetFolders(userData / "cardsets", std::move(shipped)),
            sounds,
            {}};
}

void MakeWrittenFolders(const Locations& locations) {
    for (const std::filesystem::path& folder : locations.WrittenFolders()) {
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
    }
}

}  // namespace velmora
