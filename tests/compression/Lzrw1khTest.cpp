#include <gtest/gtest.h>

#include "CompressionTestSupport.h"
#include "compression/Lzrw1kh.h"

namespace velmora::testing {
namespace {

Bytes Coded(const Bytes& input) {
    TLZR codec;
    Bytes out(input.size() + TLZR::BufferSpare);
    out.resize(codec.CompressBlock(input.data(), out.data(), static_cast<std::uint16_t>(input.size())));
    return out;
}

Bytes Decoded(const Bytes& block) {
    TLZR codec;
    Bytes out(TLZR::BlockSize + TLZR::BufferSpare);
    out.resize(codec.DecompressBlock(block.data(), out.data(), static_cast<std::uint16_t>(block.size())));
    return out;
}

TEST(Lzrw1khBlock, CodesTheWorkedExamplesToTheByte) {
    EXPECT_EQ(Coded(ToBytes("abcabcabc")), FromHex("40 10 00 61 62 63 00 33"));
    EXPECT_EQ(Decoded(FromHex("40 10 00 61 62 63 00 33")), ToBytes("abcabcabc"));
    // 20 equal bytes are one run item; 15 are a literal and a match of length 14 at distance 1.
    EXPECT_EQ(Coded(Bytes(20, 'z')), FromHex("40 80 00 00 00 04 7A"));
    EXPECT_EQ(Coded(Bytes(15, 'z')), FromHex("40 40 00 7A 00 1B"));
}

TEST(Lzrw1khBlock, CodesRunsAndMatchesAtTheBlockEndToTheByte) {
    // Exactly 16 equal bytes: the shortest run, ending with the block.
    EXPECT_EQ(Coded(Bytes(16, 'z')), FromHex("40 80 00 00 00 00 7A"));
    // Twelve equal bytes are no run: a literal, a match of 11 at distance 1, then eight literals
    // among the last 15 bytes of the block.
    Bytes twelve(12, 'q');
    const Bytes letters = ToBytes("abcdefgh");
    twelve.insert(twelve.end(), letters.begin(), letters.end());
    EXPECT_EQ(Coded(twelve), FromHex("40 40 00 71 00 18 61 62 63 64 65 66 67 68"));
    // A repeat as long as what is left of the block: 16 bytes, and 17 where 17 are left.
    EXPECT_EQ(Coded(ToBytes("0123456789abcdef0123456789abcdef")),
              FromHex("40 00 00 30 31 32 33 34 35 36 37 38 39 61 62 63 64 65 66 80 00 01 0D"));
    EXPECT_EQ(Coded(ToBytes("0123456789abcdefg0123456789abcdefg")),
              FromHex("40 00 00 30 31 32 33 34 35 36 37 38 39 61 62 63 64 65 66 40 00 67 01 1E"));
}

TEST(Lzrw1khBlock, StoresBlocksThatCodingWouldNotShrink) {
    EXPECT_EQ(Coded({}), FromHex("80"));
    EXPECT_EQ(Coded(ToBytes("a")), FromHex("80 61"));
    EXPECT_EQ(Coded(ToBytes("ab")), FromHex("80 61 62"));
    EXPECT_EQ(Coded(ToBytes("abc")), FromHex("80 61 62 63"));
    const Bytes noise = RandomSample(TLZR::BlockSize, 3);
    const Bytes stored = Coded(noise);
    ASSERT_EQ(stored.size(), TLZR::BlockSize + 1);
    EXPECT_EQ(stored[0], 0x80);
    EXPECT_EQ(Decoded(stored), noise);
}

TEST(Lzrw1khBlock, SplitsRunsLongerThan4095) {
    const Bytes coded = Coded(Bytes(5000, 7));
    // First run item covers 4095 bytes (count field 4079 = 0x0FEF), the second the remaining 905.
    EXPECT_EQ(coded, FromHex("40 C0 00 00 0F EF 07 00 03 79 07"));
    EXPECT_EQ(Decoded(coded), Bytes(5000, 7));
}

// "XYZ", runs of equal bytes (which never enter the position table), then "XYZ" again.
Bytes RepeatAcrossRuns(std::size_t runBytes) {
    Bytes block = ToBytes("XYZ");
    for (std::size_t i = 0; block.size() < 3 + runBytes; ++i) {
        const std::size_t left = 3 + runBytes - block.size();
        block.insert(block.end(), left < 40 ? left : 20, static_cast<std::uint8_t>(1 + i % 80));
    }
    const Bytes tail = ToBytes("XYZ");
    block.insert(block.end(), tail.begin(), tail.end());
    return block;
}

TEST(Lzrw1khBlock, MatchesStayWithinDistanceLengthAndBlock) {
    // 4095 bytes back is the farthest a match reaches: distance 4095, length 3 is the key FF F0.
    const Bytes near = RepeatAcrossRuns(4092);
    const Bytes nearCoded = Coded(near);
    ASSERT_EQ(nearCoded[0], 0x40);
    EXPECT_EQ(Bytes(nearCoded.end() - 2, nearCoded.end()), FromHex("FF F0"));
    EXPECT_EQ(Decoded(nearCoded), near);
    const Bytes far = RepeatAcrossRuns(4093);
    const Bytes farCoded = Coded(far);
    // 3 literals and 204 runs fill 13 groups; X ends the last, Y opens a new one.
    EXPECT_EQ(Bytes(farCoded.end() - 5, farCoded.end()), FromHex("58 00 00 59 5A"));
    EXPECT_EQ(Decoded(farCoded), far);
    // A 30-byte repeat goes out as matches of at most 18 bytes: flag, control, 30 literals, a
    // second control word and two matches.
    Bytes repeat = ToBytes("0123456789abcdefghijklmnopqrst");
    repeat.insert(repeat.end(), repeat.begin(), repeat.end());
    const Bytes coded = Coded(repeat);
    EXPECT_EQ(coded.size(), 3 + 30 + 2 + 2 + 2);
    EXPECT_EQ(Bytes(coded.end() - 4, coded.end()), FromHex("01 EF 01 E9"));
    EXPECT_EQ(Decoded(coded), repeat);
}

TEST(Lzrw1khBlock, RoundTripsEveryKindOfBlock) {
    for (const Bytes& input : {TextSample(32768), RunSample(32768), RandomSample(32768, 9), TextSample(1000),
                               RunSample(17), Bytes(32768, 0)}) {
        const Bytes coded = Coded(input);
        EXPECT_LE(coded.size(), input.size() + 1);
        EXPECT_EQ(Decoded(coded), input);
    }
}

// The decoder copies literals 16 bytes and far matches 18 bytes at a time, whatever their size; a
// block that fills the output to its last byte, ending in either, must stay inside the spare bytes
// and come back exactly.
TEST(Lzrw1khBlock, WideCopiesAtTheEndOfAFullBlockComeBackExactly) {
    const Bytes text = TextSample(TLZR::BlockSize);
    for (std::size_t tail = 0; tail <= 40; ++tail) {
        Bytes farMatches(text.begin(), text.end() - static_cast<std::ptrdiff_t>(tail));
        for (std::size_t i = 0; i < tail; ++i) farMatches.push_back(farMatches[farMatches.size() - 100]);
        Bytes literals = farMatches;
        const std::uint8_t last = literals[TLZR::BlockSize - 1];
        literals[TLZR::BlockSize - 1] = static_cast<std::uint8_t>(last ^ 0x5A);
        for (const Bytes& input : {farMatches, literals}) {
            const Bytes coded = Coded(input);
            ASSERT_EQ(coded[0], 0x40) << "tail " << tail;  // coded, not stored
            ASSERT_EQ(Decoded(coded), input) << "tail " << tail;
        }
    }
}

TEST(Lzrw1khBlock, ShortBlocksDecodeToNothing) {
    EXPECT_TRUE(Decoded(FromHex("40")).empty());
    EXPECT_TRUE(Decoded(FromHex("80")).empty());
    EXPECT_TRUE(Decoded({}).empty());
}

TEST(Lzrw1khBlock, RefusesDamagedBlocks) {
    const auto refuses = [](const Bytes& block) {
        try {
            Decoded(block);
        } catch (const ELzrw1Exception& e) {
            return std::string(e.what()) == TLZR::DamagedBlockText;
        }
        return false;
    };
    EXPECT_TRUE(refuses(FromHex("40 80 00 00 00")));        // run item cut short
    EXPECT_TRUE(refuses(FromHex("40 80 00 00")));           // copy item cut short
    EXPECT_TRUE(refuses(FromHex("40 00")));                 // control word cut short
    EXPECT_TRUE(refuses(FromHex("40 80 00 00 13")));        // match from before the output
    EXPECT_TRUE(refuses(FromHex("40 40 00 61 00 33")));     // distance 3 after one byte
    // Nine runs of 4111 bytes would restore more than a block.
    Bytes big = FromHex("40 FF 80");
    for (int i = 0; i < 9; ++i) big.insert(big.end(), {0x00, 0x0F, 0xFF, 0x41});
    EXPECT_TRUE(refuses(big));
    // Seventeen items need a second control word; one that ends the block is damage.
    Bytes group = FromHex("40 00 00");
    group.insert(group.end(), 16, 'x');
    group.insert(group.end(), {0x00});
    EXPECT_TRUE(refuses(group));
    // A stored block longer than a block would overrun the output.
    Bytes stored(TLZR::BlockSize + 2, 1);
    stored[0] = 0x80;
    EXPECT_TRUE(refuses(stored));
}

TEST(Lzrw1khBlock, DamagedInputNeverLeavesItsBuffers) {
    const Bytes valid = Coded(TextSample(4000));
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        Bytes block = valid;
        const Bytes noise = RandomSample(8, seed);
        for (int i = 0; i < 4; ++i) block[noise[i] * 13 % block.size()] = noise[i + 4];
        block.erase(block.end() - static_cast<std::ptrdiff_t>(seed % 5), block.end());
        try {
            EXPECT_LE(Decoded(block).size(), TLZR::BlockSize);
        } catch (const ELzrw1Exception&) {
        }
    }
}

}  // namespace
}  // namespace velmora::testing
