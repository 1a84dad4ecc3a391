#pragma once
// The commands of velmora-cardset, writing their report to out. Errors are raised.

#include <filesystem>
#include <ostream>

namespace velmora {

// The details, card count and size, largest format, background kind and payload size of a set.
void PrintCardSetInfo(const std::filesystem::path& file, std::ostream& out);

// Writes each card as "<index> <name>.bmp", the background as "background.bmp" and the details
// as "details.txt" into folder (made when missing); lists what it wrote.
void ExtractCardSet(const std::filesystem::path& file, const std::filesystem::path& folder, std::ostream& out);

// Runs the card-set check on folder and prints each rename.
void RunCardSetCheck(const std::filesystem::path& folder, std::ostream& out);

}  // namespace velmora
