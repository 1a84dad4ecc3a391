#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "CardSetSamples.h"
#include "cardsets/CardSetError.h"
#include "cardsets/CardSetFolder.h"
#include "cardsets/CardSetPrefix.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/LoadedCardSet.h"
#include "cardsets/PayloadWriter.h"
#include "compression/Lzrw1.h"
#include "tests/support/FileSizeLimit.h"

namespace velmora {
namespace {

using testing::Int32Bytes;
using testing::RecordingProgress;
using testing::SampleSet;
using testing::FileSizeLimit;
using testing::ScratchFolder;

void ExpectLoadedAs(const LoadedCardSet& loaded, const CardSetDescription& set) {
    EXPECT_EQ(loaded.CardCount, static_cast<std::int32_t>(set.CardPictures.size()));
    EXPECT_EQ(loaded.Author, set.Details.Author);
    EXPECT_EQ(loaded.Email, set.Details.Email);
    EXPECT_EQ(loaded.Web, set.Details.Web);
    EXPECT_EQ(loaded.Notes, set.Details.Notes);
    EXPECT_EQ(loaded.Language, set.Details.Language);
    EXPECT_EQ(loaded.CardNames, set.CardNames);
    EXPECT_EQ(loaded.CardPictures, set.CardPictures);
    EXPECT_EQ(loaded.CardWidth, set.CardWidth);
    EXPECT_EQ(loaded.CardHeight, set.CardHeight);
}

TEST(CardSetFile, EveryFormatRoundTripsPixelForPixelWithEitherBackground) {
    ScratchFolder folder;
    for (const auto& format : {std::tuple{11, 108, 93}, std::tuple{22, 77, 62}, std::tuple{33, 67, 46},
                               std::tuple{51, 54, 37}}) {
        for (const bool withPicture : {false, true}) {
            const auto [count, width, height] = format;
            const CardSetDescription set = SampleSet(count, width, height, withPicture);
            WriteCardSet(folder / "Round.cst", set);
            LoadedCardSet loaded;
            loaded.LoadCardSet(folder.Path(), "Round.cst", CardSetParts::PicturesAndBackground);
            SCOPED_TRACE(std::to_string(count) + (withPicture ? " cards, picture" : " cards, colour"));
            ExpectLoadedAs(loaded, set);
            if (withPicture) {
                EXPECT_EQ(loaded.BackgroundTile.Pixels, set.Background->Pixels);
                EXPECT_EQ(loaded.BackgroundTile.Width, 540);
            } else {
                EXPECT_EQ(loaded.BackgroundTile.Pixels, std::vector<std::uint32_t>(100 * 100, 0x996633u));
            }
        }
    }
}

TEST(CardSetFile, AnnExampleBeginsWithItsPrefixAndTheContainerMagic) {
    ScratchFolder folder;
    CardSetDescription set = SampleSet(11, 50, 50);
    set.Details = {"Ann", "", "http://", "", "English"};
    WriteCardSet(folder / "Ann.cst", set);
    const std::vector<std::uint8_t> bytes = folder.ReadFile("Ann.cst");
    const CardSetPrefix prefix{11, 50, 50, set.Details};
    std::vector<std::uint8_t> expected = EncodeCardSetPrefix(prefix);
    ASSERT_EQ(expected.size(), 49u);
    const auto payloadSize = Int32Bytes(768 + 11 * (4 + 5 + 7500) + 1 + 7 + 4);  // "card10" has 6 bytes
    expected.insert(expected.end(), {0x21, 0x48, 0x5A, 0x4C});
    expected.insert(expected.end(), payloadSize.begin(), payloadSize.end());
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 57), expected);
}

TEST(CardSetFile, PrefixOnlyReadLeavesThePicturesOfTheSetBefore) {
    ScratchFolder folder;
    const CardSetDescription a = SampleSet(11, 40, 30, true);
    CardSetDescription b = SampleSet(22, 20, 20);
    b.Details.Author = "Bob";
    WriteCardSet(folder / "A.cst", a);
    WriteCardSet(folder / "B.cst", b);
    LoadedCardSet loaded;
    loaded.LoadCardSet(folder.Path(), "A.cst", CardSetParts::PicturesAndBackground);
    RecordingProgress progress;
    loaded.LoadCardSet(folder.Path(), "B.cst", CardSetParts::Details, &progress);
    EXPECT_EQ(loaded.LoadedSetFile, "B.cst");
    EXPECT_EQ(loaded.PicturedSetFile, "A.cst");
    EXPECT_EQ(loaded.CardCount, 22);
    EXPECT_EQ(loaded.Author, "Bob");
    EXPECT_EQ(loaded.CardPictures, a.CardPictures);
    EXPECT_EQ(loaded.CardNames, a.CardNames);
    EXPECT_EQ(loaded.CardWidth, 40);
    EXPECT_EQ(loaded.BackgroundTile.Pixels, a.Background->Pixels);
    EXPECT_EQ(progress.shows, 0);
}

TEST(CardSetFile, FullReadWithoutBackgroundKeepsTheBackgroundBefore) {
    ScratchFolder folder;
    const CardSetDescription a = SampleSet(11, 40, 30, true);
    const CardSetDescription b = SampleSet(22, 20, 20);
    WriteCardSet(folder / "A.cst", a);
    WriteCardSet(folder / "B.cst", b);
    LoadedCardSet loaded;
    loaded.GameSetFile = "A.cst";
    loaded.LoadCardSet(folder.Path(), "A.cst", CardSetParts::PicturesAndBackground);
    loaded.LoadCardSet(folder.Path(), "B.cst", CardSetParts::Pictures);
    ExpectLoadedAs(loaded, b);
    EXPECT_EQ(loaded.PicturedSetFile, "B.cst");
    EXPECT_EQ(loaded.GameSetFile, "A.cst");
    EXPECT_EQ(loaded.BackgroundTile.Pixels, a.Background->Pixels);
}

TEST(CardSetFile, ASetListedInAnotherLetterCaseOpens) {
    ScratchFolder folder;
    const CardSetDescription set = SampleSet(11, 10, 10);
    WriteCardSet(folder / "zoo.CST", set);
    const auto sets = ListCardSets(folder.Path());
    ASSERT_EQ(sets, std::vector<std::string>{"zoo"});
    LoadedCardSet loaded;
    loaded.LoadCardSet(folder.Path(), sets[0] + ".cst", CardSetParts::PicturesAndBackground);
    EXPECT_EQ(loaded.LoadedSetFile, "zoo.cst");
    ExpectLoadedAs(loaded, set);
}

TEST(CardSetFile, FullReadShowsProgressStepsPerCardAndCloses) {
    ScratchFolder folder;
    WriteCardSet(folder / "P.cst", SampleSet(51, 10, 10));
    RecordingProgress progress;
    LoadedCardSet loaded;
    loaded.LoadCardSet(folder.Path(), "P.cst", CardSetParts::PicturesAndBackground, &progress);
    EXPECT_EQ(progress.shows, 1);
    EXPECT_EQ(progress.closes, 1);
    ASSERT_EQ(progress.positions.size(), 51u);
    EXPECT_EQ(progress.positions.back(), 51 * 19);
    EXPECT_GT(progress.eventPumps, 0);
}

TEST(CardSetFile, AMissingFileChangesNothing) {
    ScratchFolder folder;
    LoadedCardSet loaded;
    loaded.LoadedSetFile = "Old.cst";
    try {
        loaded.LoadCardSet(folder.Path(), "Gone.cst", CardSetParts::PicturesAndBackground);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError& e) {
        // The set is named as the user knows it, without the folder.
        EXPECT_STREQ(e.what(), "Cannot open file Gone.cst");
    }
    EXPECT_EQ(loaded.LoadedSetFile, "Old.cst");
}

// A set loaded in full, to see that a failed read leaves every field of it in place.
struct LoadedBefore {
    ScratchFolder folder;
    LoadedCardSet loaded;
    std::vector<std::uint8_t> good;  // a whole, healthy set file to damage

    LoadedBefore() {
        WriteCardSet(folder / "Before.cst", SampleSet(11, 12, 9, true));
        loaded.LoadCardSet(folder.Path(), "Before.cst", CardSetParts::PicturesAndBackground);
        loaded.GameSetFile = "Before.cst";
        WriteCardSet(folder / "Good.cst", SampleSet(22, 6, 5));
        good = folder.ReadFile("Good.cst");
    }

    // Loads bytes as "Bad.cst" every way a caller can and expects the error and no change.
    void ExpectRefused(const std::vector<std::uint8_t>& bytes, const std::string& label, bool prefixIsBad) {
        folder.WriteFile("Bad.cst", bytes);
        const LoadedCardSet before = loaded;
        for (const CardSetParts parts : {CardSetParts::PicturesAndBackground, CardSetParts::Details}) {
            if (parts == CardSetParts::Details && !prefixIsBad) continue;
            RecordingProgress progress;
            try {
                loaded.LoadCardSet(folder.Path(), "Bad.cst", parts, &progress);
                ADD_FAILURE() << label << ": loaded";
            } catch (const ECardSetError& e) {
                EXPECT_NE(std::string(e.what()).find("Bad.cst"), std::string::npos) << label << ": " << e.what();
            }
            EXPECT_TRUE(loaded == before) << label;
            EXPECT_EQ(progress.shows, progress.closes) << label;
        }
    }
};

std::vector<std::uint8_t> Patched(std::vector<std::uint8_t> bytes, std::size_t offset, std::int32_t value) {
    std::memcpy(bytes.data() + offset, Int32Bytes(value).data(), 4);
    return bytes;
}

TEST(CardSetFile, ACutFileIsRefusedAndTheSetBeforeStays) {
    LoadedBefore f;
    const std::size_t prefixSize = 12 + 5 * 4 + 3 + 15 + 7 + 18 + 7;
    // Every cut in the prefix, the container header and the last bytes; a sample in between.
    const auto nextCut = [&](std::size_t length) {
        const bool dense = length < prefixSize + 16 || length + 64 >= f.good.size();
        return length + (dense ? 1 : 97);
    };
    for (std::size_t length = 0; length < f.good.size(); length = nextCut(length)) {
        const std::vector<std::uint8_t> cut(f.good.begin(), f.good.begin() + length);
        f.ExpectRefused(cut, "cut at " + std::to_string(length), length < prefixSize);
    }
}

TEST(CardSetFile, AContainerErrorKeepsItsTextWholeWithTheFileNameOnTheNextLine) {
    LoadedBefore f;
    std::vector<std::uint8_t> bytes = f.good;
    const std::string magic = "!HZL";
    const auto at = std::search(bytes.begin(), bytes.end(), magic.begin(), magic.end());
    ASSERT_NE(at, bytes.end());
    *at = 'X';
    f.folder.WriteFile("Bad.cst", bytes);
    try {
        f.loaded.LoadCardSet(f.folder.Path(), "Bad.cst", CardSetParts::PicturesAndBackground);
        FAIL() << "loaded a container without its magic";
    } catch (const ECardSetError& e) {
        EXPECT_STREQ(e.what(), "Lzrw1 decompression : input stream contains no valid header !\nBad.cst");
    }
    EXPECT_EQ(f.loaded.PicturedSetFile, "Before.cst");
}

TEST(CardSetFile, WholeSetsOfManySizesAreNeverTakenForCutOnes) {
    ScratchFolder folder;
    for (std::int32_t side = 1; side <= 37; side += 2) {
        CardSetDescription set = SampleSet(51, side, 38 - side);
        set.CardNames[static_cast<std::size_t>(side)] = std::string(static_cast<std::size_t>(side * 13), 'n');
        WriteCardSet(folder / "Size.cst", set);
        LoadedCardSet loaded;
        EXPECT_NO_THROW(loaded.LoadCardSet(folder.Path(), "Size.cst", CardSetParts::PicturesAndBackground)) << side;
        EXPECT_EQ(loaded.CardPictures, set.CardPictures) << side;
    }
}

TEST(CardSetFile, AContainerInTheFastModeIsReadToo) {
    ScratchFolder folder;
    const CardSetDescription set = SampleSet(11, 30, 20, true);
    const CardSetPrefix prefix{11, 30, 20, set.Details};
    ProgressSession none(nullptr);
    MemoryStream payload(BuildCardSetPayload(set, none));
    const auto prefixBytes = EncodeCardSetPrefix(prefix);
    {
        FileStream file(folder / "Fast.cst", FileStream::Mode::Create);
        file.WriteBuffer(prefixBytes.data(), static_cast<std::int64_t>(prefixBytes.size()));
        Tlzrw1 lzrw;
        lzrw.UseStream = true;
        lzrw.CompressMode = TCompressMode::Fast;
        lzrw.InputStream = &payload;
        lzrw.OutputStream = &file;
        lzrw.Compress();
    }
    ASSERT_EQ(folder.ReadFile("Fast.cst")[prefixBytes.size()], 'W');  // magic "WRZL"
    LoadedCardSet loaded;
    loaded.LoadCardSet(folder.Path(), "Fast.cst", CardSetParts::PicturesAndBackground);
    ExpectLoadedAs(loaded, set);
}

TEST(CardSetFile, HostileNumbersAreRefusedAndTheSetBeforeStays) {
    LoadedBefore f;
    const std::size_t prefixSize = 12 + 5 * 4 + 3 + 15 + 7 + 18 + 7;
    const std::size_t sizeField = prefixSize + 4;
    f.ExpectRefused(Patched(f.good, 0, -22), "negative count", true);
    f.ExpectRefused(Patched(f.good, 0, 1000000), "huge count", true);
    f.ExpectRefused(Patched(f.good, 4, 100000), "huge width", true);
    f.ExpectRefused(Patched(f.good, 8, 0), "zero height", true);
    f.ExpectRefused(Patched(f.good, 12, -1), "negative author length", true);
    f.ExpectRefused(Patched(f.good, 12, 0x7FFFFFFF), "huge author length", true);
    f.ExpectRefused(Patched(f.good, sizeField, -1), "negative payload size", false);
    f.ExpectRefused(Patched(f.good, sizeField, 0x7FFFFFFF), "huge payload size", false);
    f.ExpectRefused(Patched(f.good, sizeField, 768), "payload shorter than its cards", false);
    f.ExpectRefused(Patched(f.good, sizeField, 3 * 1024 * 1024), "payload larger than the file can code", false);
    f.ExpectRefused(Patched(f.good, prefixSize, 0x12345678), "no container magic", false);
    std::vector<std::uint8_t> noise = f.good;
    for (std::size_t i = prefixSize + 8; i < noise.size(); ++i) noise[i] = static_cast<std::uint8_t>(i * 131);
    f.ExpectRefused(noise, "noise in the container", false);
}

TEST(CardSetWriter, ReplacesASetWholeAndLeavesNoTemporaryFile) {
    ScratchFolder folder;
    WriteCardSet(folder / "Set.cst", SampleSet(11, 10, 10));
    const CardSetDescription replacement = SampleSet(33, 20, 20, true);
    RecordingProgress progress;
    WriteCardSet(folder / "Set.cst", replacement, &progress);
    EXPECT_EQ(progress.shows, 1);
    EXPECT_EQ(progress.closes, 1);
    EXPECT_EQ(progress.positions.size(), 33u);
    EXPECT_FALSE(std::filesystem::exists(TemporaryCardSetPath(folder / "Set.cst")));
    LoadedCardSet loaded;
    loaded.LoadCardSet(folder.Path(), "Set.cst", CardSetParts::PicturesAndBackground);
    ExpectLoadedAs(loaded, replacement);
}

TEST(CardSetWriter, AFailedWriteLeavesTheOldSetWhole) {
    ScratchFolder folder;
    WriteCardSet(folder / "Set.cst", SampleSet(11, 10, 10));
    const std::vector<std::uint8_t> old = folder.ReadFile("Set.cst");
    std::filesystem::create_directory(TemporaryCardSetPath(folder / "Set.cst"));  // blocks the temporary file
    try {
        WriteCardSet(folder / "Set.cst", SampleSet(22, 10, 10));
        FAIL() << "wrote through a blocked temporary file";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + (folder / "Set.cst").string());
    }
    EXPECT_EQ(folder.ReadFile("Set.cst"), old);
}

TEST(CardSetWriter, AWriteThatRunsOutOfDiskLeavesTheOldSetWholeAndNoTemporaryFile) {
    ScratchFolder folder;
    WriteCardSet(folder / "Set.cst", SampleSet(11, 10, 10));
    const std::vector<std::uint8_t> old = folder.ReadFile("Set.cst");
    RecordingProgress progress;
    try {
        const FileSizeLimit limit(20000);
        WriteCardSet(folder / "Set.cst", SampleSet(51, 54, 37, true), &progress);
        ADD_FAILURE() << "wrote past the file size limit";
    } catch (const ECardSetError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot write card set Set.cst: ", 0), 0u) << e.what();
    }
    EXPECT_EQ(folder.ReadFile("Set.cst"), old);
    EXPECT_FALSE(std::filesystem::exists(TemporaryCardSetPath(folder / "Set.cst")));
    EXPECT_EQ(progress.shows, progress.closes);
}

TEST(CardSetWriter, RefusesWhatDoesNotMakeASet) {
    ScratchFolder folder;
    const auto refused = [&](CardSetDescription set, const std::string& expected) {
        try {
            WriteCardSet(folder / "No.cst", set);
            ADD_FAILURE() << "wrote: " << expected;
        } catch (const ECardSetError& e) {
            EXPECT_NE(std::string(e.what()).find("Cannot write card set No.cst: " + expected), std::string::npos)
                << e.what();
        }
        EXPECT_FALSE(std::filesystem::exists(folder / "No.cst"));
    };
    refused(SampleSet(12, 10, 10), "12 cards of 10 x 10 pixels");
    refused(SampleSet(11, 109, 10), "11 cards of 109 x 10 pixels");
    CardSetDescription longName = SampleSet(11, 10, 10);
    longName.CardNames[3] = std::string(501, 'x');
    refused(longName, "the name of card 3 is longer than 500 bytes");
    CardSetDescription longNotes = SampleSet(11, 10, 10);
    longNotes.Details.Notes = std::string(501, 'x');
    refused(longNotes, "the notes text is longer than 500 bytes");
    CardSetDescription zeroInName = SampleSet(11, 10, 10);
    zeroInName.CardNames[2] = std::string("ab\0cd", 5);
    refused(zeroInName, "the name of card 2 holds a zero byte");
    CardSetDescription zeroInAuthor = SampleSet(11, 10, 10);
    zeroInAuthor.Details.Author.push_back('\0');
    refused(zeroInAuthor, "the author holds a zero byte");
    CardSetDescription wrongPicture = SampleSet(11, 10, 10);
    wrongPicture.CardPictures[5] = Picture(10, 11);
    refused(wrongPicture, "the picture of card 5 is not 10 x 10 pixels");
    CardSetDescription missingName = SampleSet(11, 10, 10);
    missingName.CardNames.pop_back();
    refused(missingName, "there are 11 cards but 10 card names");
    CardSetDescription emptyBackground = SampleSet(11, 10, 10);
    emptyBackground.Background = Picture();
    refused(emptyBackground, "the background picture is not");
}

}  // namespace
}  // namespace velmora
