#pragma once
// The four settings kept between runs in "velmora.ini", in the settings folder Locations names.

#include <array>
#include <filesystem>
#include <string>

namespace velmora {

inline constexpr const char* kSettingsFileName = "velmora.ini";
inline constexpr const char* kSettingsSection = "inivalues";

// The flip delays the Options menu offers, in 75 ms timer ticks.
inline constexpr std::array<int, 5> kFlipDelays = {5, 10, 20, 25, 32};
inline constexpr int kNormalFlipDelay = 20;

bool IsOfferedFlipDelay(int ticks);

struct Settings {
    int FlipDelay = kNormalFlipDelay;
    bool SoundOn = true;
    std::string LastSet = "Default";  // card-set name without ".cst"
    int LastFormat = 1;               // Standard

    // Reads the settings file of programFolder. A missing file or key gives the default; a flip
    // delay the menu does not offer reads as the normal one.
    static Settings Read(const std::filesystem::path& programFolder);
    // Writes the four keys, keeping everything else in the file. Raises EIniFileException
    // "Unable to write to %s" when the file cannot be written; the old file then stays whole.
    void Write(const std::filesystem::path& programFolder) const;
};

}  // namespace velmora
