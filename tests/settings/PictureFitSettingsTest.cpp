#include <gtest/gtest.h>

#include "settings/PictureFitSettings.h"
#include "settings/Settings.h"
#include "tools/support/TempFolder.h"

using namespace velmora;
using velmora::testing::ReadText;
using velmora::testing::TempFolder;

TEST(PictureFitSettings, DefaultToCroppingAndLiveBesideTheGameSettings) {
    TempFolder folder;
    const PictureFitSettings defaults = PictureFitSettings::Read(folder.Path());
    EXPECT_TRUE(defaults.FitOn);
    EXPECT_EQ(defaults.Mode, FitMode::Crop);
    EXPECT_FALSE(defaults.SizeFromFirstPicture);
    EXPECT_EQ(defaults.Effective(), FitMode::Crop);

    Settings{}.Write(folder.Path());
    PictureFitSettings changed;
    changed.FitOn = false;
    changed.Mode = FitMode::Fit;
    changed.SizeFromFirstPicture = true;
    changed.Write(folder.Path());
    Settings{}.Write(folder.Path());  // the main window's write keeps the section
    EXPECT_EQ(ReadText(folder.Path() / "velmora.ini"),
              "[inivalues]\r\nFlipDelay=20\r\nSoundOn=1\r\nLastSet=Default\r\nLastFormat=1\r\n"
              "\r\n[picturefit]\r\nFitPictures=0\r\nMode=fit\r\nSizeFromFirstPicture=1\r\n");
    const PictureFitSettings read = PictureFitSettings::Read(folder.Path());
    EXPECT_EQ(read, changed);
    EXPECT_EQ(read.Effective(), FitMode::Exact);
}

TEST(PictureFitSettings, AnUnknownModeReadsAsCrop) {
    TempFolder folder;
    velmora::testing::WriteText(folder.Path() / "velmora.ini", "[picturefit]\r\nMode=exact\r\nFitPictures=x\r\n");
    const PictureFitSettings read = PictureFitSettings::Read(folder.Path());
    EXPECT_EQ(read.Mode, FitMode::Crop);
    EXPECT_TRUE(read.FitOn);
}
