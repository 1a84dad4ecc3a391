#pragma once
// The folders card sets are read from. The user's own folder comes first: new sets are saved there
// and the card-set check renames there. The folders of the sets that came with the program follow;
// they are only ever read, since an installed program's files belong to the system.

#include <filesystem>
#include <string>
#include <vector>

namespace velmora {

class CardSetFolders {
public:
    // A program kept in a folder of its own reads and writes its sets there alone, so one folder
    // stands for all of them.
    CardSetFolders(std::filesystem::path user, std::vector<std::filesystem::path> shipped = {})
        : user_(std::move(user)), shipped_(std::move(shipped)) {}

    const std::filesystem::path& User() const { return user_; }
    const std::vector<std::filesystem::path>& Shipped() const { return shipped_; }

private:
    std::filesystem::path user_;
    std::vector<std::filesystem::path> shipped_;
};

// The sets of every folder as the lists show them, in file-name order. A set in the user's folder
// hides a shipped set of the same name (in any letter case), and an earlier shipped folder a later.
std::vector<std::string> ListCardSets(const CardSetFolders& folders);

// The file a set name is read from: the first folder that holds it in any letter case. A name found
// nowhere is looked for in the user's folder, so that opening it reports the name asked for.
std::filesystem::path LocateCardSet(const CardSetFolders& folders, const std::string& file);

}  // namespace velmora
