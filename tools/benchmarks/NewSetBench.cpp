// The wizard's Finish and the game start that follows: a Fanatic set of 51 cards with a background
// picture written from the wizard's data to the closed file, and read back in full.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "cardsets/CardSetDraft.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/LoadedCardSet.h"
#include "tools/support/TempFolder.h"

namespace {

using velmora::CardSetDraft;
using velmora::Picture;

// Photo-like: smooth gradients with a little noise, as pictures that authors prepare are.
Picture PhotoLike(std::int32_t width, std::int32_t height, std::uint32_t seed) {
    Picture picture(width, height);
    std::uint32_t noise = seed * 2654435761u + 1;
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const auto r = static_cast<std::uint32_t>(x * 255 / width + seed * 29) & 0xFF;
            const auto g = static_cast<std::uint32_t>(y * 255 / height + seed * 13) & 0xFF;
            const auto b = (static_cast<std::uint32_t>((x + y) * 100 / (width + height)) + (noise >> 29)) & 0xFF;
            picture.At(x, y) = r << 16 | g << 8 | b;
        }
    return picture;
}

// What the wizard holds on its last page for the largest set.
CardSetDraft FanaticDraft() {
    CardSetDraft draft;
    draft.SetFormat(3);
    draft.SetCardSize(54, 37);
    for (std::uint32_t card = 0; card < 51; ++card)
        draft.AddCard("Card " + std::to_string(card), PhotoLike(54, 37, card));
    draft.SetBackgroundPicture(PhotoLike(540, 374, 999));
    draft.Details.Author = "Bench";
    return draft;
}

void WriteFanaticSetFromTheWizard(benchmark::State& state) {
    const velmora::testing::TempFolder scratch;
    const std::filesystem::path& folder = scratch.Path();
    const CardSetDraft draft = FanaticDraft();
    for (auto _ : state) velmora::WriteCardSet(folder / "Wizard.cst", draft.Describe());
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(folder / "Wizard.cst"));
}

void LoadFanaticSetInFull(benchmark::State& state) {
    const velmora::testing::TempFolder scratch;
    const std::filesystem::path& folder = scratch.Path();
    velmora::WriteCardSet(folder / "Wizard.cst", FanaticDraft().Describe());
    velmora::LoadedCardSet loaded;
    for (auto _ : state) loaded.LoadCardSet(folder, "Wizard.cst", true, false);
    state.counters["cards"] = loaded.CardCount;
}

}  // namespace

BENCHMARK(WriteFanaticSetFromTheWizard)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadFanaticSetInFull)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
