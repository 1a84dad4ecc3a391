#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "compression/Stream.h"
#include "players/InOutError.h"
#include "players/LibraryFile.h"
#include "players/PlayerLibrary.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tools/support/TempFolder.h"

namespace velmora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class PlayerLibraryTest : public ::testing::Test {
protected:
    void Add(const std::string& name, bool isHuman = true, const std::string& password = "") {
        ASSERT_EQ(library.AppendPlayer({name, password, !password.empty(), isHuman, 5}), "");
    }
    std::vector<std::string> Load(LibraryFilter filter = LibraryFilter::AllPlayers) {
        std::vector<std::string> lines{"stale line"};
        library.LoadPlayerLibrary(lines, filter);
        return lines;
    }
    std::filesystem::path File() const { return folder.Path() / "velmora.dat"; }

    TempFolder folder;
    PlayerLibrary library{folder.Path()};
};

TEST_F(PlayerLibraryTest, MissingAndEmptyFilesAreEmptyLibraries) {
    EXPECT_TRUE(Load().empty());
    EXPECT_EQ(library.LibraryCount(), 0);
    WriteBytes(File(), {});
    EXPECT_TRUE(Load().empty());
    EXPECT_EQ(library.LibraryCount(), 0);
}

TEST_F(PlayerLibraryTest, AppendedPlayersLoadInFileOrderWithTheLinesOfEachFilter) {
    Add("Ann");
    Add("Robo", false);
    Add("Bob", true, "secret");
    EXPECT_EQ(std::filesystem::file_size(File()), 3 * 152u);

    EXPECT_EQ(Load(), (std::vector<std::string>{"Ann", "Robo (computer)", "Bob"}));
    EXPECT_EQ(Load(LibraryFilter::HumansWithoutPassword), (std::vector<std::string>{"Ann"}));
    EXPECT_EQ(Load(LibraryFilter::HumansWithPassword), (std::vector<std::string>{"Bob"}));
    EXPECT_EQ(library.LibraryCount(), 3);
    EXPECT_EQ(library.Player(3).Password.Text(), "secret");
    EXPECT_EQ(library.Player(3).PasswordOn, 1);
    EXPECT_EQ(library.Player(2).IsHuman, 0);
    EXPECT_EQ(library.Player(2).IQ, 5);
}

TEST_F(PlayerLibraryTest, NameInUseIsRefusedWhateverTheLetterCaseAndTheFileStaysAsItWas) {
    Add("Bob");
    const auto before = ReadBytes(File());
    EXPECT_EQ(library.AppendPlayer({"bob", "", false, true, 5}), "Please choose different name.bob is already in use.");
    EXPECT_EQ(ReadBytes(File()), before);
}

TEST_F(PlayerLibraryTest, HundredAndFirstPlayerIsRefusedWithAClearMessage) {
    for (int i = 1; i <= 100; ++i) Add("Player " + std::to_string(i));
    const std::string refusal = library.AppendPlayer({"One too many", "", false, true, 5});
    EXPECT_NE(refusal.find("at most 100 players"), std::string::npos) << refusal;
    EXPECT_EQ(std::filesystem::file_size(File()), 100 * 152u);
}

TEST_F(PlayerLibraryTest, LibraryWrittenElsewhereWithMoreThanHundredPlayersLoadsAndSavesWhole) {
    std::vector<std::uint8_t> bytes;
    for (int i = 1; i <= 130; ++i) {
        const PlayerRecordBytes record = EncodePlayerRecord(MakePlayerRecord("P" + std::to_string(i), "", false, true, 1));
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    WriteBytes(File(), bytes);
    EXPECT_EQ(Load().size(), 130u);
    EXPECT_EQ(library.Player(130).Name.Text(), "P130");
    library.SavePlayerLibrary();
    EXPECT_EQ(ReadBytes(File()), bytes);
}

TEST_F(PlayerLibraryTest, FragmentAtTheEndIsReportedAfterTheWholeRecordsBeforeIt) {
    Add("Ann");
    Add("Bob");
    auto bytes = ReadBytes(File());
    bytes.resize(bytes.size() + 40, 7);
    WriteBytes(File(), bytes);

    std::vector<std::string> lines;
    try {
        library.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
        FAIL() << "the fragment was not reported";
    } catch (const EReadError& error) {
        EXPECT_STREQ(error.what(), "Read beyond end of file");
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(library.LibraryCount(), 2);

    // Adding to a damaged file is refused before anything is written.
    EXPECT_THROW(library.AppendPlayer({"Cid", "", false, true, 5}), EReadError);
    EXPECT_EQ(ReadBytes(File()), bytes);

    library.SavePlayerLibrary();  // only whole records are written back
    EXPECT_EQ(std::filesystem::file_size(File()), 2 * 152u);
}

TEST_F(PlayerLibraryTest, DeletingMovesTheLaterPlayersUpAndRewritesTheFile) {
    Add("Ann");
    Add("Bob");
    Add("Cid");
    Load();
    std::vector<std::string> lines;
    library.DeletePlayer(2, lines, LibraryFilter::AllPlayers);
    EXPECT_EQ(lines, (std::vector<std::string>{"Ann", "Cid"}));
    EXPECT_EQ(std::filesystem::file_size(File()), 2 * 152u);
    EXPECT_THROW(library.DeletePlayer(3, lines, LibraryFilter::AllPlayers), std::out_of_range);
}

TEST_F(PlayerLibraryTest, ADeletionThatCannotBeSavedKeepsThePlayerInTableAndFile) {
    Add("Ann");
    Add("Bob");
    Add("Cid");
    std::vector<std::string> lines = Load();
    const auto bytes = ReadBytes(File());
    {
        testing::FileSizeLimit full(200);
        EXPECT_THROW(library.DeletePlayer(2, lines, LibraryFilter::AllPlayers), EInOutError);
    }
    EXPECT_EQ(ReadBytes(File()), bytes);
    EXPECT_EQ(lines, (std::vector<std::string>{"Ann", "Bob", "Cid"}));
    ASSERT_EQ(library.LibraryCount(), 3);
    EXPECT_EQ(library.Player(2).Name.Text(), "Bob");
    EXPECT_EQ(library.Player(3).Name.Text(), "Cid");
}

TEST_F(PlayerLibraryTest, FindComparesNamesExactlyAndMergeCarriesTheSixCounters) {
    Add("Ann");
    Add("Bob", true, "pw");
    Load();
    EXPECT_EQ(library.FindLibraryPlayer("Bob"), 2);
    EXPECT_EQ(library.FindLibraryPlayer("bob"), 0);
    EXPECT_EQ(library.FindLibraryPlayer("Bo"), 0);

    TPlayerRecord bob = MakePlayerRecord("Bob", "", false, true, 9);  // an older copy without password
    bob.GamePoints = 3;
    bob.TotalFlips = 7;
    bob.SuccessfulFlips = 3;
    bob.GamePairs = 3;
    bob.GamesPlayed = 1;
    bob.GamesWon = 1;
    TPlayerRecord stranger = MakePlayerRecord("Zed", "", false, true, 0);
    stranger.GamesPlayed = 4;
    const std::vector<TPlayerRecord> game{bob, stranger};
    library.MergeGamePlayers(game);

    const TPlayerRecord& merged = library.Player(2);
    EXPECT_EQ(merged.GamePoints, 3);
    EXPECT_EQ(merged.TotalFlips, 7);
    EXPECT_EQ(merged.SuccessfulFlips, 3);
    EXPECT_EQ(merged.GamePairs, 3);
    EXPECT_EQ(merged.GamesPlayed, 1);
    EXPECT_EQ(merged.GamesWon, 1);
    EXPECT_EQ(merged.Password.Text(), "pw");  // the library keeps its own password
    EXPECT_EQ(library.Player(1).GamesPlayed, 0);
    EXPECT_EQ(library.LibraryCount(), 2);
}

TEST_F(PlayerLibraryTest, FailedSaveOnAFullDiskReportsItAndLeavesTheOldFileWhole) {
    Add("Ann");
    Add("Bob");
    Load();
    const auto before = ReadBytes(File());
    library.Player(1).GamesPlayed = 99;
    {
        testing::FileSizeLimit limit(200);  // less than two records
        try {
            library.SavePlayerLibrary();
            FAIL() << "the failed save was not reported";
        } catch (const EInOutError& error) {
            EXPECT_STREQ(error.what(), "Disk full");
        }
    }
    EXPECT_EQ(ReadBytes(File()), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);  // no temporary left
}

TEST_F(PlayerLibraryTest, FailedSaveInAReadOnlyFolderLeavesTheOldFileWhole) {
    Add("Ann");
    Load();
    const auto before = ReadBytes(File());
    const testing::ReadOnlyFolder readOnly(folder.Path());
    if (!readOnly.Refuses()) GTEST_SKIP() << "this user writes into read-only folders";
    try {
        library.SavePlayerLibrary();
        FAIL() << "the failed save was not reported";
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "File access denied");
    }
    EXPECT_EQ(ReadBytes(File()), before);
}

TEST_F(PlayerLibraryTest, AnAppendedPlayerIsInTheTableSoTheNextSaveKeepsIt) {
    Add("Ann");
    Load();
    library.Player(1).GamesPlayed = 3;  // a game end's merge, not yet saved
    Add("Zed", false);
    ASSERT_EQ(library.LibraryCount(), 2);
    EXPECT_EQ(library.FindLibraryPlayer("Zed"), 2);
    EXPECT_EQ(library.Player(2).IsHuman, 0);
    library.SavePlayerLibrary();

    PlayerLibrary reader(folder.Path());
    std::vector<std::string> lines;
    reader.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
    EXPECT_EQ(lines, (std::vector<std::string>{"Ann", "Zed (computer)"}));
}

TEST_F(PlayerLibraryTest, AGameThatCannotBeSavedSaysWhichFileAndWhatWasLost) {
    Add("Ann");
    Add("Bob");
    Load();
    const auto before = ReadBytes(File());
    TPlayerRecord ann = library.Player(1);
    ann.GamesPlayed = 1;
    const std::vector<TPlayerRecord> game{ann};
    const testing::ReadOnlyFolder readOnly(folder.Path());
    if (!readOnly.Refuses()) GTEST_SKIP() << "this user writes into read-only folders";
    try {
        library.SaveGameStatistics(game);
        FAIL() << "the failed save was not reported";
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "File access denied\nCould not write velmora.dat. The statistics of this game were not saved.");
    }
    EXPECT_EQ(ReadBytes(File()), before);
    EXPECT_EQ(library.Player(1).GamesPlayed, 1);  // kept in memory for the next save
}

TEST_F(PlayerLibraryTest, AGameOnAFullDiskNamesTheFileUnderTheDiskFullText) {
    Add("Ann");
    Load();
    TPlayerRecord ann = library.Player(1);
    ann.GamesWon = 1;
    const std::vector<TPlayerRecord> game{ann};
    testing::FileSizeLimit full(100);
    try {
        library.SaveGameStatistics(game);
        FAIL() << "the failed save was not reported";
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "Disk full\nCould not write velmora.dat. The statistics of this game were not saved.");
    }
}

TEST_F(PlayerLibraryTest, FailedAppendLeavesNoPartialRecord) {
    Add("Ann");
    const auto before = ReadBytes(File());
    {
        testing::FileSizeLimit limit(before.size() + 100);
        EXPECT_THROW(library.AppendPlayer({"Bob", "", false, true, 5}), EInOutError);
    }
    EXPECT_EQ(ReadBytes(File()), before);
}

}  // namespace
}  // namespace velmora
