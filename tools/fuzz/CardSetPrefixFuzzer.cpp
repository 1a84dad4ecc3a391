// LoadCardSet over any file, reading the prefix only, as the New Game dialog does for every set it
// lists: a damaged file must end in the file's error and leave the loaded set as it was, and a read
// that succeeds must leave the pictures of the set loaded before alone.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzedCardSet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmora::LoadedCardSet set;
    set.PicturedSetFile = "Earlier.cst";
    set.CardNames = {"back"};
    set.CardPictures.emplace_back(2, 3, 0x00112233);
    const velmora::LoadedCardSet before = set;
    if (!velmora::fuzz::LoadFuzzedCardSet(set, data, size, true)) return 0;
    const bool picturesKept = set.PicturedSetFile == before.PicturedSetFile && set.CardNames == before.CardNames &&
                              set.CardPictures == before.CardPictures;
    if (!picturesKept || set.CardCount < 1 || set.LoadedSetFile != "Fuzzed.cst") std::abort();
    return 0;
}
