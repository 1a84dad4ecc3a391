#include <gtest/gtest.h>

#include "CompressionTestSupport.h"
#include "compression/Lzrw1kh.h"

namespace velmora::testing {
namespace {

using namespace std::string_literals;

TEST(Lzrw1Container, WritesTheWorkedExamplesToTheByte) {
    EXPECT_EQ(Compressed(ToBytes("abcabcabc"), TCompressMode::Fast),
              FromHex("57 52 5A 4C 09 00 00 00 08 00 40 10 00 61 62 63 00 33"));
    EXPECT_EQ(Compressed(ToBytes("a"), TCompressMode::Good), FromHex("21 48 5A 4C 01 00 00 00 F6 80"));
    EXPECT_EQ(Compressed(ToBytes("abcabcabc"), TCompressMode::Good),
              FromHex("21 48 5A 4C 09 00 00 00 F6 FB BD F1 E0 20"));
    EXPECT_EQ(Restored(FromHex("57 52 5A 4C 09 00 00 00 08 00 40 10 00 61 62 63 00 33")), ToBytes("abcabcabc"));
    EXPECT_EQ(Restored(FromHex("21 48 5A 4C 09 00 00 00 F6 FB BD F1 E0 20")), ToBytes("abcabcabc"));
}

TEST(Lzrw1Container, CutsFastPayloadsIntoBlocksOf32768) {
    const Bytes empty = Compressed({}, TCompressMode::Fast);
    EXPECT_EQ(empty, FromHex("57 52 5A 4C 00 00 00 00 01 00 80"));
    EXPECT_TRUE(Restored(empty).empty());

    const Bytes whole = Compressed(RandomSample(32768, 1), TCompressMode::Fast);
    ASSERT_EQ(whole.size(), 8 + 2 + 32769 + 2 + 1u);
    EXPECT_EQ(Bytes(whole.begin() + 8, whole.begin() + 10), FromHex("01 80"));
    EXPECT_EQ(Bytes(whole.end() - 3, whole.end()), FromHex("01 00 80"));

    EXPECT_EQ(Compressed(RandomSample(32767, 1), TCompressMode::Fast).size(), 8 + 2 + 32768u);

    const Bytes over = Compressed(RandomSample(32769, 1), TCompressMode::Fast);
    EXPECT_EQ(Bytes(over.end() - 4, over.end() - 1), FromHex("02 00 80"));
    EXPECT_EQ(over.size(), 8 + 2 + 32769 + 2 + 2u);
}

TEST(Lzrw1Container, RoundTripsInBothModes) {
    const std::vector<Bytes> inputs = {TextSample(100000), RunSample(200000), RandomSample(70000, 5), Bytes{},
                                       TextSample(32767),  TextSample(32768), TextSample(32769),     TextSample(65536),
                                       RandomSample(65537, 6)};
    for (const TCompressMode mode : {TCompressMode::Good, TCompressMode::Fast}) {
        for (const Bytes& input : inputs) {
            EXPECT_EQ(Restored(Compressed(input, mode)), input) << input.size() << " mode " << static_cast<int>(mode);
        }
    }
}

TEST(Lzrw1Container, DecompressGoesByTheMagicAlone) {
    const Bytes input = TextSample(5000);
    MemoryStream in(Compressed(input, TCompressMode::Fast));
    MemoryStream out;
    Tlzrw1 lzrw;
    UseStreams(lzrw, in, out, TCompressMode::Good);
    EXPECT_EQ(lzrw.Decompress(), 5000);
    EXPECT_EQ(out.Data(), input);
}

TEST(Lzrw1Container, CountsBytesAndReportsSuccess) {
    const Bytes input = TextSample(100000);
    MemoryStream in(input);
    MemoryStream out;
    Tlzrw1 lzrw;
    UseStreams(lzrw, in, out);
    std::vector<std::string> shown;
    int events = 0;
    lzrw.CaptionChanged = [&](const std::string& text) { shown.push_back(text); };
    lzrw.ProcessEvents = [&] { ++events; };
    const std::int32_t written = lzrw.Compress();
    EXPECT_EQ(written, static_cast<std::int32_t>(out.Size()));
    EXPECT_EQ(lzrw.BytesOut(), written);
    EXPECT_EQ(lzrw.BytesIn(), 100000);
    const std::string percentage = std::to_string(100 * written / 100000);
    EXPECT_EQ(lzrw.Caption(), "Lzrw1 : inputstream successfully compressed at " + percentage + "%");
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown.front().rfind("(LZH) Bytes in : 32768 Bytes out : 8", 0), 0u) << shown.front();
    EXPECT_EQ(shown.back(), lzrw.Caption());
    EXPECT_GE(events, 6);

    MemoryStream packed(out.TakeData());
    MemoryStream restored;
    lzrw.InputStream = &packed;
    lzrw.OutputStream = &restored;
    EXPECT_EQ(lzrw.Decompress(), 100000);
    EXPECT_EQ(lzrw.BytesIn(), written);
    EXPECT_EQ(lzrw.Caption(), "LZrw1 : inputstream successfully decompressed at " +
                                  std::to_string(100LL * 100000 / written) + "%");
}

TEST(Lzrw1Container, FastModeShowsItsBlocks) {
    MemoryStream in(RunSample(40000));
    MemoryStream out;
    Tlzrw1 lzrw;
    UseStreams(lzrw, in, out, TCompressMode::Fast);
    std::vector<std::string> shown;
    lzrw.CaptionChanged = [&](const std::string& text) { shown.push_back(text); };
    lzrw.Compress();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1], "(LZRW1/KH) Bytes in : 40000 Bytes out : " + std::to_string(out.Size()));
}

TEST(Lzrw1Container, HiddenComponentKeepsItsCaptionExceptForAdvise) {
    MemoryStream in(TextSample(1000));
    MemoryStream out;
    Tlzrw1 lzrw;
    UseStreams(lzrw, in, out);
    lzrw.Visible = false;
    bool repainted = false;
    lzrw.CaptionChanged = [&](const std::string&) { repainted = true; };
    lzrw.Compress();
    EXPECT_EQ(lzrw.Caption(), "");
    lzrw.CompressMode = TCompressMode::Auto;
    in.Seek(0, SeekOrigin::Begin);
    lzrw.Compress();
    EXPECT_EQ(lzrw.Caption(), "Lzrw1 recommends GOOD compression :  small file !!");
    EXPECT_FALSE(repainted);
}

TEST(Lzrw1Container, CompressesFromTheStreamsPositionsButRecordsTheWholeSize) {
    const Bytes input = TextSample(300);
    MemoryStream in(input);
    in.Seek(100, SeekOrigin::Begin);
    MemoryStream out;
    out.WriteBuffer("prefix", 6);
    Tlzrw1 lzrw;
    UseStreams(lzrw, in, out, TCompressMode::Fast);
    lzrw.Compress();
    const Bytes& written = out.Data();
    EXPECT_EQ(Bytes(written.begin(), written.begin() + 14), ToBytes("prefixWRZL\x2C\x01\0\0"s));
    EXPECT_EQ(lzrw.BytesIn(), 200);
}

// Random bytes around a stretch of zeros from 32768 to 98304: only samples from there look
// compressible.
Bytes ZerosInTheMiddle(std::size_t size) {
    Bytes bytes = RandomSample(size, 8);
    std::fill(bytes.begin() + 32768, bytes.begin() + std::min<std::size_t>(size, 98304), 0);
    return bytes;
}

TEST(Lzrw1Advise, SmallInputsGetGoodAndSetTheMode) {
    FailingStream in(ZerosInTheMiddle(98303));
    in.Seek(77, SeekOrigin::Begin);
    Tlzrw1 lzrw;
    lzrw.UseStream = true;
    lzrw.Visible = false;
    lzrw.CompressMode = TCompressMode::Fast;
    lzrw.InputStream = &in;
    EXPECT_EQ(lzrw.Advise(), TCompressMode::Good);
    EXPECT_EQ(lzrw.CompressMode, TCompressMode::Good);
    EXPECT_EQ(lzrw.Caption(), "Lzrw1 recommends GOOD compression :  small file !!");
    EXPECT_EQ(in.Position(), 77);
}

TEST(Lzrw1Advise, SamplesTwoAlignedBlocksAndLeavesTheModeAlone) {
    FailingStream in(ZerosInTheMiddle(98304));
    in.Seek(5, SeekOrigin::Begin);
    Tlzrw1 lzrw;
    lzrw.UseStream = true;
    lzrw.CompressMode = TCompressMode::Good;
    lzrw.InputStream = &in;
    EXPECT_EQ(lzrw.Advise(), TCompressMode::Fast);
    EXPECT_EQ(in.seeksFromBegin, (std::vector<std::int64_t>{5, 0, 32768, 65536, 5}));
    EXPECT_EQ(in.Position(), 5);
    EXPECT_EQ(lzrw.CompressMode, TCompressMode::Good);
    // Each block of zeros codes in 38 bytes: eight runs, a literal and a match.
    EXPECT_EQ(lzrw.Caption(), "Lzrw1 recommends FAST compression : 0%.");

    lzrw.Threshold = 0;
    EXPECT_EQ(lzrw.Advise(), TCompressMode::Good);
    EXPECT_EQ(lzrw.Caption(), "Lzrw1 recommends GOOD compression : 0%.");
}

TEST(Lzrw1Advise, NoiseGetsGoodAndAutoCompressesWithTheAdvice) {
    const Bytes noise = RandomSample(200000, 9);
    MemoryStream in(noise);
    MemoryStream out;
    Tlzrw1 lzrw;
    UseStreams(lzrw, in, out);
    EXPECT_EQ(lzrw.Advise(), TCompressMode::Good);
    EXPECT_EQ(lzrw.Caption(), "Lzrw1 recommends GOOD compression : 100%.");
    lzrw.CompressMode = TCompressMode::Auto;
    lzrw.Compress();
    EXPECT_EQ(Bytes(out.Data().begin(), out.Data().begin() + 4), ToBytes("!HZL"));
    EXPECT_EQ(lzrw.CompressMode, TCompressMode::Auto);

    MemoryStream runs(RunSample(200000));
    MemoryStream packed;
    lzrw.InputStream = &runs;
    lzrw.OutputStream = &packed;
    lzrw.Compress();
    EXPECT_EQ(Bytes(packed.Data().begin(), packed.Data().begin() + 4), ToBytes("WRZL"));
    EXPECT_EQ(Restored(packed.Data()), RunSample(200000));
}

}  // namespace
}  // namespace velmora::testing
