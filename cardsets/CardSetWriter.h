#pragma once
// Writes a card-set file from a description. The file is written under a temporary name in the same
// folder and renamed over the target only when complete, so a failed write leaves any old set whole.

#include <filesystem>
#include <string>

#include "cardsets/CardSetDescription.h"
#include "cardsets/CardSetProgress.h"

namespace velmora {

// Raises ECardSetError "Cannot write card set <fileName>: ..." when the description does not make a
// set of one of the four formats: card count and size, card pictures of the card size, names and
// details of at most 500 bytes, a background picture of a sensible size.
void CheckCardSetDescription(const CardSetDescription& set, const std::string& fileName);

// Raises EFCreateError "Cannot create file <target>" when the file cannot be created, and
// ECardSetError naming the file for every other failure.
void WriteCardSet(const std::filesystem::path& target, const CardSetDescription& set,
                  CardSetProgress* progress = nullptr);

}  // namespace velmora
