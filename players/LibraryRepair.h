#pragma once
// Mending a player library whose end holds part of a record (a cut-short copy, a write broken
// off): the damaged file is kept aside under a name of its own and the whole records before the
// fragment are written back, so that adding players and loading work again.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "players/PlayerRecord.h"
#include "text/Phrase.h"

namespace velmora {

struct LibraryRepair {
    int PlayersKept = 0;
    std::string DamagedCopy;  // the bare name the damaged file was kept under
};

// The whole records of the file and whether a fragment follows them. A missing file holds none.
struct LibraryContents {
    std::vector<TPlayerRecord> Records;
    bool Fragment = false;
};
LibraryContents ReadWholeRecords(const std::filesystem::path& file);

// Keeps a copy of the damaged file as "<file>.damaged", or "<file>.damaged.N" with the first
// free N, and rewrites the file with records. Nothing is overwritten; a failure raises EInOutError
// and leaves the file as it was.
LibraryRepair RepairLibraryFile(const std::filesystem::path& file, const std::vector<TPlayerRecord>& records);

// What the user is told once the file was mended.
Phrase LibraryRepairMessage(const LibraryRepair& repair);

}  // namespace velmora
