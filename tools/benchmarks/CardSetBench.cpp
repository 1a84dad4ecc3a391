// Reading and writing whole card sets of the largest sizes, as a game start and the wizard do.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cardsets/CardSetFolders.h"
#include "cardsets/CardSetFormats.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/LoadedCardSet.h"
#include "tools/support/TempFolder.h"

namespace {

using velmora::CardSetDescription;
using velmora::CardSetParts;
using velmora::Picture;

// Photo-like pictures: smooth gradients with a little noise, which is what sets hold.
Picture NaturalPicture(std::int32_t width, std::int32_t height, std::uint32_t seed) {
    Picture picture(width, height);
    std::uint32_t noise = seed * 2654435761u + 1;
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const auto jitter = (noise >> 28) & 0x7;
            const auto r = static_cast<std::uint32_t>(x * 255 / width + seed * 37) & 0xFF;
            const auto g = static_cast<std::uint32_t>(y * 255 / height + seed * 11) & 0xFF;
            const auto b = static_cast<std::uint32_t>((x + y) * 128 / (width + height) + jitter) & 0xFF;
            picture.At(x, y) = r << 16 | g << 8 | b;
        }
    }
    return picture;
}

CardSetDescription LargestSet(std::size_t formatIndex) {
    const auto& format = velmora::CardSetFormats[formatIndex];
    CardSetDescription set;
    set.CardWidth = format.MaxCardWidth;
    set.CardHeight = format.MaxCardHeight;
    for (std::int32_t card = 0; card < format.CardCount; ++card) {
        set.CardNames.push_back("Card " + std::to_string(card));
        set.CardPictures.push_back(NaturalPicture(set.CardWidth, set.CardHeight, static_cast<std::uint32_t>(card)));
    }
    set.Background = NaturalPicture(540, 374, 999);
    return set;
}

void WriteLargestSet(benchmark::State& state) {
    const velmora::testing::TempFolder scratch;
    const std::filesystem::path& folder = scratch.Path();
    const CardSetDescription set = LargestSet(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) velmora::WriteCardSet(folder / "Bench.cst", set);
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(folder / "Bench.cst"));
}

void LoadLargestSet(benchmark::State& state) {
    const velmora::testing::TempFolder scratch;
    const std::filesystem::path& folder = scratch.Path();
    velmora::WriteCardSet(folder / "Bench.cst", LargestSet(static_cast<std::size_t>(state.range(0))));
    velmora::LoadedCardSet loaded;
    for (auto _ : state) loaded.LoadCardSet(folder, "Bench.cst", CardSetParts::PicturesAndBackground);
    state.counters["cards"] = loaded.CardCount;
}

void ReadPrefixOnly(benchmark::State& state) {
    const velmora::testing::TempFolder scratch;
    const std::filesystem::path& folder = scratch.Path();
    velmora::WriteCardSet(folder / "Bench.cst", LargestSet(3));
    velmora::LoadedCardSet loaded;
    for (auto _ : state) loaded.LoadCardSet(folder, "Bench.cst", CardSetParts::Details);
}

// The New Game dialog's scan: the folder listed and every set's details read from its prefix alone,
// as stepping through the dialog's list of 50 Fanatic sets does.
void ScanFiftySetHeaders(benchmark::State& state) {
    const velmora::testing::TempFolder scratch;
    const std::filesystem::path& folder = scratch.Path();
    velmora::WriteCardSet(folder / "Set 00.cst", LargestSet(3));
    for (int set = 1; set < 50; ++set) {
        const std::string name = std::string("Set ") + static_cast<char>('0' + set / 10) + static_cast<char>('0' + set % 10);
        std::filesystem::copy_file(folder / "Set 00.cst", folder / (name + ".cst"));
    }
    const velmora::CardSetFolders folders(folder);
    velmora::LoadedCardSet loaded;
    std::size_t sets = 0;
    for (auto _ : state) {
        const std::vector<std::string> names = velmora::ListCardSets(folders);
        for (const std::string& name : names) loaded.LoadCardSet(folders, name + ".cst", CardSetParts::Details);
        sets = names.size();
    }
    state.counters["sets"] = static_cast<double>(sets);
}

}  // namespace

BENCHMARK(WriteLargestSet)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadLargestSet)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPrefixOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScanFiftySetHeaders)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
