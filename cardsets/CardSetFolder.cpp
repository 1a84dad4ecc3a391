#include "cardsets/CardSetFolder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <system_error>

#include "cardsets/CardSetFormats.h"
#include "cardsets/FileNames.h"
#include "compression/Stream.h"

namespace velmora {

namespace {

// Opened for reading and writing, as a set the check may rename must be; files that refuse are not
// the check's to touch.
bool HasCardSetHeader(const std::filesystem::path& path) {
    try {
        FileStream file(path, FileStream::Mode::ReadWrite);
        std::array<std::uint8_t, 12> bytes{};
        if (file.Read(bytes.data(), 12) != 12) return false;
        std::array<std::int32_t, 3> numbers{};
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            const std::uint8_t* b = bytes.data() + 4 * i;
            numbers[i] = static_cast<std::int32_t>(b[0] | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
                                                   std::uint32_t{b[3]} << 24);
        }
        return IsValidCardSetHeader(numbers[0], numbers[1], numbers[2]);
    } catch (const EStreamError&) {
        return false;
    }
}

std::string BaseName(const std::string& name) {
    if (name.size() >= 4 && name[name.size() - 4] == '.') return name.substr(0, name.size() - 4);
    return name;
}

// Taken in any letter case, since a user who copies the sets elsewhere must not get two files whose
// names differ only in case; and taken by anything else of that exact name, which a rename would hit.
bool Taken(const std::filesystem::path& folder, const std::vector<std::string>& names, const std::string& candidate) {
    std::error_code error;
    return std::filesystem::exists(folder / candidate, error) ||
           std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SameFileName(n, candidate); });
}

std::string FreeCardSetName(const std::filesystem::path& folder, const std::vector<std::string>& names,
                            const std::string& base) {
    std::string candidate = CardSetFileName(base);
    for (int n = 2; Taken(folder, names, candidate); ++n) candidate = CardSetFileName(base + " " + std::to_string(n));
    return candidate;
}

}  // namespace

std::vector<std::string> ListCardSets(const std::filesystem::path& folder) {
    std::vector<std::string> sets;
    for (const std::string& name : FileNamesIn(folder)) {
        if (EndsWithNoCase(name, CardSetExtension))
            sets.push_back(name.substr(0, name.size() - std::string_view(CardSetExtension).size()));
    }
    return sets;
}

std::filesystem::path TemporaryCardSetPath(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".tmpcst";
    return temporary;
}

std::vector<CardSetRename> CheckCardSets(const std::filesystem::path& folder) {
    std::vector<CardSetRename> renames;
    std::vector<std::string> names = FileNamesIn(folder);
    const std::vector<std::string> found = names;
    for (const std::string& name : found) {
        if (EndsWithNoCase(name, "cst") || !HasCardSetHeader(folder / name)) continue;
        const std::string newName = FreeCardSetName(folder, names, BaseName(name));
        std::error_code error;
        std::filesystem::rename(folder / name, folder / newName, error);
        if (error) continue;
        std::erase(names, name);
        names.push_back(newName);
        renames.push_back({name, newName});
    }
    return renames;
}

std::string CardSetFileName(const std::string& setName) { return setName + CardSetExtension; }

}  // namespace velmora
