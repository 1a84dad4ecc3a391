// LoadPlayerLibrary over any velmora.dat: every whole record is taken in, a damaged end raises the
// read error after them, and the list shows every player once.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "compression/Stream.h"
#include "players/LibraryFile.h"
#include "players/PlayerLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmora::fuzz::WriteInput(velmora::LibraryFileName, data, size);
    velmora::PlayerLibrary library(velmora::fuzz::FuzzFolder());
    std::vector<std::string> list{"stale line"};
    const bool wholeRecords = size % velmora::PlayerRecordSize == 0;
    try {
        library.LoadPlayerLibrary(list, velmora::LibraryFilter::AllPlayers);
        if (!wholeRecords) std::abort();
    } catch (const velmora::EReadError&) {
        if (wholeRecords) std::abort();
    }
    const auto records = static_cast<int>(size / velmora::PlayerRecordSize);
    if (library.LibraryCount() != records || list.size() != static_cast<std::size_t>(records)) std::abort();
    for (int position = 1; position <= records; ++position) {
        const std::string name = library.Player(position).Name.Text();
        const int found = library.FindLibraryPlayer(name);
        if (name.size() > velmora::MaxNameLength || found < 1 || found > position) std::abort();
    }
    return 0;
}
