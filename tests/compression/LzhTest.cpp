#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "CompressionTestSupport.h"
#include "compression/LzhHuffman.h"
#include "compression/LzhMatchTrees.h"

namespace velmora::testing {
namespace {

TEST(LzhCodec, CodesTheWorkedExamplesToTheByte) {
    EXPECT_EQ(LzhEncoded(ToBytes("a")), FromHex("F6 80"));
    EXPECT_EQ(LzhEncoded(ToBytes("abcabcabc")), FromHex("F6 FB BD F1 E0 20"));
    EXPECT_EQ(LzhDecoded(FromHex("F6 80"), 1), ToBytes("a"));
    EXPECT_EQ(LzhDecoded(FromHex("F6 FB BD F1 E0 20"), 9), ToBytes("abcabcabc"));
}

TEST(LzhCodec, LeadingSpacesMatchTheBlankWindowAtOnce) {
    // Ten spaces: the symbol of a 10-byte match (10010011 in the first tree), then position 0 as
    // the nine bits 000 000000, then padding.
    EXPECT_EQ(LzhEncoded(Bytes(10, ' ')), FromHex("93 00 00"));
    EXPECT_EQ(LzhDecoded(FromHex("93 00 00"), 10), Bytes(10, ' '));
}

TEST(LzhCodec, RepeatsOfTwoBytesStayLiterals) {
    // "abab": no 3-byte repeat, so four literals with growing codes; decoding restores it.
    const Bytes coded = LzhEncoded(ToBytes("abab"));
    EXPECT_EQ(coded.size(), 5u);  // 4 x 9 bits, padded
    EXPECT_EQ(LzhDecoded(coded, 4), ToBytes("abab"));
}

TEST(LzhCodec, EmptyInputCodesOneLiteralThatDecodesToNothing) {
    VectorSource source({});
    VectorSink sink;
    EXPECT_EQ(TLZH().EncodeStream(sink, source), 0);
    const Bytes coded = sink.Take();
    EXPECT_GE(coded.size(), 1u);
    EXPECT_LE(coded.size(), 2u);
    VectorSource unread(coded);
    VectorSink nothing;
    TLZH().DecodeStream(0, nothing, unread);
    EXPECT_TRUE(nothing.Take().empty());
    EXPECT_EQ(unread.refills, 0);
}

TEST(LzhCodec, EncodeCountsTheBytesItCoded) {
    VectorSource source(TextSample(5000));
    VectorSink sink;
    EXPECT_EQ(TLZH().EncodeStream(sink, source), 5000);
}

TEST(LzhCodec, RoundTripsTextRunsNoiseAndWindowEdges) {
    const std::vector<Bytes> inputs = {
        TextSample(70000), RunSample(50000), RandomSample(20000, 1), Bytes(4096, ' '), Bytes(4097, 0),
        TextSample(59),    TextSample(60),   TextSample(61),        Bytes(1, 0xFF),  RandomSample(120000, 2)};
    for (const Bytes& input : inputs) {
        const Bytes coded = LzhEncoded(input);
        EXPECT_EQ(LzhDecoded(coded, static_cast<std::int32_t>(input.size())), input) << input.size();
    }
}

TEST(LzhCodec, CompressesRepetitiveInputWell) {
    const Bytes text = TextSample(100000);
    EXPECT_LT(LzhEncoded(text).size(), text.size() / 3);
    const Bytes runs = RunSample(100000);
    EXPECT_LT(LzhEncoded(runs).size(), runs.size() / 20);
}

TEST(LzhCodec, MissingInputReadsAsZeroBits) {
    const Bytes text = TextSample(3000);
    Bytes coded = LzhEncoded(text);
    coded.resize(coded.size() / 2);
    const Bytes restored = LzhDecoded(coded, 3000);
    // The decoder always delivers the size asked for (a last match may run a little beyond it),
    // and what the truncated stream still held comes out right.
    ASSERT_GE(restored.size(), 3000u);
    ASSERT_LT(restored.size(), 3060u);
    EXPECT_TRUE(std::equal(text.begin(), text.begin() + 1000, restored.begin()));
}

// The decoder reads the codes near the root from a table that follows the tree's exchanges. Here
// the most frequent symbols change every few hundred bytes, so nodes near the root swap places
// again and again, by one exchange or several in one count, and the halving rebuilds come often.
TEST(LzhCodec, DecodesWhileTheFrequentSymbolsKeepChangingPlaces) {
    std::mt19937 random(7);
    Bytes input;
    while (input.size() < 300000) {
        const unsigned favourites = 1 + random() % 6;
        const auto base = static_cast<std::uint8_t>(random());
        const std::size_t stretch = 50 + random() % 800;
        for (std::size_t i = 0; i < stretch; ++i) {
            // Mostly a few favourite bytes, some noise: few repeats long enough to be matches.
            const bool favourite = random() % 8 != 0;
            input.push_back(static_cast<std::uint8_t>(favourite ? base + random() % favourites : random()));
        }
    }
    const Bytes coded = LzhEncoded(input);
    const Bytes restored = LzhDecoded(coded, static_cast<std::int32_t>(input.size()));
    ASSERT_GE(restored.size(), input.size());
    EXPECT_TRUE(std::equal(input.begin(), input.end(), restored.begin()))
        << "first difference at " << std::mismatch(input.begin(), input.end(), restored.begin()).first - input.begin();
}

TEST(LzhCodec, NoiseAsInputNeverLeavesTheDecodersBuffers) {
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        const Bytes noise = RandomSample(200 + seed * 10, seed);
        const Bytes restored = LzhDecoded(noise, 5000);
        EXPECT_GE(restored.size(), 5000u);
        EXPECT_LT(restored.size(), 5060u);
    }
}

TEST(LzhMatchTrees, ARepeatMatchesItsLatestCopyWhileInsertLeavesTheMatchAlone) {
    // "abcde" 80 times, then a string that parts from the pattern after 7 bytes.
    Bytes text;
    for (int i = 0; i < 80; ++i) text.insert(text.end(), {'a', 'b', 'c', 'd', 'e'});
    const Bytes tail = ToBytes("cdeabcdZzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz");
    text.insert(text.end(), tail.begin(), tail.end());
    const auto trees = std::make_unique<LzhMatchTrees>();
    trees->Reset();
    for (unsigned i = 0; i < text.size(); ++i) trees->Store(i, text[i]);

    trees->Add(0);  // the first "a": nothing to match yet
    EXPECT_EQ(trees->MatchLength(), 0u);
    // Positions 5 to 9 repeat 0 to 4, but Insert does not weigh their matches.
    for (unsigned r = 1; r < 10; ++r) trees->Insert(r);
    EXPECT_EQ(trees->MatchLength(), 0u);
    for (unsigned r = 10; r < 400; ++r) {
        trees->Add(r);
        if (r + LzhMatchTrees::MaxMatch > 400) continue;  // the tail is part of the string
        ASSERT_EQ(trees->MatchLength(), LzhMatchTrees::MaxMatch) << r;
        ASSERT_EQ(trees->MatchPosition(), 4u) << r;  // five bytes back, the nearest copy
    }
    trees->Add(400);
    ASSERT_EQ(trees->MatchLength(), 7u);
    const unsigned copy = 400 - trees->MatchPosition() - 1;
    EXPECT_TRUE(std::equal(tail.begin(), tail.begin() + 7, text.begin() + copy)) << copy;
}

TEST(LzhHuffmanTable, FirstTreeGivesEightAndNineBitCodes) {
    LzhHuffman huffman;
    huffman.Reset();
    EXPECT_EQ(huffman.CodeOf(0x61).length, 9u);
    EXPECT_EQ(huffman.CodeOf(0x61).bits, 0b111101101u);
    EXPECT_EQ(huffman.CodeOf(115).length, 9u);
    EXPECT_EQ(huffman.CodeOf(116).length, 8u);
    EXPECT_EQ(huffman.CodeOf(259).bits, 0b10001111u);
    EXPECT_EQ(huffman.Weight(LzhHuffman::Root), 314u);
}

// The slots stay ordered by weight, and the root weighs what all leaves weigh together.
void ExpectOrderedTree(const LzhHuffman& huffman) {
    unsigned leaves = 0;
    unsigned leafWeight = 0;
    for (unsigned slot = 0; slot < LzhHuffman::Slots; ++slot) {
        if (slot > 0) {
            ASSERT_LE(huffman.Weight(slot - 1), huffman.Weight(slot)) << slot;
        }
        if (huffman.Child(slot) >= LzhHuffman::Leaf) {
            ++leaves;
            leafWeight += huffman.Weight(slot);
        } else {
            const unsigned child = huffman.Child(slot);
            ASSERT_EQ(child % 2, 0u);
            ASSERT_EQ(huffman.Weight(slot), huffman.Weight(child) + huffman.Weight(child + 1));
        }
    }
    EXPECT_EQ(leaves, LzhHuffman::Symbols);
    EXPECT_EQ(huffman.Weight(LzhHuffman::Root), leafWeight);
}

TEST(LzhHuffmanTable, FirstRebuildComesWithThe32455thSymbol) {
    LzhHuffman huffman;
    huffman.Reset();
    const Bytes symbols = RandomSample(32455, 4);
    for (std::size_t i = 0; i < 32454; ++i) huffman.Count(symbols[i] % 58 + (i % 3 == 0 ? 256 : 0));
    EXPECT_EQ(huffman.Weight(LzhHuffman::Root), 0x8000u);
    ExpectOrderedTree(huffman);
    huffman.Count(symbols.back());
    EXPECT_LT(huffman.Weight(LzhHuffman::Root), 0x4200u);
    ExpectOrderedTree(huffman);
}

TEST(LzhHuffmanTable, CodesFollowTheCountsAndStayDecodable) {
    LzhHuffman huffman;
    huffman.Reset();
    for (int i = 0; i < 500; ++i) huffman.Count('e');
    EXPECT_LT(huffman.CodeOf('e').length, 4u);
    ExpectOrderedTree(huffman);
    // Walking a symbol's code from the root arrives at that symbol.
    for (unsigned symbol : {0u, 'e' + 0u, 255u, 313u}) {
        const LzhHuffman::Code code = huffman.CodeOf(symbol);
        unsigned k = huffman.Child(LzhHuffman::Root);
        for (unsigned bit = code.length; bit-- > 0;) k = huffman.Child(k + ((code.bits >> bit) & 1u));
        EXPECT_EQ(k, LzhHuffman::Leaf + symbol);
    }
}

}  // namespace
}  // namespace velmora::testing
