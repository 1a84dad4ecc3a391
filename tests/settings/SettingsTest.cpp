#include <gtest/gtest.h>

#include <fstream>

#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "tools/support/TempFolder.h"

using namespace velmora;

TEST(Settings, MissingFileGivesTheDefaultsAndTheFirstWriteHoldsAllFourKeys) {
    velmora::testing::TempFolder folder;
    const Settings settings = Settings::Read(folder.Path());
    EXPECT_EQ(settings.FlipDelay, 20);
    EXPECT_TRUE(settings.SoundOn);
    EXPECT_EQ(settings.LastSet, "Default");
    EXPECT_EQ(settings.LastFormat, 1);

    settings.Write(folder.Path());
    EXPECT_EQ(velmora::testing::ReadText(folder.Path() / "velmora.ini"),
              "[inivalues]\r\nFlipDelay=20\r\nSoundOn=1\r\nLastSet=Default\r\nLastFormat=1\r\n");
}

TEST(Settings, RoundTripKeepsEveryValue) {
    velmora::testing::TempFolder folder;
    Settings written;
    written.FlipDelay = 32;
    written.SoundOn = false;
    written.LastSet = "Caf\xE9 Animals";
    written.LastFormat = 3;
    written.Write(folder.Path());
    const Settings read = Settings::Read(folder.Path());
    EXPECT_EQ(read.FlipDelay, 32);
    EXPECT_FALSE(read.SoundOn);
    EXPECT_EQ(read.LastSet, "Caf\xE9 Animals");
    EXPECT_EQ(read.LastFormat, 3);
}

// Set names with blanks at either end, or in quotes, used to come back trimmed or unquoted, so the
// New Game dialog could no longer find the set last played.
TEST(Settings, SetNamesWithOuterBlanksOrQuotesReadBackAsWritten) {
    velmora::testing::TempFolder folder;
    for (const std::string name : {" Padded ", "\tTabbed", "'Quoted'", "\"Both\"", "\"", "'", "Trailing\r", "\"'"}) {
        Settings written;
        written.LastSet = name;
        written.Write(folder.Path());
        EXPECT_EQ(Settings::Read(folder.Path()).LastSet, name);
    }
    Settings plain;
    plain.LastSet = "It's \"mine\"";
    plain.Write(folder.Path());
    EXPECT_NE(velmora::testing::ReadText(folder.Path() / "velmora.ini").find("\r\nLastSet=It's \"mine\"\r\n"),
              std::string::npos);
}

TEST(Settings, BadValuesReadAsDefaultsAndAFlipDelayNotOfferedAsNormal) {
    velmora::testing::TempFolder folder;
    velmora::testing::WriteText(folder.Path() / "velmora.ini",
              "[InIvAlUeS]\nflipdelay = 7\nSoundOn=0\nLastSet=\nLastFormat=12abc\n");
    Settings settings = Settings::Read(folder.Path());
    EXPECT_EQ(settings.FlipDelay, 20);
    EXPECT_FALSE(settings.SoundOn);
    EXPECT_EQ(settings.LastSet, "");
    EXPECT_EQ(settings.LastFormat, 1);

    velmora::testing::WriteText(folder.Path() / "velmora.ini", "[inivalues]\nFlipDelay=99999999999\nSoundOn=yes\nLastFormat=7\n");
    settings = Settings::Read(folder.Path());
    EXPECT_EQ(settings.FlipDelay, 20);
    EXPECT_TRUE(settings.SoundOn);  // not a number: the default
    EXPECT_EQ(settings.LastFormat, 1);  // no such format

    velmora::testing::WriteText(folder.Path() / "velmora.ini", "[inivalues]\nFlipDelay=+5\nSoundOn=-3\nLastFormat=0\n");
    settings = Settings::Read(folder.Path());
    EXPECT_EQ(settings.FlipDelay, 5);
    EXPECT_TRUE(settings.SoundOn);
    EXPECT_EQ(settings.LastFormat, 0);
}

TEST(Settings, WriteKeepsOtherSectionsKeysAndComments) {
    velmora::testing::TempFolder folder;
    velmora::testing::WriteText(folder.Path() / "velmora.ini",
              "; my notes\r\n[window]\r\nleft=10\r\n\r\n[inivalues]\r\nFlipDelay=5\r\nTheme=dark\r\n\r\n[more]\r\nx=1\r\n");
    Settings settings = Settings::Read(folder.Path());
    EXPECT_EQ(settings.FlipDelay, 5);
    settings.FlipDelay = 25;
    settings.Write(folder.Path());
    EXPECT_EQ(velmora::testing::ReadText(folder.Path() / "velmora.ini"),
              "; my notes\r\n[window]\r\nleft=10\r\n\r\n[inivalues]\r\nFlipDelay=25\r\nTheme=dark\r\n"
              "SoundOn=1\r\nLastSet=Default\r\nLastFormat=1\r\n\r\n[more]\r\nx=1\r\n");
}

TEST(Settings, AFailedWriteRaisesTheErrorAndLeavesNoTemporaryFile) {
    velmora::testing::TempFolder folder;
    // A folder in the settings file's place cannot be replaced by a file.
    std::filesystem::create_directories(folder.Path() / "velmora.ini" / "keep");
    const Settings settings = Settings::Read(folder.Path());
    EXPECT_EQ(settings.FlipDelay, 20);
    try {
        settings.Write(folder.Path());
        FAIL() << "the write did not fail";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + (folder.Path() / "velmora.ini").string());
    }
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "velmora.ini" / "keep"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "velmora.ini.tmp"));

    EXPECT_THROW(settings.Write(folder.Path() / "no" / "such" / "folder"), EIniFileException);
}

TEST(IniFile, ReadsQuotedValuesAndIgnoresCommentsAndStrayLines) {
    velmora::testing::TempFolder folder;
    const auto path = folder.Path() / "a.ini";
    velmora::testing::WriteText(path, "key=outside\n[s]\n;key=commented\nnot a pair\nkey = \"spaced value\" \n[t]\nkey=other\n");
    const IniFile ini(path);
    EXPECT_EQ(ini.ReadString("s", "key", "?"), "spaced value");
    EXPECT_EQ(ini.ReadString("t", "KEY", "?"), "other");
    EXPECT_EQ(ini.ReadString("u", "key", "?"), "?");
    EXPECT_EQ(ini.ReadInteger("s", "key", 4), 4);
}
