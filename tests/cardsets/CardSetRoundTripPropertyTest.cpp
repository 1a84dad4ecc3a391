// Any valid card set written reads back equal: seeded sets of every format and card size, with
// texts of every length and byte, pictures from flat to noise, and either kind of background.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "CardSetSamples.h"
#include "cardsets/CardSetFormats.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/LoadedCardSet.h"

namespace velmora {
namespace {

using testing::ScratchFolder;

constexpr int SetsToTry = 40;

// Texts of any length a set may hold, of any byte but the zero that ends a text in the file.
std::string AnyText(std::mt19937& random) {
    const std::size_t length = random() % 3 == 0 ? random() % 501 : random() % 12;
    std::string text(length, ' ');
    for (char& c : text) c = static_cast<char>(1 + random() % 255);
    return text;
}

Picture AnyPicture(std::mt19937& random, std::int32_t width, std::int32_t height) {
    Picture picture(width, height, random() & 0xFFFFFF);
    switch (random() % 3) {
        case 0: break;  // flat
        case 1:         // stripes, which the codec finds matches in
            for (std::size_t i = 0; i < picture.Pixels.size(); ++i) picture.Pixels[i] = (i / 7 % 5) * 0x333333u;
            break;
        default:
            for (auto& pixel : picture.Pixels) pixel = random() & 0xFFFFFF;
            break;
    }
    return picture;
}

CardSetDescription AnyValidSet(std::mt19937& random) {
    const CardSetFormat& format = CardSetFormats[random() % CardSetFormats.size()];
    CardSetDescription set;
    set.Details = {AnyText(random), AnyText(random), AnyText(random), AnyText(random), AnyText(random)};
    const bool largest = random() % 4 == 0;
    set.CardWidth = largest ? format.MaxCardWidth : 1 + static_cast<std::int32_t>(random() % format.MaxCardWidth);
    set.CardHeight = largest ? format.MaxCardHeight : 1 + static_cast<std::int32_t>(random() % format.MaxCardHeight);
    for (auto& entry : set.Palette) entry = random() & 0xFFFFFF;
    for (std::int32_t card = 0; card < format.CardCount; ++card) {
        set.CardNames.push_back(AnyText(random));
        set.CardPictures.push_back(AnyPicture(random, set.CardWidth, set.CardHeight));
        set.CardPictures.back().Palette = set.Palette;
    }
    if (random() % 2 == 0) {
        set.Background = AnyPicture(random, 1 + static_cast<std::int32_t>(random() % 600),
                                    1 + static_cast<std::int32_t>(random() % 400));
    } else {
        set.BackgroundColour = random() & 0xFFFFFF;
    }
    return set;
}

// A stored colour is 0x00BBGGRR; the tile holds it as 0x00RRGGBB.
std::uint32_t Swapped(std::uint32_t colour) {
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

void ExpectReadBackEqual(const LoadedCardSet& loaded, const CardSetDescription& set) {
    EXPECT_EQ(loaded.CardCount, static_cast<std::int32_t>(set.CardPictures.size()));
    const CardSetDetails details{loaded.Author, loaded.Email, loaded.Web, loaded.Notes, loaded.Language};
    EXPECT_EQ(details, set.Details);
    EXPECT_EQ(loaded.CardWidth, set.CardWidth);
    EXPECT_EQ(loaded.CardHeight, set.CardHeight);
    EXPECT_EQ(loaded.CardNames, set.CardNames);
    EXPECT_TRUE(loaded.CardPictures == set.CardPictures);
    const Picture& tile = loaded.BackgroundTile;
    if (set.Background) {
        EXPECT_EQ(tile.Width, set.Background->Width);
        EXPECT_EQ(tile.Height, set.Background->Height);
        EXPECT_TRUE(tile.Pixels == set.Background->Pixels);
    } else {
        EXPECT_EQ(tile.Pixels, std::vector<std::uint32_t>(100 * 100, Swapped(set.BackgroundColour)));
    }
}

TEST(CardSetRoundTrip, AnyValidSetWrittenReadsBackEqual) {
    ScratchFolder folder;
    for (std::uint32_t seed = 1; seed <= SetsToTry; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const CardSetDescription set = AnyValidSet(random);
        WriteCardSet(folder / "Any.cst", set);
        LoadedCardSet loaded;
        loaded.LoadCardSet(folder.Path(), "Any.cst", CardSetParts::PicturesAndBackground);
        ExpectReadBackEqual(loaded, set);

        LoadedCardSet prefixOnly;
        prefixOnly.LoadCardSet(folder.Path(), "Any.cst", CardSetParts::Details);
        EXPECT_EQ(prefixOnly.Notes, set.Details.Notes);
        EXPECT_EQ(prefixOnly.CardCount, loaded.CardCount);
    }
}

}  // namespace
}  // namespace velmora
