// Speed of the container's two codecs against zlib at levels 1 and 6, on a card-set payload,
// English text and random bytes. lz4 (the fastest of the LZ77 family, like LZRW1/KH) and zstd at
// level 3 (a fast coder with entropy coding, like LZH) are reference rows only: no target is set
// against them, they show how far each codec is from the fastest of its family.
// Figures are MB/s (10^6 bytes) of uncompressed data; at the end the card-set ratios to zlib are
// printed next to their targets. On a shared machine, run it as
//   velmora-bench-compression --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
// so that every codec and zlib are measured side by side and the best repetitions are compared.

#include <benchmark/benchmark.h>
#include <lz4.h>
#include <zlib.h>
#include <zstd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "CompressionBenchData.h"
#include "compression/Lzrw1.h"

namespace {

using velmora::MemoryStream;
using velmora::SeekOrigin;
using velmora::TCompressMode;
using velmora::Tlzrw1;
using Bytes = std::vector<std::uint8_t>;

struct Input {
    const char* name;
    Bytes bytes;
};

const std::vector<Input>& Inputs() {
    static const std::vector<Input> inputs = {{"cardset", velmora::bench::CardSetPayload()},
                                              {"text", velmora::bench::EnglishText()},
                                              {"random", velmora::bench::RandomBytes()}};
    return inputs;
}

void Count(benchmark::State& state, std::size_t original, std::size_t packed) {
    state.counters["MB/s"] =
        benchmark::Counter(static_cast<double>(original) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["size%"] = 100.0 * static_cast<double>(packed) / static_cast<double>(original);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * original));
}

// One pass of the component over memory streams, as the card-set reader and writer use it.
std::size_t RunContainer(Tlzrw1& lzrw, MemoryStream& in, MemoryStream& out, bool compress) {
    in.Seek(0, SeekOrigin::Begin);
    out.Seek(0, SeekOrigin::Begin);
    return static_cast<std::size_t>(compress ? lzrw.Compress() : lzrw.Decompress());
}

Bytes Container(const Bytes& input, TCompressMode mode) {
    Tlzrw1 lzrw;
    MemoryStream in(input);
    MemoryStream out;
    lzrw.UseStream = true;
    lzrw.CompressMode = mode;
    lzrw.InputStream = &in;
    lzrw.OutputStream = &out;
    lzrw.Compress();
    return out.TakeData();
}

void ContainerBench(benchmark::State& state, const Input& input, TCompressMode mode, bool compress) {
    const Bytes packed = Container(input.bytes, mode);
    MemoryStream in(compress ? input.bytes : packed);
    MemoryStream out;
    Tlzrw1 lzrw;
    lzrw.UseStream = true;
    lzrw.Visible = false;
    lzrw.CompressMode = mode;
    lzrw.InputStream = &in;
    lzrw.OutputStream = &out;
    for (auto _ : state) benchmark::DoNotOptimize(RunContainer(lzrw, in, out, compress));
    if (!compress && Bytes(out.Data().begin(), out.Data().begin() + static_cast<std::ptrdiff_t>(input.bytes.size())) != input.bytes) {
        state.SkipWithError("restored bytes differ");
    }
    Count(state, input.bytes.size(), packed.size());
}

Bytes ZlibPacked(const Bytes& input, int level) {
    uLongf size = compressBound(static_cast<uLong>(input.size()));
    Bytes packed(size);
    if (compress2(packed.data(), &size, input.data(), static_cast<uLong>(input.size()), level) != Z_OK) {
        throw std::runtime_error("zlib compress failed");
    }
    packed.resize(size);
    return packed;
}

void ZlibBench(benchmark::State& state, const Input& input, int level, bool compress) {
    const Bytes packed = ZlibPacked(input.bytes, level);
    Bytes out(compress ? compressBound(static_cast<uLong>(input.bytes.size())) : input.bytes.size());
    for (auto _ : state) {
        uLongf size = static_cast<uLongf>(out.size());
        const int result = compress ? compress2(out.data(), &size, input.bytes.data(), static_cast<uLong>(input.bytes.size()), level)
                                    : uncompress(out.data(), &size, packed.data(), static_cast<uLong>(packed.size()));
        if (result != Z_OK) state.SkipWithError("zlib failed");
        benchmark::DoNotOptimize(size);
    }
    Count(state, input.bytes.size(), packed.size());
}

Bytes Lz4Packed(const Bytes& input) {
    Bytes packed(static_cast<std::size_t>(LZ4_compressBound(static_cast<int>(input.size()))));
    const int size = LZ4_compress_default(reinterpret_cast<const char*>(input.data()),
                                          reinterpret_cast<char*>(packed.data()), static_cast<int>(input.size()),
                                          static_cast<int>(packed.size()));
    if (size <= 0) throw std::runtime_error("lz4 compress failed");
    packed.resize(static_cast<std::size_t>(size));
    return packed;
}

void Lz4Bench(benchmark::State& state, const Input& input, bool compress) {
    const Bytes packed = Lz4Packed(input.bytes);
    Bytes out(compress ? static_cast<std::size_t>(LZ4_compressBound(static_cast<int>(input.bytes.size())))
                       : input.bytes.size());
    const auto* from = reinterpret_cast<const char*>(compress ? input.bytes.data() : packed.data());
    const int fromSize = static_cast<int>(compress ? input.bytes.size() : packed.size());
    auto* to = reinterpret_cast<char*>(out.data());
    for (auto _ : state) {
        const int size = compress ? LZ4_compress_default(from, to, fromSize, static_cast<int>(out.size()))
                                  : LZ4_decompress_safe(from, to, fromSize, static_cast<int>(out.size()));
        if (size <= 0) state.SkipWithError("lz4 failed");
        benchmark::DoNotOptimize(size);
    }
    Count(state, input.bytes.size(), packed.size());
}

constexpr int ZstdLevel = 3;

Bytes ZstdPacked(const Bytes& input) {
    Bytes packed(ZSTD_compressBound(input.size()));
    const std::size_t size = ZSTD_compress(packed.data(), packed.size(), input.data(), input.size(), ZstdLevel);
    if (ZSTD_isError(size)) throw std::runtime_error("zstd compress failed");
    packed.resize(size);
    return packed;
}

void ZstdBench(benchmark::State& state, const Input& input, bool compress) {
    const Bytes packed = ZstdPacked(input.bytes);
    Bytes out(compress ? ZSTD_compressBound(input.bytes.size()) : input.bytes.size());
    ZSTD_CCtx* const coder = ZSTD_createCCtx();
    ZSTD_DCtx* const decoder = ZSTD_createDCtx();
    for (auto _ : state) {
        const std::size_t size =
            compress ? ZSTD_compressCCtx(coder, out.data(), out.size(), input.bytes.data(), input.bytes.size(), ZstdLevel)
                     : ZSTD_decompressDCtx(decoder, out.data(), out.size(), packed.data(), packed.size());
        if (ZSTD_isError(size)) state.SkipWithError("zstd failed");
        benchmark::DoNotOptimize(size);
    }
    ZSTD_freeDCtx(decoder);
    ZSTD_freeCCtx(coder);
    Count(state, input.bytes.size(), packed.size());
}

// The console report, plus the card-set ratios to zlib in the same run, next to their targets.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // With --benchmark_repetitions the best repetition counts: on a shared machine the others
        // mostly measure what else was running. With --benchmark_report_aggregates_only the
        // repetitions never arrive here, and the medians stand in for them.
        for (const Run& run : runs) {
            const auto counter = run.counters.find("MB/s");
            if (run.error_occurred || counter == run.counters.end()) continue;
            if (run.run_type == Run::RT_Iteration) {
                double& rate = rates_[run.run_name.function_name];
                rate = std::max(rate, counter->second.value);
            } else if (run.aggregate_name == "median") {
                medians_[run.run_name.function_name] = counter->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const bool fromMedians = rates_.empty();
        if (fromMedians) rates_ = medians_;
        std::printf("\nCard-set payload, ratio to zlib in this run, %s (target):\n",
                    fromMedians ? "medians" : "best repetitions");
        Ratio("LZH compress / zlib-6 compress", "Compress/LZH/cardset", "Compress/zlib-6/cardset", 0.6);
        Ratio("LZH decompress / zlib-6 decompress", "Decompress/LZH/cardset", "Decompress/zlib-6/cardset", 0.4);
        Ratio("LZRW1/KH compress / zlib-1 compress", "Compress/LZRW1KH/cardset", "Compress/zlib-1/cardset", 6.0);
        Ratio("LZRW1/KH decompress / zlib-6 decompress", "Decompress/LZRW1KH/cardset", "Decompress/zlib-6/cardset",
              4.0);
        std::printf("Reference rows, same run, no target:\n");
        Ratio("LZH compress / zstd-3 compress", "Compress/LZH/cardset", "Compress/zstd-3/cardset");
        Ratio("LZH decompress / zstd-3 decompress", "Decompress/LZH/cardset", "Decompress/zstd-3/cardset");
        Ratio("LZRW1/KH compress / lz4 compress", "Compress/LZRW1KH/cardset", "Compress/lz4/cardset");
        Ratio("LZRW1/KH decompress / lz4 decompress", "Decompress/LZRW1KH/cardset", "Decompress/lz4/cardset");
    }

private:
    // Without a target the ratio is printed alone.
    void Ratio(const char* label, const std::string& ours, const std::string& other, double target = 0) {
        if (!rates_.contains(ours) || !rates_.contains(other)) return;
        const double ratio = rates_[ours] / rates_[other];
        if (target <= 0) {
            std::printf("  %-42s %6.2fx\n", label, ratio);
            return;
        }
        std::printf("  %-42s %6.2fx  (at least %.2fx: %s)\n", label, ratio, target, ratio >= target ? "met" : "NOT met");
    }

    std::map<std::string, double> rates_;
    std::map<std::string, double> medians_;
};

void RegisterAll() {
    for (const Input& input : Inputs()) {
        const std::string suffix = std::string("/") + input.name;
        for (const bool compress : {true, false}) {
            const std::string verb = compress ? "Compress" : "Decompress";
            benchmark::RegisterBenchmark((verb + "/LZH" + suffix).c_str(), ContainerBench, input, TCompressMode::Good,
                                         compress);
            benchmark::RegisterBenchmark((verb + "/LZRW1KH" + suffix).c_str(), ContainerBench, input,
                                         TCompressMode::Fast, compress);
            benchmark::RegisterBenchmark((verb + "/zlib-1" + suffix).c_str(), ZlibBench, input, 1, compress);
            benchmark::RegisterBenchmark((verb + "/zlib-6" + suffix).c_str(), ZlibBench, input, 6, compress);
            benchmark::RegisterBenchmark((verb + "/lz4" + suffix).c_str(), Lz4Bench, input, compress);
            benchmark::RegisterBenchmark((verb + "/zstd-3" + suffix).c_str(), ZstdBench, input, compress);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RegisterAll();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
