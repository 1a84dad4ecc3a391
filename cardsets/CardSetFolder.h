#pragma once
// Finding the card sets of the program folder and repairing the names of sets that lost their
// extension.

#include <filesystem>
#include <string>
#include <vector>

namespace velmora {

inline constexpr const char* CardSetExtension = ".cst";

// The sets of folder as the lists show them: each file whose name ends in ".cst" (any case), less
// those four characters. The chosen entry is opened as CardSetFileName(entry).
std::vector<std::string> ListCardSets(const std::filesystem::path& folder);

// The file a set the lists show (or the LastSet setting names) is opened as: "Default" -> "Default.cst".
std::string CardSetFileName(const std::string& setName);

struct CardSetRename {
    std::string From;
    std::string To;
};

// The card-set check: each file whose first twelve bytes are a valid card-set header and whose name
// does not end in "cst" (any case) is renamed to its base name + ".cst", or + " n.cst" with the
// smallest free n from 2. Files that cannot be opened for reading and writing, or are shorter than
// twelve bytes, are skipped; a failed rename is ignored. Returns the renames made, in order.
std::vector<CardSetRename> CheckCardSets(const std::filesystem::path& folder);

// The name a set is written under until it is complete: it ends in "cst" so that the card-set check
// leaves it alone, and not in ".cst" so that no list offers it.
std::filesystem::path TemporaryCardSetPath(const std::filesystem::path& target);

}  // namespace velmora
