#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "CardSetSamples.h"
#include "cardsets/CardSetError.h"
#include "cardsets/PayloadReader.h"
#include "cardsets/PayloadWriter.h"
#include "cardsets/SystemColours.h"

namespace velmora {
namespace {

using testing::Int32Bytes;
using testing::RecordingProgress;
using testing::SampleSet;

std::vector<std::uint8_t> Build(const CardSetDescription& set) {
    ProgressSession none(nullptr);
    return BuildCardSetPayload(set, none);
}

CardSetPrefix PrefixOf(const CardSetDescription& set) {
    return {static_cast<std::int32_t>(set.CardPictures.size()), set.CardWidth, set.CardHeight, set.Details};
}

CardSetPayload Read(const std::vector<std::uint8_t>& bytes, const CardSetPrefix& prefix, bool withBackground) {
    ProgressSession none(nullptr);
    return ReadCardSetPayload(bytes, prefix, withBackground, "Sample.cst", none);
}

std::string ReadError(const std::vector<std::uint8_t>& bytes, const CardSetPrefix& prefix) {
    try {
        Read(bytes, prefix, true);
    } catch (const ECardSetError& e) {
        return e.what();
    }
    return "no error";
}

// The payload of set with its background part (marker onwards) replaced.
std::vector<std::uint8_t> WithBackgroundBytes(const CardSetDescription& set, const std::vector<std::uint8_t>& tail) {
    std::vector<std::uint8_t> bytes = Build(set);
    bytes.resize(bytes.size() - 11);  // "Color__" and its colour
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

std::vector<std::uint8_t> Marker(const char* text) { return {text, text + 7}; }

std::vector<std::uint8_t> operator+(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(CardSetPayload, JuniorExampleHasTheGivenSizeAndEnding) {
    CardSetDescription set = SampleSet(11, 50, 50);
    for (std::size_t i = 0; i < set.CardNames.size(); ++i) set.CardNames[i] = "n" + std::to_string(1000 + i);
    set.BackgroundColour = ButtonFaceColour;
    const std::vector<std::uint8_t> bytes = Build(set);
    ASSERT_EQ(bytes.size(), 83378u);
    const std::vector<std::uint8_t> ending(bytes.end() - 11, bytes.end());
    EXPECT_EQ(ending, Marker("Color__") + std::vector<std::uint8_t>({0x0F, 0x00, 0x00, 0x80}));
}

TEST(CardSetPayload, PureRedIsStoredBlueFirstInPixelsAndRedFirstInThePalette) {
    CardSetDescription set = SampleSet(11, 2, 1);
    set.Palette[0] = 0xFF0000;
    set.CardPictures[0].At(0, 0) = 0xFF0000;
    set.CardNames[0] = "";
    const std::vector<std::uint8_t> bytes = Build(set);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 3), (std::vector<std::uint8_t>{0xFF, 0, 0}));
    const auto pixel = bytes.begin() + 768 + 4;
    EXPECT_EQ(std::vector<std::uint8_t>(pixel, pixel + 3), (std::vector<std::uint8_t>{0, 0, 0xFF}));
}

TEST(CardSetPayload, RoundTripsPixelForPixelWithEitherBackground) {
    for (const bool withPicture : {false, true}) {
        const CardSetDescription set = SampleSet(22, 77, 62, withPicture);
        const CardSetPayload payload = Read(Build(set), PrefixOf(set), true);
        EXPECT_EQ(payload.Palette, set.Palette);
        EXPECT_EQ(payload.CardNames, set.CardNames);
        EXPECT_EQ(payload.CardPictures, set.CardPictures);
        if (withPicture) {
            EXPECT_EQ(payload.Background, BackgroundKind::Picture);
            Picture expected = *set.Background;
            expected.Palette = set.Palette;
            EXPECT_EQ(payload.BackgroundTile, expected);
        } else {
            EXPECT_EQ(payload.Background, BackgroundKind::Colour);
            EXPECT_EQ(payload.BackgroundColour, 0x00336699u);
            EXPECT_EQ(payload.BackgroundTile.Width, 100);
            EXPECT_EQ(payload.BackgroundTile.Height, 100);
            EXPECT_EQ(payload.BackgroundTile.Pixels, std::vector<std::uint32_t>(100 * 100, 0x996633u));
        }
    }
}

TEST(CardSetPayload, AnUnknownMarkerGivesAButtonFaceTile) {
    const CardSetDescription set = SampleSet(11, 10, 10);
    const CardSetPayload payload = Read(WithBackgroundBytes(set, Marker("Nothing")), PrefixOf(set), true);
    EXPECT_EQ(payload.Background, BackgroundKind::Unknown);
    EXPECT_EQ(payload.BackgroundTile.Pixels, std::vector<std::uint32_t>(100 * 100, 0xF0F0F0u));
}

TEST(CardSetPayload, WithoutBackgroundNothingAfterTheCardsIsRead) {
    const CardSetDescription set = SampleSet(11, 10, 10);
    std::vector<std::uint8_t> bytes = Build(set);
    bytes.resize(bytes.size() - 11);
    const CardSetPayload payload = Read(bytes, PrefixOf(set), false);
    EXPECT_EQ(payload.Background, BackgroundKind::NotRead);
    EXPECT_TRUE(payload.BackgroundTile.Empty());
    EXPECT_EQ(payload.CardPictures.size(), 11u);
}

TEST(CardSetPayload, ProgressStepsOncePerCardByTheMaximumOverTheCount) {
    for (const auto& [count, step] : {std::pair{11, 90}, std::pair{51, 19}}) {
        const CardSetDescription set = SampleSet(count, 5, 5);
        RecordingProgress progress;
        {
            ProgressSession session(&progress);
            session.Show();
            ReadCardSetPayload(Build(set), PrefixOf(set), true, "Sample.cst", session);
        }
        ASSERT_EQ(progress.positions.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(progress.positions.front(), step);
        EXPECT_EQ(progress.positions.back(), step * count);
        EXPECT_EQ(progress.closes, 1);
    }
}

TEST(CardSetPayload, WriterShowsProgressAfterThePaletteAndStepsBeforeEachCard) {
    const CardSetDescription set = SampleSet(11, 5, 5);
    RecordingProgress progress;
    ProgressSession session(&progress);
    BuildCardSetPayload(set, session);
    EXPECT_EQ(progress.shows, 1);
    EXPECT_EQ(progress.positions, (std::vector<int>{90, 180, 270, 360, 450, 540, 630, 720, 810, 900, 990}));
}

TEST(CardSetPayload, EveryCutIsReportedWithTheFileName) {
    const CardSetDescription set = SampleSet(11, 3, 2, false);
    const std::vector<std::uint8_t> whole = Build(set);
    for (std::size_t length = 0; length < whole.size(); length += 7) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + length);
        const std::string message = ReadError(cut, PrefixOf(set));
        EXPECT_EQ(message.rfind("Damaged card set Sample.cst: ", 0), 0u) << "cut at " << length << ": " << message;
    }
}

TEST(CardSetPayload, HostileNamesAndBackgroundsAreRefused) {
    const CardSetDescription set = SampleSet(11, 4, 4);
    const CardSetPrefix prefix = PrefixOf(set);
    std::vector<std::uint8_t> negativeName = Build(set);
    std::memcpy(negativeName.data() + 768, Int32Bytes(-5).data(), 4);
    std::vector<std::uint8_t> longName = Build(set);
    std::memcpy(longName.data() + 768, Int32Bytes(501).data(), 4);
    const auto picture = [&](std::int32_t w, std::int32_t h) {
        return WithBackgroundBytes(set, Marker("Picture") + Int32Bytes(w) + Int32Bytes(h) +
                                            std::vector<std::uint8_t>(30, 7));
    };
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* expected;
    } cases[] = {
        {"negative name length", negativeName, "the name of card 0 has a negative length"},
        {"name over 500 bytes", longName, "the name of card 0 is longer than 500 bytes"},
        {"background of zero width", picture(0, 10), "background size 0 x 10"},
        {"background of negative height", picture(10, -1), "background size 10 x -1"},
        {"background wider than any", picture(4097, 1), "background size 4097 x 1"},
        {"huge background", picture(0x7FFFFFFF, 0x7FFFFFFF), "background size 2147483647 x 2147483647"},
        {"background longer than its pixels", picture(4096, 4096), "the background picture is cut short"},
        {"colour cut short", WithBackgroundBytes(set, Marker("Color__") + std::vector<std::uint8_t>{1, 2}),
         "the background colour is cut short"},
        {"no cards at all", std::vector<std::uint8_t>(768, 0), "shorter than its 11 cards need"},
    };
    for (const auto& c : cases) {
        const std::string message = ReadError(c.bytes, prefix);
        EXPECT_NE(message.find("Damaged card set Sample.cst: "), std::string::npos) << c.name << ": " << message;
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.name << ": " << message;
    }
}

TEST(CardSetPayload, SizeBoundsFollowThePrefix) {
    const CardSetPrefix prefix = PrefixOf(SampleSet(11, 50, 50));
    EXPECT_EQ(SmallestPayloadSize(prefix), 768 + 11 * (4 + 7500));
    const std::int64_t largestCards = 768 + 11 * (4 + 500 + 7500);
    EXPECT_EQ(LargestPayloadSize(prefix), largestCards + 7 + 8 + 3LL * 4096 * 4096);
}

}  // namespace
}  // namespace velmora
