// LoadCardSet over any file, reading the whole set and its background: a damaged file must end in
// the file's error and leave the loaded set as it was; a set that loads must hold what its prefix
// announced.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzedCardSet.h"

namespace {

bool HoldsWhatItAnnounced(const velmora::LoadedCardSet& set) {
    const auto count = static_cast<std::size_t>(set.CardCount);
    if (set.CardNames.size() != count || set.CardPictures.size() != count) return false;
    for (const velmora::Picture& picture : set.CardPictures) {
        if (picture.Width != set.CardWidth || picture.Height != set.CardHeight) return false;
    }
    return !set.BackgroundTile.Empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmora::LoadedCardSet set;
    set.Author = "unchanged";
    if (velmora::fuzz::LoadFuzzedCardSet(set, data, size, false) && !HoldsWhatItAnnounced(set)) std::abort();
    return 0;
}
