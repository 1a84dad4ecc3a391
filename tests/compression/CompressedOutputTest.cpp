// Pins down the exact output of both codecs on larger inputs, so that a change made for speed
// cannot change a single byte of what is written.

#include <gtest/gtest.h>

#include "CompressionTestSupport.h"

namespace velmora::testing {
namespace {

// Sizes and digests as the codecs wrote them before any work on their speed.
struct Pinned {
    const char* name;
    Bytes input;
    std::size_t goodSize;
    std::uint64_t goodDigest;
    std::size_t fastSize;
    std::uint64_t fastDigest;
};

TEST(CompressedOutput, StaysExactlyAsWritten) {
    const std::vector<Pinned> cases = {
        {"text", TextSample(150000), 29209, 0x26364471A5AF4F53ull, 52526, 0x33D36F6DB8E74004ull},
        {"picture", PictureSample(300000), 92798, 0x56658EF0A4995D8Eull, 125317, 0x00E01D9E0E643E96ull},
        {"runs", RunSample(100000), 2243, 0x52A8AD57F356F4A0ull, 228, 0x51DFD6401326F976ull},
        {"random", RandomSample(70000, 21), 70167, 0xDF20373FF2514656ull, 70017, 0x02E04D1BBD832338ull},
        {"patterns", PatternSample(200000), 8292, 0x606BDB73EB07FB01ull, 30629, 0x46F27ECAA2AAE1AAull},
        // Ends inside a repeat, where the look-ahead shrinks.
        {"pattern end", PatternSample(5000), 359, 0xC307832716CA6560ull, 961, 0x314A0182237983DAull},
    };
    for (const Pinned& pinned : cases) {
        const Bytes good = Compressed(pinned.input, TCompressMode::Good);
        const Bytes fast = Compressed(pinned.input, TCompressMode::Fast);
        EXPECT_EQ(good.size(), pinned.goodSize) << pinned.name;
        EXPECT_EQ(Digest(good), pinned.goodDigest) << pinned.name;
        EXPECT_EQ(fast.size(), pinned.fastSize) << pinned.name;
        EXPECT_EQ(Digest(fast), pinned.fastDigest) << pinned.name;
        EXPECT_EQ(Restored(good), pinned.input) << pinned.name;
        EXPECT_EQ(Restored(fast), pinned.input) << pinned.name;
    }
}

}  // namespace
}  // namespace velmora::testing
