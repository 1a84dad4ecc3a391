#pragma once
// What both card-set targets do with an input: load it as a set file into set, as the windows do.

#include <cstddef>
#include <cstdint>

#include "cardsets/LoadedCardSet.h"

namespace velmora::fuzz {

// Writes the input as a set file in the fuzz folder and loads it into set with LoadCardSet. Returns
// false when the load raised the file's error; a failed load that changed set aborts the process,
// as the load promises to leave the set as it was.
bool LoadFuzzedCardSet(LoadedCardSet& set, const std::uint8_t* data, std::size_t size, bool headerOnly);

}  // namespace velmora::fuzz
