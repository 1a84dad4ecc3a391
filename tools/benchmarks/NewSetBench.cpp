// The wizard's Finish and the game start that follows: a Fanatic set of 51 cards with a background
// picture written from the wizard's data to the closed file, and read back in full; and a Fanatic set
// made from 51 camera photos of 4000 x 3000 pixels, each read and cropped to the card as the wizard's
// Add does, then written.

#include <benchmark/benchmark.h>

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "cardsets/CardSetDraft.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/CardSetProgress.h"
#include "cardsets/LoadedCardSet.h"
#include "tools/support/TempFolder.h"
#include "cardsets/PictureFit.h"
#include "cardsets/pictures/CardPictureFile.h"

namespace {

using velmora::CardSetDraft;
using velmora::CardSetParts;
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
    for (auto _ : state) loaded.LoadCardSet(folder, "Wizard.cst", CardSetParts::PicturesAndBackground);
    state.counters["cards"] = loaded.CardCount;
}

// A camera's picture: smooth light with grain, which codes to some 3 MB at quality 90.
void WritePhoto(const std::filesystem::path& file, std::uint32_t seed) {
    QImage photo(4000, 3000, QImage::Format_RGB32);
    std::uint32_t noise = seed * 2654435761u + 7;
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = static_cast<int>(noise >> 28);
            line[x] = qRgb((x / 16 + static_cast<int>(seed) * 5 + grain) & 0xFF, (y / 12 + grain) & 0xFF,
                           ((x + y) / 28 + static_cast<int>(seed) * 3) & 0xFF);
        }
    }
    if (!photo.save(QString::fromStdString(file.string()), "JPG", 90)) throw std::runtime_error("cannot write " + file.string());
}

// Counts the Please Wait window's steps, which the wizard takes once per picture read.
class CountedProgress : public velmora::CardSetProgress {
public:
    void ShowProgress() override {}
    void SetProgressPosition(int) override { ++steps; }
    void ProcessEvents() override {}
    void CloseProgress() override {}
    int steps = 0;
};

void MakeFanaticSetFromPhotos(benchmark::State& state) {
    const velmora::testing::TempFolder scratch;
    const std::filesystem::path& folder = scratch.Path();
    std::vector<std::filesystem::path> photos;
    for (std::uint32_t i = 0; i < 51; ++i) {
        photos.push_back(folder / ("IMG_" + std::to_string(1000 + i) + ".jpg"));
        WritePhoto(photos.back(), i);
    }
    CountedProgress progress;
    for (auto _ : state) {
        CardSetDraft draft;
        draft.SetFormat(3);
        const velmora::PictureSize card = velmora::LargestCardFor(draft.FormatInfo(), {4000, 3000});
        draft.SetCardSize(card.Width, card.Height);
        velmora::ProgressSession session(&progress);
        session.Show();
        session.SetStepFor(static_cast<std::int32_t>(photos.size()));
        for (const std::filesystem::path& photo : photos) {
            session.StepIt();
            draft.AddCard(velmora::CardNameFromFile(photo.string()),
                          velmora::ReadCardPictureFile(photo, {card, velmora::FitMode::Crop, 0xFFFFFF}));
        }
        session.Close();
        velmora::WriteCardSet(folder / "Photos.cst", draft.Describe());
    }
    state.counters["cards"] = 51;
    state.counters["steps_per_set"] = static_cast<double>(progress.steps) / static_cast<double>(state.iterations());
    state.counters["photo_bytes"] = static_cast<double>(std::filesystem::file_size(photos.front()));
}

}  // namespace

BENCHMARK(WriteFanaticSetFromTheWizard)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadFanaticSetInFull)->Unit(benchmark::kMillisecond);
BENCHMARK(MakeFanaticSetFromPhotos)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
