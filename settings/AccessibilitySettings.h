#pragma once
// How the board is drawn for players who need it: kept in a section of its own of "velmora.ini",
// beside the game's settings, which stay as they are.

#include <filesystem>

namespace velmora {

inline constexpr const char* kAccessibilitySection = "accessibility";

struct AccessibilitySettings {
    bool HighContrast = false;

    // A missing file, section or key gives the default.
    static AccessibilitySettings Read(const std::filesystem::path& programFolder);
    // Writes this section only, keeping the rest of the file; raises EIniFileException on failure.
    void Write(const std::filesystem::path& programFolder) const;
};

}  // namespace velmora
