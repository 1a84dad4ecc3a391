#include "players/LibraryRepair.h"

#include <cerrno>
#include <system_error>

#include "compression/Stream.h"
#include "players/InOutError.h"
#include "players/LibraryFile.h"

namespace velmora {

namespace {

std::filesystem::path DamagedCopyName(const std::filesystem::path& file, int number) {
    std::filesystem::path copy = file;
    copy += ".damaged";
    if (number > 0) copy += "." + std::to_string(number);
    return copy;
}

// copy_file refuses an existing target, so a copy made by another run in between is kept too.
std::filesystem::path KeepDamagedCopy(const std::filesystem::path& file) {
    for (int number = 0;; ++number) {
        const std::filesystem::path copy = DamagedCopyName(file, number);
        std::error_code error;
        if (std::filesystem::exists(copy, error)) continue;
        if (std::filesystem::copy_file(file, copy, std::filesystem::copy_options::none, error)) return copy;
        if (error == std::errc::file_exists) continue;
        const int failure = error.value() != 0 ? error.value() : EIO;
        std::filesystem::remove(copy, error);  // a copy broken off half-way is no copy
        RaiseInOutError(failure);
    }
}

}  // namespace

LibraryContents ReadWholeRecords(const std::filesystem::path& file) {
    LibraryContents contents;
    try {
        ReadLibraryFile(file, [&](const TPlayerRecord& record) { contents.Records.push_back(record); });
    } catch (const EReadError&) {
        contents.Fragment = true;
    }
    return contents;
}

LibraryRepair RepairLibraryFile(const std::filesystem::path& file, const std::vector<TPlayerRecord>& records) {
    const std::filesystem::path copy = KeepDamagedCopy(file);
    try {
        WriteLibraryFile(file, records);
    } catch (...) {
        // The damaged file is still in place: the copy would only be a second one of it.
        std::error_code ignored;
        std::filesystem::remove(copy, ignored);
        throw;
    }
    return {static_cast<int>(records.size()), copy.filename().string()};
}

Phrase LibraryRepairMessage(const LibraryRepair& repair) {
    return Phrase{"Players",
                  VELMORA_TRANSLATE_N_NOOP("Players", "The player library %1 was damaged: it ended in part of a player "
                                                      "record. %n players were kept. The damaged file was kept as %2."),
                  {LibraryFileName, repair.DamagedCopy}, repair.PlayersKept,
                  "The player library %1 was damaged: it ended in part of a player record. %n player was kept. The "
                  "damaged file was kept as %2."};
}

}  // namespace velmora
