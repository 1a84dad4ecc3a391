// Decompress over any container, "!HZL" and "WRZL" alike: a damaged one must end in the container's
// own error. Whatever it does restore must come back unchanged through the same codec, which
// fuzzes both compressors with the variety the decoders produce.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "StreamContainer.h"
#include "compression/Lzrw1.h"

namespace {

using velmora::MemoryStream;
using velmora::TCompressMode;
using velmora::Tlzrw1;

// Larger outputs are left out of the round trip: coding 26 KB took a quarter of a second in the
// instrumented build, and with the machine shared that ran into the one-second limit per input.
constexpr std::int64_t LargestRoundTrip = 16 * 1024;

std::vector<std::uint8_t> RoundTrip(const std::vector<std::uint8_t>& bytes, TCompressMode mode) {
    MemoryStream packed(velmora::fuzz::Packed(bytes, mode));
    MemoryStream restored;
    Tlzrw1 decompressor;
    velmora::fuzz::UseStreams(decompressor, packed, restored);
    decompressor.Decompress();
    return restored.TakeData();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryStream input(std::vector<std::uint8_t>(data, data + size));
    MemoryStream output;
    Tlzrw1 lzrw;
    velmora::fuzz::UseStreams(lzrw, input, output);
    try {
        const std::int32_t restored = lzrw.Decompress();
        if (restored != output.Size()) std::abort();
    } catch (const velmora::ELzrw1Exception&) {
        return 0;
    }
    if (output.Size() > LargestRoundTrip) return 0;
    const TCompressMode mode = data[0] == 'W' ? TCompressMode::Fast : TCompressMode::Good;
    if (RoundTrip(output.Data(), mode) != output.Data()) std::abort();
    return 0;
}
