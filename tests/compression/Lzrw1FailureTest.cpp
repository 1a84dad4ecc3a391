#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "CompressionTestSupport.h"
#include "compression/Lzrw1kh.h"
#include "tools/support/TempFolder.h"

namespace velmora::testing {
namespace {

namespace fs = std::filesystem;

std::string FailureOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const ELzrw1Exception& e) {
        return e.what();
    }
    return "(no failure)";
}

// A component in stream mode on two streams that fail on purpose.
struct StreamRig {
    FailingStream in;
    FailingStream out;
    Tlzrw1 lzrw;

    explicit StreamRig(Bytes input, TCompressMode mode = TCompressMode::Good) : in(std::move(input)) {
        UseStreams(lzrw, in, out, mode);
    }
    std::string Compress() {
        return FailureOf([&] { lzrw.Compress(); });
    }
    std::string Decompress() {
        return FailureOf([&] { lzrw.Decompress(); });
    }
    std::string Advise() {
        return FailureOf([&] { lzrw.Advise(); });
    }
};

TEST(Lzrw1StreamFailures, CompressReportsEachFailingStep) {
    StreamRig noSize(TextSample(100));
    noSize.in.failSize = true;
    EXPECT_EQ(noSize.Compress(), "Lzrw1 compression : Failed to obtain the size of the input stream !");

    StreamRig noSeekIn(TextSample(100));
    noSeekIn.in.failSeek = true;
    EXPECT_EQ(noSeekIn.Compress(), "Lzrw1 (de)compression : Failed to initialize input stream !");

    StreamRig noSeekOut(TextSample(100));
    noSeekOut.out.failSeek = true;
    EXPECT_EQ(noSeekOut.Compress(), "Lzrw1 (de)compression : Failed to initialize output stream !");

    for (const std::int64_t writable : {0, 6, 40}) {
        StreamRig full(RandomSample(100000, 2));
        full.out.writableBytes = writable;
        EXPECT_EQ(full.Compress(), "Lzrw1 : Error writing to output stream !") << writable;
        StreamRig fullFast(RandomSample(100000, 2), TCompressMode::Fast);
        fullFast.out.writableBytes = writable;
        EXPECT_EQ(fullFast.Compress(), "Lzrw1 : Error writing to output stream !") << writable;
    }

    StreamRig unreadable(TextSample(100000));
    unreadable.in.readableBytes = 40000;
    EXPECT_EQ(unreadable.Compress(), "Lzrw1 : Error reading from input stream ! (LZH)");

    StreamRig unreadableFast(TextSample(100000), TCompressMode::Fast);
    unreadableFast.in.readableBytes = 40000;
    EXPECT_EQ(unreadableFast.Compress(), "Lzrw1 : Error reading from input stream ! (LZRW1/KH)");
}

TEST(Lzrw1StreamFailures, DecompressReportsEachFailingStep) {
    const Bytes good = Compressed(TextSample(100000), TCompressMode::Good);
    const Bytes fast = Compressed(TextSample(100000), TCompressMode::Fast);

    StreamRig noSeekIn(good);
    noSeekIn.in.failSeek = true;
    EXPECT_EQ(noSeekIn.Decompress(), "Lzrw1 (de)compression : Failed to initialize input stream !");

    StreamRig noSeekOut(good);
    noSeekOut.out.failSeek = true;
    EXPECT_EQ(noSeekOut.Decompress(), "Lzrw1 (de)compression : Failed to initialize output stream !");

    // Cut in the header, in a block length, inside a block, after the first block.
    const Bytes small = Compressed(TextSample(200), TCompressMode::Fast);
    const auto cutAt = [](const Bytes& container, std::ptrdiff_t cut) {
        return Bytes(container.begin(), container.begin() + cut);
    };
    for (const Bytes& truncatedContainer :
         {cutAt(fast, 2), cutAt(fast, 6), cutAt(small, 9), cutAt(small, 30), cutAt(fast, 20000)}) {
        StreamRig truncated(truncatedContainer);
        EXPECT_EQ(truncated.Decompress(), "Lzrw1 : Error reading from input stream !") << truncatedContainer.size();
    }
    // Cut so short that the rest could never restore the size announced: refused at once.
    StreamRig tooShort(cutAt(fast, 30));
    EXPECT_EQ(tooShort.Decompress(), "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");

    StreamRig unreadable(good);
    unreadable.in.readableBytes = 20000;
    EXPECT_EQ(unreadable.Decompress(), "Lzrw1 : Error reading from input stream ! (LZH)");

    for (const Bytes& container : {good, fast}) {
        StreamRig full(container);
        full.out.writableBytes = 50000;
        EXPECT_EQ(full.Decompress(), "Lzrw1 : Error writing to output stream !");
    }

    StreamRig noMagic(ToBytes("LZHZ\1\0\0\0a"));
    EXPECT_EQ(noMagic.Decompress(), "Lzrw1 decompression : input stream contains no valid header !");
}

Bytes WithSize(Bytes container, std::int32_t size) {
    for (int i = 0; i < 4; ++i) container[4 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(size) >> (8 * i));
    return container;
}

TEST(Lzrw1StreamFailures, SizeFieldsThatDisagreeAreRefused) {
    const std::string fastMismatch = "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
    const std::string goodMismatch = "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !";
    const Bytes fast = Compressed(TextSample(70000), TCompressMode::Fast);
    const Bytes good = Compressed(TextSample(70000), TCompressMode::Good);

    // Announcing more than the blocks hold: every block is written, then the sizes are compared.
    StreamRig fastLonger(WithSize(fast, 70001));
    EXPECT_EQ(fastLonger.Decompress(), fastMismatch);
    EXPECT_EQ(fastLonger.out.Data(), TextSample(70000));
    // Announcing less: refused before the block that would pass the announced size is written.
    StreamRig fastShorter(WithSize(fast, 69999));
    EXPECT_EQ(fastShorter.Decompress(), fastMismatch);
    EXPECT_EQ(fastShorter.out.Size(), 65536);

    // The LZH decoder copies its last match whole, so a size that ends inside it mismatches.
    const Bytes abc = Compressed(ToBytes("abcabcabc"), TCompressMode::Good);
    StreamRig insideMatch(WithSize(abc, 5));
    EXPECT_EQ(insideMatch.Decompress(), goodMismatch);

    // Negative sizes and sizes beyond what the payload could restore are refused before any output.
    for (const std::int32_t absurd : {-1, 70000 * 1000, 0x7FFFFFFF}) {
        StreamRig fastAbsurd(WithSize(fast, absurd));
        EXPECT_EQ(fastAbsurd.Decompress(), fastMismatch) << absurd;
        EXPECT_EQ(fastAbsurd.out.Size(), 0) << absurd;
        StreamRig goodAbsurd(WithSize(good, absurd));
        EXPECT_EQ(goodAbsurd.Decompress(), goodMismatch) << absurd;
        EXPECT_EQ(goodAbsurd.out.Size(), 0) << absurd;
    }
    // A payload of 6 bytes restores at most 288 bytes: 288 passes the check, 289 does not.
    StreamRig justPossible(WithSize(FromHex("21 48 5A 4C 00 00 00 00 93 00 00 00 00 00"), 288));
    justPossible.Decompress();
    EXPECT_GE(justPossible.out.Size(), 288);
    StreamRig impossible(WithSize(FromHex("21 48 5A 4C 00 00 00 00 93 00 00 00 00 00"), 289));
    EXPECT_EQ(impossible.Decompress(), goodMismatch);
    EXPECT_EQ(impossible.out.Size(), 0);
}

TEST(Lzrw1StreamFailures, DamagedFastBlocksAreRefused) {
    Bytes tooLong = FromHex("57 52 5A 4C 10 00 00 00 02 80");
    tooLong.resize(8 + 2 + 32770, 1);
    tooLong[8] = 0x02;
    tooLong[9] = 0x80;  // block length 32770
    StreamRig oversize(tooLong);
    EXPECT_EQ(oversize.Decompress(), TLZR::DamagedBlockText);

    StreamRig reachesBack(FromHex("57 52 5A 4C 10 00 00 00 05 00 40 80 00 00 13"));
    EXPECT_EQ(reachesBack.Decompress(), TLZR::DamagedBlockText);

    // Random damage to a valid container ends in a refusal or in bytes, never anywhere else.
    const Bytes valid = Compressed(TextSample(40000), TCompressMode::Fast);
    for (std::uint32_t seed = 0; seed < 100; ++seed) {
        Bytes damaged = valid;
        const Bytes noise = RandomSample(6, seed);
        for (int i = 0; i < 3; ++i) damaged[8 + (noise[i] * 131u + seed * 977u) % (damaged.size() - 8)] = noise[i + 3];
        StreamRig rig(damaged);
        rig.Decompress();
        EXPECT_LE(rig.out.Size(), 40000);
    }
}

TEST(Lzrw1StreamFailures, AdviseReportsEachFailingStepAndPutsTheStreamBack) {
    StreamRig noSize(TextSample(100000));
    noSize.in.failSize = true;
    EXPECT_EQ(noSize.Advise(), "Lzrw1 advise : can not get size of inputstream !");

    StreamRig noSeek(TextSample(100000));
    noSeek.in.failSeek = true;
    EXPECT_EQ(noSeek.Advise(), "Lzrw1 edvise : can not initialize the input stream!");

    StreamRig unreadable(TextSample(100000));
    unreadable.in.Seek(123, SeekOrigin::Begin);
    unreadable.in.readableBytes = 0;
    EXPECT_EQ(unreadable.Advise(), "Lzrw1 advise : input stream read error !");
    EXPECT_EQ(unreadable.in.Position(), 123);
    EXPECT_EQ(unreadable.lzrw.Caption(), "Guessing the best compression mode for the inputstream");
}

TEST(Lzrw1StreamFailures, ComponentWorksAgainAfterAFailure) {
    StreamRig rig(TextSample(50000));
    rig.out.writableBytes = 10;
    EXPECT_EQ(rig.Compress(), "Lzrw1 : Error writing to output stream !");
    MemoryStream in(TextSample(50000));
    MemoryStream out;
    rig.lzrw.InputStream = &in;
    rig.lzrw.OutputStream = &out;
    rig.lzrw.Compress();
    EXPECT_EQ(Restored(out.Data()), TextSample(50000));
}

// A folder of its own for the file-mode tests, removed afterwards.
class Lzrw1FileFailures : public ::testing::Test {
protected:
    void SetUp() override { lzrw.UseStream = false; }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    std::string Write(const std::string& name, const Bytes& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                             static_cast<std::streamsize>(bytes.size()));
        return PathOf(name);
    }
    Bytes Read(const std::string& path) const {
        std::ifstream file(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(file), {});
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder_;
    fs::path dir_ = folder_.Path();
    Tlzrw1 lzrw;
};

TEST_F(Lzrw1FileFailures, RoundTripsThroughFiles) {
    const Bytes input = TextSample(90000);
    lzrw.InputFile = Write("in.txt", input);
    lzrw.OutputFile = PathOf("in.lzh");
    const std::int32_t written = lzrw.Compress();
    EXPECT_EQ(written, static_cast<std::int32_t>(fs::file_size(lzrw.OutputFile)));
    EXPECT_EQ(lzrw.Caption(), lzrw.InputFile + " : Lzrw1 : successfully compressed at " +
                                  std::to_string(100 * written / 90000) + "%");
    lzrw.InputFile = PathOf("in.lzh");
    lzrw.OutputFile = PathOf("out.txt");
    EXPECT_EQ(lzrw.Decompress(), 90000);
    EXPECT_EQ(Read(lzrw.OutputFile), input);
    EXPECT_EQ(lzrw.Caption().rfind(lzrw.InputFile + " : Lzrw1 : successfully decompressed at ", 0), 0u);
    EXPECT_EQ(Files(), (std::vector<std::string>{"in.lzh", "in.txt", "out.txt"}));
}

TEST_F(Lzrw1FileFailures, MissingInputIsNamed) {
    lzrw.InputFile = PathOf("missing.bin");
    lzrw.OutputFile = PathOf("out.bin");
    EXPECT_EQ(FailureOf([&] { lzrw.Compress(); }), "Lzrw1 compression : Failed to obtain the size of : " + lzrw.InputFile);
    EXPECT_EQ(FailureOf([&] { lzrw.Decompress(); }),
              "Lzrw1 (de)compression : Failed to open input file : " + lzrw.InputFile);
    EXPECT_EQ(FailureOf([&] { lzrw.Advise(); }), "Lzrw1 advise : can not get the size of : " + lzrw.InputFile);
    EXPECT_EQ(lzrw.Caption(), "Guessing the best compression mode for : " + lzrw.InputFile);
    EXPECT_TRUE(Files().empty());
}

TEST_F(Lzrw1FileFailures, UnwritableOutputIsNamed) {
    lzrw.InputFile = Write("in.txt", TextSample(100));
    for (const std::string& output : {PathOf("no-such-folder/out.bin"), dir_.string(), std::string()}) {
        lzrw.OutputFile = output;
        EXPECT_EQ(FailureOf([&] { lzrw.Compress(); }), "Lzrw1 (de)compression : Failed to open output file : " + output);
    }
    EXPECT_EQ(Files(), std::vector<std::string>{"in.txt"});
}

TEST_F(Lzrw1FileFailures, WriteErrorsAreNamed) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    lzrw.InputFile = Write("in.bin", RandomSample(100000, 3));
    lzrw.OutputFile = "/dev/full";
    EXPECT_EQ(FailureOf([&] { lzrw.Compress(); }), "Lzrw1 : Error writing to output file : /dev/full");
    lzrw.CompressMode = TCompressMode::Fast;
    EXPECT_EQ(FailureOf([&] { lzrw.Compress(); }), "Lzrw1 : Error writing to output file : /dev/full");
    EXPECT_TRUE(fs::exists("/dev/full"));
}

TEST_F(Lzrw1FileFailures, FailedDecompressLeavesNoPartialOutput) {
    lzrw.OutputFile = PathOf("out.bin");
    lzrw.InputFile = Write("bad.bin", ToBytes("NOPE\1\0\0\0x"));
    EXPECT_EQ(FailureOf([&] { lzrw.Decompress(); }),
              lzrw.InputFile + " : Lzrw1 decompression : this file has no valid header !");

    // The blocks are written before the sizes are found to disagree; the partial file goes.
    lzrw.InputFile = Write("long.bin", WithSize(Compressed(TextSample(70000), TCompressMode::Fast), 70001));
    EXPECT_EQ(FailureOf([&] { lzrw.Decompress(); }),
              "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");

    const Bytes fast = Compressed(TextSample(70000), TCompressMode::Fast);
    lzrw.InputFile = Write("cut.bin", Bytes(fast.begin(), fast.end() - 100));
    EXPECT_EQ(FailureOf([&] { lzrw.Decompress(); }), "Lzrw1 : Error reading from input file : " + lzrw.InputFile);
    EXPECT_EQ(Files(), (std::vector<std::string>{"bad.bin", "cut.bin", "long.bin"}));
}

TEST_F(Lzrw1FileFailures, FailedRunKeepsAnEarlierOutputFileWhole) {
    const Bytes earlier = ToBytes("an earlier file of that name");
    lzrw.OutputFile = Write("out.bin", earlier);
    lzrw.InputFile = Write("bad.bin", ToBytes("NOPE\1\0\0\0x"));
    EXPECT_THROW(lzrw.Decompress(), ELzrw1Exception);
    EXPECT_EQ(Read(lzrw.OutputFile), earlier);
    EXPECT_EQ(Files(), (std::vector<std::string>{"bad.bin", "out.bin"}));
}

}  // namespace
}  // namespace velmora::testing
