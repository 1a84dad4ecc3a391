#include "cardsets/FileNames.h"

#include <algorithm>
#include <compare>
#include <system_error>

namespace velmora {

namespace {

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool LessFileName(const std::string& a, const std::string& b) {
    const auto order = std::lexicographical_compare_three_way(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return FoldCase(x) <=> FoldCase(y); });
    return order != 0 ? order < 0 : a < b;
}

bool SameFileName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

bool EndsWithNoCase(const std::string& name, const std::string& suffix) {
    return name.size() >= suffix.size() && SameFileName(name.substr(name.size() - suffix.size()), suffix);
}

std::vector<std::string> FileNamesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), LessFileName);
    return names;
}

std::filesystem::path FindFileNoCase(const std::filesystem::path& folder, const std::string& fileName) {
    const std::filesystem::path exact = folder / fileName;
    std::error_code error;
    if (std::filesystem::is_regular_file(exact, error)) return exact;
    for (const std::string& name : FileNamesIn(folder)) {
        if (SameFileName(name, fileName)) return folder / name;
    }
    return exact;
}

}  // namespace velmora
