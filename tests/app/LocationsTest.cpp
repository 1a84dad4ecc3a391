// Which mode a program runs in and where each of its files then lives, for programs in a build
// folder, below the prefix they were built for, in an installed tree moved elsewhere, and in a
// read-only folder.
#include <gtest/gtest.h>

#include "app/Locations.h"
#include "tools/support/TempFolder.h"

namespace velmora {
namespace {

using testing::TempFolder;
using testing::WriteText;

class LocationsTest : public ::testing::Test {
protected:
    LocationFacts Facts(const std::filesystem::path& programFolder, bool writable = true) const {
        LocationFacts facts;
        facts.ProgramFolder = programFolder;
        facts.ProgramFolderWritable = writable;
        facts.InstallPrefix = root.Path() / "usr" / "local";
        facts.ConfigHome = root.Path() / "home" / ".config";
        facts.DataHome = root.Path() / "home" / ".local" / "share";
        facts.DataDirs = {root.Path() / "xdg1", root.Path() / "xdg2"};
        return facts;
    }
    // An installed tree: prefix/bin and prefix/share/velmora.
    std::filesystem::path Tree(const std::string& name) const {
        const std::filesystem::path prefix = root.Path() / name;
        std::filesystem::create_directories(prefix / "bin");
        std::filesystem::create_directories(prefix / "share" / "velmora");
        return prefix;
    }

    TempFolder root;
};

TEST_F(LocationsTest, AWritableFolderOutsideAnyInstallationKeepsEverythingBesideTheProgram) {
    const std::filesystem::path build = root.Path() / "build" / "bin";
    std::filesystem::create_directories(build);
    const LocationFacts facts = Facts(build);
    EXPECT_EQ(DecideRunMode(facts), RunMode::Portable);
    const Locations where = DecideLocations(facts);
    EXPECT_EQ(where.SettingsFolder, build);
    EXPECT_EQ(where.LibraryFolder, build);
    EXPECT_EQ(where.SoundFolder, build);
    EXPECT_EQ(where.CardSets.User(), build);
    EXPECT_TRUE(where.CardSets.Shipped().empty());
    // A portable program still tells the desktop about card-set files, in the user's data folder.
    EXPECT_EQ(where.FileTypeFolder, facts.DataHome);
}

TEST_F(LocationsTest, BelowTheBuiltForPrefixOrInAReadOnlyFolderTheProgramIsInstalled) {
    const std::filesystem::path underPrefix = root.Path() / "usr" / "local" / "games" / "velmora";
    std::filesystem::create_directories(underPrefix);
    EXPECT_EQ(DecideRunMode(Facts(underPrefix)), RunMode::Installed);
    LocationFacts trailing = Facts(underPrefix);
    trailing.InstallPrefix += "/";
    EXPECT_EQ(DecideRunMode(trailing), RunMode::Installed);
    // A folder whose name merely begins like the prefix is not below it.
    const std::filesystem::path beside = root.Path() / "usr" / "local-copy";
    std::filesystem::create_directories(beside);
    EXPECT_EQ(DecideRunMode(Facts(beside)), RunMode::Portable);
    EXPECT_EQ(DecideRunMode(Facts(beside, false)), RunMode::Installed);
}

TEST_F(LocationsTest, TheMarkerFileKeepsAProgramPortableWhereverItLies) {
    const std::filesystem::path prefix = Tree("usr/local");
    WriteText(prefix / "bin" / kPortableMarker, "");
    EXPECT_EQ(DecideRunMode(Facts(prefix / "bin", false)), RunMode::Portable);
    EXPECT_EQ(DecideLocations(Facts(prefix / "bin", false)).SettingsFolder, prefix / "bin");
}

TEST_F(LocationsTest, AnInstalledProgramKeepsTheUsersFilesInTheXdgFolders) {
    const Locations where = DecideLocations(Facts(Tree("usr/local") / "bin", false));
    EXPECT_EQ(where.Mode, RunMode::Installed);
    EXPECT_EQ(where.SettingsFolder, root.Path() / "home" / ".config" / "velmora");
    EXPECT_EQ(where.LibraryFolder, root.Path() / "home" / ".local" / "share" / "velmora");
    EXPECT_EQ(where.CardSets.User(), root.Path() / "home" / ".local" / "share" / "velmora" / "cardsets");
    EXPECT_TRUE(where.FileTypeFolder.empty());
    const std::vector<std::filesystem::path> written = where.WrittenFolders();
    EXPECT_EQ(written.size(), 3u);
}

TEST_F(LocationsTest, AMovedTreeReadsItsOwnDataFolderFirstThenXdgDataDirs) {
    // Writable and far from the built-for prefix, as a package unpacked into another root is.
    const std::filesystem::path prefix = Tree("unpacked/usr");
    const Locations where = DecideLocations(Facts(prefix / "bin"));
    EXPECT_EQ(where.Mode, RunMode::Installed);
    const std::vector<std::filesystem::path> expected{prefix / "share" / "velmora", root.Path() / "xdg1" / "velmora",
                                                      root.Path() / "xdg2" / "velmora"};
    EXPECT_EQ(where.CardSets.Shipped(), expected);
    // The bin folder must be the tree's: a program elsewhere in it is not the installed one.
    std::filesystem::create_directories(prefix / "lib");
    EXPECT_EQ(DecideRunMode(Facts(prefix / "lib")), RunMode::Portable);
}

TEST_F(LocationsTest, SoundsComeFromTheFirstShippedFolderThatHasThem) {
    const std::filesystem::path prefix = Tree("opt/velmora");
    std::filesystem::create_directories(root.Path() / "xdg2" / "velmora");
    WriteText(root.Path() / "xdg2" / "velmora" / "sound1.wav", "RIFF");
    EXPECT_EQ(DecideLocations(Facts(prefix / "bin")).SoundFolder, root.Path() / "xdg2" / "velmora");
    WriteText(prefix / "share" / "velmora" / "sound1.wav", "RIFF");
    EXPECT_EQ(DecideLocations(Facts(prefix / "bin")).SoundFolder, prefix / "share" / "velmora");
}

TEST_F(LocationsTest, AReadOnlyCopyOutsideAnyTreeStillReadsTheSetsBesideIt) {
    const std::filesystem::path stick = root.Path() / "media" / "stick";
    std::filesystem::create_directories(stick);
    const Locations where = DecideLocations(Facts(stick, false));
    ASSERT_FALSE(where.CardSets.Shipped().empty());
    EXPECT_EQ(where.CardSets.Shipped().front(), stick);
    EXPECT_NE(where.CardSets.User(), stick);
}

TEST_F(LocationsTest, MakingTheWrittenFoldersMakesEachOfThem) {
    const Locations where = DecideLocations(Facts(Tree("usr/local") / "bin", false));
    MakeWrittenFolders(where);
    for (const auto& folder : where.WrittenFolders()) EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
}

}  // namespace
}  // namespace velmora
