#include "cardsets/CardSetFolders.h"

#include <algorithm>
#include <system_error>

#include "cardsets/CardSetFolder.h"
#include "cardsets/FileNames.h"

namespace velmora {

std::vector<std::string> ListCardSets(const CardSetFolders& folders) {
    std::vector<std::string> sets = ListCardSets(folders.User());
    for (const std::filesystem::path& folder : folders.Shipped()) {
        for (std::string& name : ListCardSets(folder)) {
            const auto same = [&name](const std::string& taken) { return SameFileName(taken, name); };
            if (std::none_of(sets.begin(), sets.end(), same)) sets.push_back(std::move(name));
        }
    }
    std::sort(sets.begin(), sets.end(), LessFileName);
    return sets;
}

std::filesystem::path LocateCardSet(const CardSetFolders& folders, const std::string& file) {
    std::error_code error;
    const std::filesystem::path own = FindFileNoCase(folders.User(), file);
    if (std::filesystem::is_regular_file(own, error)) return own;
    for (const std::filesystem::path& folder : folders.Shipped()) {
        const std::filesystem::path shipped = FindFileNoCase(folder, file);
        if (std::filesystem::is_regular_file(shipped, error)) return shipped;
    }
    return own;
}

}  // namespace velmora
