#pragma once
// A reader and writer of INI files (sections in brackets, "key=value" lines). It keeps every line
// it does not change, comments and other sections included, so that a file a user edited by hand
// survives the program writing its own keys into it.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {

// Raised when the file cannot be written: "Unable to write to %s".
class EIniFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IniFile {
public:
    // Reads path; a missing or unreadable file gives an empty one.
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return path_; }

    // Section and key names compare without regard to ASCII letter case, as the platform's INI
    // functions do. A value in matching quotes is read without them.
    std::optional<std::string> ReadString(const std::string& section, const std::string& key) const;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;
    // A value that is not a decimal 32-bit number reads as fallback.
    int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
    // True when the value read as an integer is not 0.
    bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;

    // Changes the value in memory; the section and key are added when missing.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Writes the whole file to a temporary file beside it and renames it over the old one, so a
    // failed write leaves the old file whole. Raises EIniFileException on failure.
    void Save() const;

    // The file's text as Save would write it.
    std::string Text() const;

private:
    std::optional<std::size_t> FindSection(const std::string& section) const;
    std::optional<std::size_t> FindKey(std::size_t sectionLine, const std::string& key) const;
    std::size_t SectionEnd(std::size_t sectionLine) const;

    std::filesystem::path path_;
    std::vector<std::string> lines_;
};

}  // namespace velmora
