// Any bytes compress and decompress to themselves, in both modes: many seeded inputs of every
// length class (empty, tiny, around the 32768-byte block and the 4096-byte window, several blocks)
// and of every structure the codecs treat differently (noise, few symbols, runs, repeats at near
// and far distances, repeats that overlap themselves, and mixtures of these).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

#include "CompressionTestSupport.h"

namespace velmora {
namespace {

using testing::Bytes;
using testing::Compressed;
using testing::Restored;

constexpr int InputsPerMode = 160;

std::size_t PickLength(std::mt19937& random) {
    static const std::size_t edges[] = {0, 1, 2, 3, 17, 59, 60, 61, 4095, 4096, 4097, 32767, 32768, 32769, 65536};
    switch (random() % 4) {
        case 0: return edges[random() % std::size(edges)];
        case 1: return random() % 300;
        case 2: return random() % 20000;
        default: return 30000 + random() % 45000;
    }
}

// Appends one stretch of a kind chosen at random, drawing on what is already there for repeats.
void AppendStretch(Bytes& bytes, std::mt19937& random, std::size_t room) {
    const std::size_t length = std::min<std::size_t>(room, 1 + random() % 6000);
    switch (random() % 6) {
        case 0:  // noise
            for (std::size_t i = 0; i < length; ++i) bytes.push_back(static_cast<std::uint8_t>(random()));
            break;
        case 1: {  // a few symbols
            const unsigned symbols = 2 + random() % 5;
            for (std::size_t i = 0; i < length; ++i) bytes.push_back(static_cast<std::uint8_t>('a' + random() % symbols));
            break;
        }
        case 2:  // one run, from a few bytes to longer than any run item
            bytes.insert(bytes.end(), length, static_cast<std::uint8_t>(random()));
            break;
        case 3:
        case 4: {  // a copy of earlier bytes, near or far, possibly overlapping itself, with slips
            if (bytes.empty()) {
                bytes.push_back(static_cast<std::uint8_t>(random()));
                break;
            }
            const std::size_t distance = 1 + random() % std::min<std::size_t>(bytes.size(), random() % 2 ? 70 : 9000);
            for (std::size_t i = 0; i < length; ++i) {
                const std::uint8_t copied = bytes[bytes.size() - distance];
                bytes.push_back(random() % 97 == 0 ? static_cast<std::uint8_t>(random()) : copied);
            }
            break;
        }
        default:  // blanks, which the LZH window starts out holding
            bytes.insert(bytes.end(), length, std::uint8_t{' '});
            break;
    }
}

Bytes StructuredInput(std::mt19937& random, std::size_t length) {
    Bytes bytes;
    bytes.reserve(length);
    while (bytes.size() < length) AppendStretch(bytes, random, length - bytes.size());
    return bytes;
}

Bytes PropertyInput(std::uint32_t seed) {
    std::mt19937 random(seed);
    const std::size_t length = PickLength(random);
    return StructuredInput(random, length);
}

void ExpectRoundTrip(const Bytes& input, TCompressMode mode) {
    const Bytes restored = Restored(Compressed(input, mode));
    ASSERT_EQ(restored.size(), input.size()) << "length " << input.size();
    ASSERT_TRUE(restored == input) << "length " << input.size() << ": first difference at "
                                   << (std::mismatch(input.begin(), input.end(), restored.begin()).first -
                                       input.begin());
}

void ExpectEveryInputRoundTrips(TCompressMode mode, std::uint32_t firstSeed) {
    std::size_t lengthsSeen = 0;
    for (std::uint32_t seed = firstSeed; seed < firstSeed + InputsPerMode; ++seed) {
        const Bytes input = PropertyInput(seed);
        lengthsSeen += input.size();
        const Bytes restored = Restored(Compressed(input, mode));
        ASSERT_EQ(restored.size(), input.size()) << "seed " << seed;
        ASSERT_TRUE(restored == input) << "seed " << seed << ": first difference at "
                                       << (std::mismatch(input.begin(), input.end(), restored.begin()).first -
                                           input.begin());
    }
    EXPECT_GT(lengthsSeen, InputsPerMode * 1000u);  // the inputs are not all trivially short
}

TEST(CompressionRoundTrip, AnyBytesComeBackThroughTheGoodMode) { ExpectEveryInputRoundTrips(TCompressMode::Good, 1000); }

TEST(CompressionRoundTrip, AnyBytesComeBackThroughTheFastMode) { ExpectEveryInputRoundTrips(TCompressMode::Fast, 5000); }

// The decoders copy literals, matches and bits in wide pieces and fall back near the end of their
// input and output; every length up to a window's worth meets each end at every alignment.
TEST(CompressionRoundTrip, InputsOfEveryLengthUpTo4096ComeBack) {
    for (const TCompressMode mode : {TCompressMode::Good, TCompressMode::Fast}) {
        for (std::size_t length = 0; length <= 4096; ++length) {
            std::mt19937 random(static_cast<std::uint32_t>(length));
            ExpectRoundTrip(StructuredInput(random, length), mode);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

TEST(CompressionRoundTrip, InputsOfAMegabyteComeBack) {
    for (const TCompressMode mode : {TCompressMode::Good, TCompressMode::Fast}) {
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            std::mt19937 random(seed);
            ExpectRoundTrip(StructuredInput(random, 1u << 20), mode);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

TEST(CompressionRoundTrip, EveryByteValueAloneAndInPairsComesBack) {
    for (const TCompressMode mode : {TCompressMode::Good, TCompressMode::Fast}) {
        for (unsigned value = 0; value < 256; ++value) {
            const Bytes one{static_cast<std::uint8_t>(value)};
            const Bytes two{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(255 - value)};
            EXPECT_EQ(Restored(Compressed(one, mode)), one) << value;
            EXPECT_EQ(Restored(Compressed(two, mode)), two) << value;
        }
    }
}

}  // namespace
}  // namespace velmora
