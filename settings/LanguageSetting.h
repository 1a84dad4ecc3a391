#pragma once
// The interface language chosen in the Options menu, kept in velmora.ini in a section of its own.

#include <array>
#include <filesystem>
#include <string>

namespace velmora {

inline constexpr const char* kLanguageSection = "language";

// The languages the program speaks, by their codes; English is the source language.
inline constexpr std::array<const char*, 4> kLanguageCodes = {"en", "de", "fr", "es"};

struct LanguageSetting {
    std::string Code;  // one of kLanguageCodes, or empty for the system's language

    // A missing file or key, or a value that names no offered language, reads as the system's
    // language.
    static LanguageSetting Read(const std::filesystem::path& programFolder);
    // Writes nothing for the system's language into a file that holds no choice yet.
    void Write(const std::filesystem::path& programFolder) const;
};

}  // namespace velmora
