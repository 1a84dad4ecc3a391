// A player library whose end holds part of a record, as a cut-short copy or an interrupted write
// leaves it: at start-up the damaged file is kept aside and the whole records are written back.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "players/LibraryRepair.h"
#include "players/PlayerLibrary.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tools/support/TempFolder.h"

namespace velmora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class LibraryRepairTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Ann", "Bob", "Cid"}) {
            ASSERT_EQ(library.AppendPlayer({name, "", false, true, 5}), "");
        }
        whole = ReadBytes(File());
    }
    std::filesystem::path File() const { return folder.Path() / "velmora.dat"; }
    // The file cut to its first bytes.
    std::vector<std::uint8_t> CutTo(std::size_t bytes) {
        std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(bytes));
        WriteBytes(File(), cut);
        return cut;
    }
    std::vector<std::string> Names() {
        std::vector<std::string> lines;
        PlayerLibrary reader(folder.Path());
        reader.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
        return lines;
    }

    TempFolder folder;
    PlayerLibrary library{folder.Path()};
    std::vector<std::uint8_t> whole;
};

TEST_F(LibraryRepairTest, AFileCutInsideARecordKeepsItsWholeRecordsAndTheDamagedCopy) {
    const auto damaged = CutTo(2 * 152 + 40);
    PlayerLibrary startUp(folder.Path());
    const std::optional<LibraryRepair> repair = startUp.LoadAtStartUp();
    ASSERT_TRUE(repair.has_value());
    EXPECT_EQ(repair->PlayersKept, 2);
    EXPECT_EQ(repair->DamagedCopy, "velmora.dat.damaged");
    EXPECT_EQ(ReadBytes(folder.Path() / "velmora.dat.damaged"), damaged);
    EXPECT_EQ(ReadBytes(File()), std::vector<std::uint8_t>(whole.begin(), whole.begin() + 2 * 152));
    EXPECT_EQ(startUp.LibraryCount(), 2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(LibraryRepairMessage(*repair),
              "The player library velmora.dat was damaged: it ended in part of a player record. 2 players were "
              "kept. The damaged file was kept as velmora.dat.damaged.");

    // Later operations find a whole file.
    EXPECT_EQ(startUp.AppendPlayer({"Zed", "", false, true, 5}), "");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Ann", "Bob", "Zed"}));
    EXPECT_FALSE(PlayerLibrary(folder.Path()).LoadAtStartUp().has_value());
}

TEST_F(LibraryRepairTest, ACutInTheFirstRecordLeavesAnEmptyLibraryThatTakesNewPlayers) {
    const auto damaged = CutTo(100);
    PlayerLibrary startUp(folder.Path());
    const auto repair = startUp.LoadAtStartUp();
    ASSERT_TRUE(repair.has_value());
    EXPECT_EQ(repair->PlayersKept, 0);
    EXPECT_EQ(std::filesystem::file_size(File()), 0u);
    EXPECT_EQ(ReadBytes(folder.Path() / "velmora.dat.damaged"), damaged);
    EXPECT_NE(LibraryRepairMessage(*repair).find("0 players were kept"), std::string::npos);
    EXPECT_EQ(startUp.AppendPlayer({"Ann", "", false, true, 5}), "");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Ann"}));
}

TEST_F(LibraryRepairTest, EarlierDamagedCopiesAreNeverOverwritten) {
    WriteBytes(folder.Path() / "velmora.dat.damaged", {1, 2, 3});
    WriteBytes(folder.Path() / "velmora.dat.damaged.1", {4, 5});
    const auto damaged = CutTo(152 + 1);
    const auto repair = PlayerLibrary(folder.Path()).LoadAtStartUp();
    ASSERT_TRUE(repair.has_value());
    EXPECT_EQ(repair->PlayersKept, 1);
    EXPECT_EQ(repair->DamagedCopy, "velmora.dat.damaged.2");
    EXPECT_NE(LibraryRepairMessage(*repair).find(" 1 player was kept. "), std::string::npos);
    EXPECT_EQ(ReadBytes(folder.Path() / "velmora.dat.damaged"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(ReadBytes(folder.Path() / "velmora.dat.damaged.1"), (std::vector<std::uint8_t>{4, 5}));
    EXPECT_EQ(ReadBytes(folder.Path() / "velmora.dat.damaged.2"), damaged);
}

TEST_F(LibraryRepairTest, AWholeOrMissingFileIsOnlyRead) {
    struct stat before{};
    ASSERT_EQ(stat(File().c_str(), &before), 0);
    PlayerLibrary startUp(folder.Path());
    EXPECT_FALSE(startUp.LoadAtStartUp().has_value());
    EXPECT_EQ(startUp.LibraryCount(), 3);
    struct stat after{};
    ASSERT_EQ(stat(File().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);  // not replaced by a rewrite
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(ReadBytes(File()), whole);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

    std::filesystem::remove(File());
    EXPECT_FALSE(startUp.LoadAtStartUp().has_value());
    EXPECT_EQ(startUp.LibraryCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(LibraryRepairTest, ADamagedFileInAReadOnlyFolderIsLeftAsItWasAndReported) {
    const auto damaged = CutTo(152 + 20);
    PlayerLibrary startUp(folder.Path());
    const testing::ReadOnlyFolder readOnly(folder.Path());
    if (!readOnly.Refuses()) GTEST_SKIP() << "this user writes into read-only folders";
    try {
        startUp.LoadAtStartUp();
        FAIL() << "the failed repair was not reported";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "File access denied");
    }
    EXPECT_EQ(ReadBytes(File()), damaged);
    EXPECT_EQ(startUp.LibraryCount(), 1);  // the whole records are there to play with
}

}  // namespace
}  // namespace velmora
