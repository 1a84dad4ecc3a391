#pragma once
// A card-set file opened from outside the program (given on the command line, as a file manager
// passes it) joins the user's sets: it is copied into the user's folder unless the program already
// reads that very file.

#include <filesystem>
#include <string>

#include "cardsets/CardSetFolders.h"

namespace velmora {

struct CardSetImport {
    std::filesystem::path Source;
    std::filesystem::path Target;  // in the user's folder; the name of a set it replaces keeps its spelling
    bool Copy = false;             // false when the set's name already leads to Source
    bool Replaces = false;         // the copy goes over a set of the user's of the same name
    std::string SetName;           // the name the lists show, without ".cst"
};

// A name lacking the extension gets it, as the card-set check would give it.
CardSetImport PlanCardSetImport(const CardSetFolders& folders, const std::filesystem::path& file);

// Copies Source to Target through a temporary file, so that a failed copy leaves a set it would have
// replaced whole. Raises EFCreateError naming the target when the copy cannot be written.
void CopyCardSet(const CardSetImport& import);

}  // namespace velmora
