#include "CardSetSamples.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

namespace velmora::testing {

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("velmora-cardsets-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + name);
}

std::vector<std::uint8_t> ScratchFolder::ReadFile(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + name);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Picture PatternPicture(std::int32_t width, std::int32_t height, std::uint32_t seed) {
    Picture picture(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const auto n = static_cast<std::uint32_t>(y * width + x);
            picture.At(x, y) = (n * 2654435761u + seed * 40503u) & 0xFFFFFF;
        }
    }
    return picture;
}

CardSetDescription SampleSet(std::int32_t count, std::int32_t width, std::int32_t height, bool withPicture) {
    CardSetDescription set;
    set.Details = {"Ann", "ann@example.org", "http://", "Made for the tests", "English"};
    set.CardWidth = width;
    set.CardHeight = height;
    for (std::uint32_t i = 0; i < set.Palette.size(); ++i) set.Palette[i] = i * 0x010203u & 0xFFFFFF;
    for (std::int32_t card = 0; card < count; ++card) {
        set.CardNames.push_back("card" + std::to_string(card));
        Picture picture = PatternPicture(width, height, static_cast<std::uint32_t>(card) + 1);
        picture.Palette = set.Palette;
        set.CardPictures.push_back(std::move(picture));
    }
    if (withPicture) set.Background = PatternPicture(540, 374, 999);
    else set.BackgroundColour = 0x00336699;
    return set;
}

std::vector<std::uint8_t> Int32Bytes(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

}  // namespace velmora::testing
