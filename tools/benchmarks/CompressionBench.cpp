// Speed of the container's two codecs against zlib at levels 1 and 6, on a card-set payload,
// English text and random bytes. Figures are MB/s (10^6 bytes) of uncompressed data; at the end the
// card-set ratios to zlib are printed next to their targets. On a shared machine, run it as
//   velmora-bench-compression --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
// so that every codec and zlib are measured side by side and the best repetitions are compared.

#include <benchmark/benchmark.h>
#include <zlib.h>

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
        Ratio("LZH compress / zlib-6 compress", "Compress/LZH/cardset", "Compress/zlib-6/cardset", 0.3);
        Ratio("LZH decompress / zlib-6 decompress", "Decompress/LZH/cardset", "Decompress/zlib-6/cardset", 0.15);
        Ratio("LZRW1/KH compress / zlib-1 compress", "Compress/LZRW1KH/cardset", "Compress/zlib-1/cardset", 3.0);
        Ratio("LZRW1/KH decompress / zlib-6 decompress", "Decompress/LZRW1KH/cardset", "Decompress/zlib-6/cardset",
              2.0);
    }

private:
    void Ratio(const char* label, const std::string& ours, const std::string& zlib, double target) {
        if (!rates_.contains(ours) || !rates_.contains(zlib)) return;
        const double ratio = rates_[ours] / rates_[zlib];
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
