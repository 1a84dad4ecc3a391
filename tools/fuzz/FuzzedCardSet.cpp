#include "FuzzedCardSet.h"

#include <cstdlib>

#include "FuzzFolder.h"
#include "cardsets/CardSetError.h"
#include "compression/Stream.h"

namespace velmora::fuzz {

bool LoadFuzzedCardSet(LoadedCardSet& set, const std::uint8_t* data, std::size_t size, bool headerOnly) {
    constexpr const char* name = "Fuzzed.cst";
    WriteInput(name, data, size);
    const LoadedCardSet before = set;
    try {
        set.LoadCardSet(FuzzFolder(), name,
                        headerOnly ? CardSetParts::Details : CardSetParts::PicturesAndBackground);
        return true;
    } catch (const ECardSetError&) {
    } catch (const EStreamError&) {
    }
    if (!(set == before)) std::abort();
    return false;
}

}  // namespace velmora::fuzz
