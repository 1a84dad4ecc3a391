#include "settings/IniFile.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <system_error>

namespace velmora {
namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string> SectionName(const std::string& line) {
    const std::string text = Trim(line);
    if (text.size() < 2 || text.front() != '[') return std::nullopt;
    const auto close = text.find(']');
    if (close == std::string::npos) return std::nullopt;
    return Trim(text.substr(1, close - 1));
}

bool IsComment(const std::string& text) { return !text.empty() && (text.front() == ';' || text.front() == '#'); }

// The key of a "key=value" line, or nothing.
std::optional<std::string> KeyName(const std::string& line) {
    const std::string text = Trim(line);
    if (text.empty() || IsComment(text) || text.front() == '[') return std::nullopt;
    const auto equals = text.find('=');
    if (equals == std::string::npos) return std::nullopt;
    return Trim(text.substr(0, equals));
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string ValueOf(const std::string& line) {
    std::string value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// A value that ValueOf would change (blanks at either end are trimmed, a pair of quotes around it is
// taken off) is written inside double quotes, so that it reads back as it was; any other value is
// written as it is, as the file always held it.
std::string StoredValue(const std::string& value) {
    const bool trimmed = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
    const bool quoted = value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
    return trimmed || quoted ? '"' + value + '"' : value;
}

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (in && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

[[noreturn]] void FailWrite(const std::filesystem::path& path) {
    throw EIniFileException("Unable to write to " + path.string());
}

}  // namespace

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)), lines_(ReadLines(path_)) {}

std::optional<std::size_t> IniFile::FindSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (name && SameName(*name, section)) return i;
    }
    return std::nullopt;
}

std::size_t IniFile::SectionEnd(std::size_t sectionLine) const {
    std::size_t end = sectionLine + 1;
    while (end < lines_.size() && !SectionName(lines_[end])) ++end;
    return end;
}

std::optional<std::size_t> IniFile::FindKey(std::size_t sectionLine, const std::string& key) const {
    const std::size_t end = SectionEnd(sectionLine);
    for (std::size_t i = sectionLine + 1; i < end; ++i) {
        const auto name = KeyName(lines_[i]);
        if (name && SameName(*name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::ReadString(const std::string& section, const std::string& key) const {
    const auto sectionLine = FindSection(section);
    if (!sectionLine) return std::nullopt;
    const auto keyLine = FindKey(*sectionLine, key);
    if (!keyLine) return std::nullopt;
    return ValueOf(lines_[*keyLine]);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
    return ReadString(section, key).value_or(fallback);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
    const auto text = ReadString(section, key);
    if (!text || text->empty()) return fallback;
    const char* first = text->data();
    const char* last = first + text->size();
    if (*first == '+') ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return fallback;
    return value;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    const std::string line = key + "=" + StoredValue(value);
    auto sectionLine = FindSection(section);
    if (!sectionLine) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + section + "]");
        lines_.push_back(line);
        return;
    }
    if (const auto keyLine = FindKey(*sectionLine, key)) {
        lines_[*keyLine] = line;
        return;
    }
    // After the section's last non-blank line, so a blank line that separates sections stays put.
    std::size_t at = SectionEnd(*sectionLine);
    while (at > *sectionLine + 1 && Trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::string IniFile::Text() const {
    std::string text;
    for (const auto& line : lines_) text += line + "\r\n";
    return text;
}

void IniFile::Save() const {
    std::filesystem::path temporary = path_;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) FailWrite(path_);
        const std::string text = Text();
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            FailWrite(path_);
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path_, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        FailWrite(path_);
    }
}

}  // namespace velmora
