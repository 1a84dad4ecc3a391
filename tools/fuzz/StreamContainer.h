#pragma once
// The container over streams in memory, as the card-set files use it; shared by the container
// fuzzer's round trip and the seed generator.

#include <cstdint>
#include <vector>

#include "compression/Lzrw1.h"

namespace velmora::fuzz {

// Sets lzrw up, hidden, to read input and write output.
void UseStreams(Tlzrw1& lzrw, Stream& input, Stream& output);

// The whole container for plain, in the given mode.
std::vector<std::uint8_t> Packed(const std::vector<std::uint8_t>& plain, TCompressMode mode);

}  // namespace velmora::fuzz
