#pragma once
// Where every file of the program lives. A program run from a folder of its own (the build folder, a
// copy on a USB stick) keeps everything beside itself: it is portable. An installed program keeps
// the user's files in the user's folders and only reads what it ships, from the data folder of the
// tree it was installed in. Nothing else in the program decides a folder.

#include <filesystem>
#include <vector>

#include "cardsets/CardSetFolders.h"

namespace velmora {

// A file of this name beside the executable keeps a program portable wherever it lies.
inline constexpr const char* kPortableMarker = "velmora-portable";

enum class RunMode { Portable, Installed };

// What the system says about the running program; SystemLocationFacts gathers it, so that the
// decision below can be tried on any facts.
struct LocationFacts {
    std::filesystem::path ProgramFolder;          // the executable's folder
    bool ProgramFolderWritable = false;
    std::filesystem::path InstallPrefix;          // the prefix the program was built for
    std::filesystem::path BinDir = "bin";         // below a prefix: the executables
    std::filesystem::path DataDir = "share";      // below a prefix: the data folders
    std::filesystem::path ConfigHome;             // XDG_CONFIG_HOME, by default ~/.config
    std::filesystem::path DataHome;               // XDG_DATA_HOME, by default ~/.local/share
    std::vector<std::filesystem::path> DataDirs;  // XDG_DATA_DIRS
};

struct Locations {
    RunMode Mode = RunMode::Portable;
    std::filesystem::path ProgramFolder;
    std::filesystem::path SettingsFolder;  // velmora.ini
    std::filesystem::path LibraryFolder;   // velmora.dat
    CardSetFolders CardSets;               // the user's sets (new ones go there), then the shipped ones
    std::filesystem::path SoundFolder;     // sound1.wav .. sound4.wav
    // The user's data folder that the entry for card-set files is written into at start-up; empty
    // when the program writes none, as an installed one, whose package holds the entry.
    std::filesystem::path FileTypeFolder;

    // The folders the program writes into, which a first run of an installed program must make.
    std::vector<std::filesystem::path> WrittenFolders() const;
};

// The user's data folder by the environment alone: XDG_DATA_HOME when absolute, else
// ~/.local/share.
std::filesystem::path UserDataFolder();

// Everything in programFolder, as a portable program keeps it; its entry for card-set files goes
// into dataHome.
Locations PortableLocations(const std::filesystem::path& programFolder,
                            const std::filesystem::path& dataHome = UserDataFolder());

// Portable when the program folder holds the marker, or is writable and lies neither below the
// prefix the program was built for nor in the bin folder of a tree that holds its data folder (an
// installed tree copied elsewhere, as a package unpacked into another root is). Installed otherwise.
RunMode DecideRunMode(const LocationFacts& facts);
Locations DecideLocations(const LocationFacts& facts);

// Makes the folders WrittenFolders names; one that cannot be made is left for the first write into
// it to report.
void MakeWrittenFolders(const Locations& locations);

}  // namespace velmora
