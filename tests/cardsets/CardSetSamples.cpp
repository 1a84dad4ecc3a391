#include "CardSetSamples.h"

namespace velmora::testing {

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
