#include <gtest/gtest.h>

#include <fstream>

#include "app/CardSetFileType.h"
#include "tools/support/TempFolder.h"

using namespace velmora;

TEST(CardSetFileType, IsWrittenOnceWithItsNameGlobAndIcon) {
    velmora::testing::TempFolder data;
    EXPECT_FALSE(CardSetFileTypeRegistered(data.Path()));
    EXPECT_TRUE(RegisterCardSetFileType(data.Path(), "PNG-1"));
    EXPECT_TRUE(CardSetFileTypeRegistered(data.Path()));
    const std::string entry = velmora::testing::ReadText(CardSetMimeEntry(data.Path()));
    EXPECT_NE(entry.find("<comment>Velmora Card Set File</comment>"), std::string::npos);
    EXPECT_NE(entry.find("<glob pattern=\"*.cst\"/>"), std::string::npos);
    EXPECT_NE(entry.find(kCardSetMimeType), std::string::npos);
    EXPECT_EQ(velmora::testing::ReadText(CardSetIconFile(data.Path())), "PNG-1");

    // Present already: left as it is.
    EXPECT_FALSE(RegisterCardSetFileType(data.Path(), "PNG-2"));
    EXPECT_EQ(velmora::testing::ReadText(CardSetIconFile(data.Path())), "PNG-1");

    // One part missing: written again.
    std::filesystem::remove(CardSetIconFile(data.Path()));
    EXPECT_FALSE(CardSetFileTypeRegistered(data.Path()));
    EXPECT_TRUE(RegisterCardSetFileType(data.Path(), "PNG-3"));
    EXPECT_EQ(velmora::testing::ReadText(CardSetIconFile(data.Path())), "PNG-3");
}

TEST(CardSetFileType, AFolderThatCannotBeWrittenGivesTheError) {
    velmora::testing::TempFolder data;
    const auto blocked = data.Path() / "file";
    std::ofstream(blocked) << "not a folder";
    try {
        RegisterCardSetFileType(blocked, "PNG");
        FAIL() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(std::string(e.what()), "Failed to set data for '" + CardSetMimeEntry(blocked).string() + "'");
    }
}

TEST(CardSetFileType, TheDataFolderFollowsXdgDataHome) {
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string restore = saved ? saved : "";
    setenv("XDG_DATA_HOME", "/tmp/velmora-data", 1);
    EXPECT_EQ(UserDataFolder(), std::filesystem::path("/tmp/velmora-data"));
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    setenv("HOME", getenv("HOME") ? getenv("HOME") : "/root", 1);
    EXPECT_EQ(UserDataFolder(), std::filesystem::path(getenv("HOME")) / ".local" / "share");
    if (saved) setenv("XDG_DATA_HOME", restore.c_str(), 1); else unsetenv("XDG_DATA_HOME");
}
