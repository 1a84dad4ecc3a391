// velmora-fuzz-seeds FOLDER: writes the seed corpora of the fuzz targets into FOLDER, one subfolder
// per kind of file, each made by the project's own writers so the fuzzers start from files the
// program really produces. The output is the same on every run; tools/fuzz/corpus holds a copy.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "PictureSeeds.h"
#include "StreamContainer.h"
#include "cardsets/CardSetDescription.h"
#include "cardsets/CardSetWriter.h"
#include "compression/Lzrw1.h"
#include "players/LibraryFile.h"
#include "players/PlayerLibrary.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace fs = std::filesystem;
using namespace velmora;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Prose, a run that the fast codec codes as runs, and bytes without a pattern.
std::vector<std::pair<std::string, Bytes>> PlainSamples() {
    std::string prose;
    while (prose.size() < 1500) prose += "Turn up two cards; a matching pair scores a point and leaves the board. ";
    Bytes noise(600);
    std::mt19937 random(20240601);
    for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
    Bytes runs(3000, 'a');
    std::fill(runs.begin() + 1000, runs.begin() + 2000, std::uint8_t{0});
    return {{"empty", {}}, {"byte", Text("x")}, {"prose", Text(prose)}, {"runs", runs}, {"noise", noise}};
}

void MakeContainers(const fs::path& folder) {
    for (const auto& [name, plain] : PlainSamples()) {
        WriteFile(folder / ("good-" + name), fuzz::Packed(plain, TCompressMode::Good));
        WriteFile(folder / ("fast-" + name), fuzz::Packed(plain, TCompressMode::Fast));
    }
}

CardSetDescription SmallSet(std::int32_t count, std::int32_t width, std::int32_t height, bool withPicture) {
    CardSetDescription set;
    set.Details = {"Ann", "ann@example.org", "http://example.org", "Seed set", "English"};
    set.CardWidth = width;
    set.CardHeight = height;
    for (std::uint32_t i = 0; i < set.Palette.size(); ++i) set.Palette[i] = i * 0x010101u;
    for (std::int32_t card = 0; card < count; ++card) {
        set.CardNames.push_back(card == 0 ? "Back" : "Card " + std::to_string(card));
        Picture picture(width, height);
        for (std::size_t i = 0; i < picture.Pixels.size(); ++i) {
            picture.Pixels[i] = (static_cast<std::uint32_t>(card) * 0x2F1B07u + static_cast<std::uint32_t>(i) * 0x050301u) & 0xFFFFFF;
        }
        set.CardPictures.push_back(std::move(picture));
    }
    if (withPicture) {
        set.Background = Picture(6, 4, 0x00406080);
    } else {
        set.BackgroundColour = 0x00336699;
    }
    return set;
}

void MakeCardSets(const fs::path& folder) {
    WriteCardSet(folder / "junior-colour.cst", SmallSet(11, 3, 2, false));
    WriteCardSet(folder / "standard-picture.cst", SmallSet(22, 2, 2, true));
    WriteCardSet(folder / "fanatic-colour.cst", SmallSet(51, 1, 1, false));
}

void MakeLibraries(const fs::path& folder, const fs::path& scratch) {
    PlayerLibrary library(scratch);
    const std::vector<NewPlayerFields> players = {
        {"Ann", "", false, true, 5},
        {"Computer Bob", "", false, false, 50},
        {"Carla", "secret", true, true, 5},
    };
    for (std::size_t count = 1; count <= players.size(); ++count) {
        library.AppendPlayer(players[count - 1]);
        WriteFile(folder / ("players-" + std::to_string(count)), ReadFile(library.FilePath()));
    }
}

void MakeSettings(const fs::path& folder, const fs::path& scratch) {
    Settings{}.Write(scratch);
    WriteFile(folder / "defaults", ReadFile(scratch / kSettingsFileName));
    IniFile edited(scratch / kSettingsFileName);
    edited.WriteString("other", "key", "\"quoted value\"");
    edited.WriteInteger("other", "number", -12);
    edited.Save();
    Settings changed;
    changed.FlipDelay = 32;
    changed.SoundOn = false;
    changed.LastSet = "My Set";
    changed.LastFormat = 3;
    changed.Write(scratch);
    WriteFile(folder / "changed", ReadFile(scratch / kSettingsFileName));
}

fs::path MadeFolder(const fs::path& folder) {
    fs::create_directories(folder);
    return folder;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velmora-fuzz-seeds FOLDER\n";
        return 2;
    }
    try {
        const fs::path out = argv[1];
        fs::remove_all(out / "scratch");
        const fs::path scratch = MadeFolder(out / "scratch");
        MakeContainers(MadeFolder(out / "decompress"));
        MakeCardSets(MadeFolder(out / "cardset"));
        MakeLibraries(MadeFolder(out / "player-library"), scratch);
        MakeSettings(MadeFolder(out / "ini"), scratch);
        fuzz::MakeBitmapSeeds(MadeFolder(out / "bmp"));
        fuzz::MakeJpegSeeds(MadeFolder(out / "jpeg"));
        fuzz::MakeImageSeeds(MadeFolder(out / "image"));
        fs::remove_all(scratch);
    } catch (const std::exception& e) {
        std::cerr << "velmora-fuzz-seeds: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
