#include <gtest/gtest.h>

#include "app/ViewSettings.h"
#include "app/Zoom.h"
#include "settings/Settings.h"
#include "tools/support/TempFolder.h"

using namespace velmora;
using velmora::testing::ReadText;
using velmora::testing::TempFolder;
using velmora::testing::WriteText;

namespace {

constexpr Extent kMenuBar{0, 25};

// Scales of every fixed zoom and of Fit in rooms of odd sizes, both width- and height-bound.
std::vector<Scale> ScalesInUse() {
    std::vector<Scale> scales;
    for (const Zoom zoom : kFixedZooms) scales.push_back(FixedScale(zoom));
    for (const Extent room : {Extent{1001, 777}, Extent{1600, 975}, Extent{1920, 1055}, Extent{733, 2001}})
        scales.push_back(FitScale(room));
    scales.push_back(Scale(3, 1).Times(Scale::FromRatio(1.5)));
    return scales;
}

}  // namespace

TEST(Zoom, EveryZoomedPixelBelongsToTheOneBoardPixelWhoseZoomedSpanHoldsIt) {
    for (const Scale& scale : ScalesInUse()) {
        ASSERT_GE(scale.Factor(), 1.0);
        for (int p = -5; p < scale.Map(700); ++p) {
            const int x = scale.Unmap(p);
            ASSERT_LE(scale.Map(x), p) << scale.Num() << "/" << scale.Den() << " at " << p;
            ASSERT_GT(scale.Map(x + 1), p) << scale.Num() << "/" << scale.Den() << " at " << p;
        }
        // Neighbouring rectangles stay edge to edge: no pixel between two cards, none shared.
        const ZoomRect left = scale.Map(ZoomRect{20, 7, 54, 37});
        const ZoomRect right = scale.Map(ZoomRect{74, 44, 54, 37});
        EXPECT_EQ(left.X + left.Width, right.X);
        EXPECT_EQ(left.Y + left.Height, right.Y);
    }
    EXPECT_EQ(Scale(2, 1).Map(ZoomRect{20, 7, 54, 37}), (ZoomRect{40, 14, 108, 74}));
    EXPECT_EQ(Scale().Map(ZoomRect{20, 7, 54, 37}), (ZoomRect{20, 7, 54, 37}));
}

TEST(Zoom, FitTakesTheLargestScaleThatKeepsTheAspectAndNeverGoesBelowTheNormalSize) {
    for (const Extent room : {Extent{1001, 777}, Extent{1600, 975}, Extent{1920, 1055}, Extent{733, 2001}}) {
        const Scale fit = FitScale(room);
        const Extent shown = fit.Map(kClientExtent);
        EXPECT_LE(shown.Width, room.Width);
        EXPECT_LE(shown.Height, room.Height);
        // One side fills the room; the other keeps the aspect to within the rounding of a pixel.
        EXPECT_TRUE(shown.Width == room.Width || shown.Height == room.Height) << room.Width << "x" << room.Height;
        EXPECT_NEAR(static_cast<double>(shown.Width) / shown.Height, 651.0 / 398.0, 0.004);
    }
    EXPECT_TRUE(FitScale({640, 480}).IsOne());
    EXPECT_TRUE(FitScale({2000, 397}).IsOne());
    EXPECT_EQ(FitScale({1302, 2000}), Scale(2, 1));

    // A fixed zoom is kept while the room holds it and shrinks (never grows) to the room otherwise.
    EXPECT_EQ(ShownScale(Zoom::Percent200, {1600, 1000}), Scale(2, 1));
    EXPECT_EQ(ShownScale(Zoom::Percent300, {1600, 1000}), FitScale({1600, 1000}));
    EXPECT_EQ(ShownScale(Zoom::Fit, {1600, 1000}), FitScale({1600, 1000}));
    EXPECT_TRUE(ShownScale(Zoom::Percent100, {1600, 1000}).IsOne());
    // 150 % of 651 is 976 pixels: that room holds the zoom, though 976 / 651 is a hair under 3 / 2.
    EXPECT_EQ(ZoomedRoom(Zoom::Percent150), (Extent{976, 597}));
    EXPECT_EQ(ShownScale(Zoom::Percent150, {976, 597}), Scale(3, 2));
    EXPECT_EQ(ShownScale(Zoom::Percent150, {975, 597}), FitScale({975, 597}));
}

TEST(Zoom, TheFirstStartTakesTheLargestZoomWhoseWindowFitsIn85PercentOfTheScreen) {
    EXPECT_EQ(FirstStartZoom({800, 600}, kMenuBar), Zoom::Percent100);
    EXPECT_EQ(FirstStartZoom({1280, 1024}, kMenuBar), Zoom::Percent150);
    EXPECT_EQ(FirstStartZoom({1920, 1050}, kMenuBar), Zoom::Percent200);
    EXPECT_EQ(FirstStartZoom({3840, 2100}, kMenuBar), Zoom::Percent300);
    // 300 % asks for 1953 x 1219: 85 % of 2298 x 1435 holds it, one pixel less does not.
    EXPECT_EQ(FirstStartZoom({2298, 1435}, kMenuBar), Zoom::Percent300);
    EXPECT_EQ(FirstStartZoom({2297, 1435}, kMenuBar), Zoom::Percent200);
    EXPECT_EQ(FirstStartZoom({2298, 1434}, kMenuBar), Zoom::Percent200);
    EXPECT_EQ(FirstStartZoom({300, 200}, kMenuBar), Zoom::Percent100);
}

TEST(ViewSettings, RoundTripInASectionOfItsOwnLeavingTheGameSettingsAsTheyWere) {
    TempFolder folder;
    Settings{}.Write(folder.Path());
    const std::string gameSettings = ReadText(folder.Path() / "velmora.ini");
    for (const Zoom zoom : {Zoom::Percent100, Zoom::Percent150, Zoom::Percent200, Zoom::Percent300, Zoom::Fit}) {
        const ViewSettings written{zoom, {1003, 611}, zoom == Zoom::Fit};
        written.Write(folder.Path());
        EXPECT_EQ(ViewSettings::Read(folder.Path()), written);
    }
    Settings{}.Write(folder.Path());  // the game settings' write keeps the section
    EXPECT_EQ(ReadText(folder.Path() / "velmora.ini"),
              gameSettings + "\r\n[view]\r\nZoom=fit\r\nWidth=1003\r\nHeight=611\r\nFullScreen=1\r\n");
    EXPECT_EQ(Settings::Read(folder.Path()).FlipDelay, 20);

    TempFolder empty;
    EXPECT_EQ(ViewSettings::Read(empty.Path()), ViewSettings{});
}

TEST(ViewSettings, DamagedOrAbsurdValuesFallBackToTheFirstStartRule) {
    const Extent screen{1920, 1050};
    const ViewState firstStart{Zoom::Percent200, {1302, 796}, false};
    EXPECT_EQ(ResolveView({}, screen, kMenuBar), firstStart);

    TempFolder folder;
    WriteText(folder.Path() / "velmora.ini", "[view]\r\nZoom=0\r\nWidth=abc\r\nHeight=-4\r\nFullScreen=x\r\n");
    const ViewSettings damaged = ViewSettings::Read(folder.Path());
    EXPECT_FALSE(damaged.ZoomChoice.has_value());
    EXPECT_EQ(ResolveView(damaged, screen, kMenuBar), firstStart);

    // A window larger than the screen, and one smaller than the 100 % window.
    EXPECT_EQ(ResolveView({Zoom::Percent100, {5000, 4000}, false}, screen, kMenuBar), firstStart);
    EXPECT_EQ(ResolveView({Zoom::Percent150, {100, 100}, true}, screen, kMenuBar),
              (ViewState{Zoom::Percent200, {1302, 796}, true}));
    // The menu bar does not fit on top of a room of the screen's whole height.
    EXPECT_EQ(ResolveView({Zoom::Fit, {1920, 1050}, false}, screen, kMenuBar), firstStart);
    // A zoom that no longer fits the screen (a smaller one than last time).
    EXPECT_EQ(ResolveView({Zoom::Percent300, {1953, 1194}, false}, screen, kMenuBar), firstStart);

    // A zoom without a size opens at its own room, where the screen holds it.
    EXPECT_EQ(ResolveView({Zoom::Percent100, {}, false}, screen, kMenuBar), (ViewState{Zoom::Percent100, {651, 398}, false}));
    EXPECT_EQ(ResolveView({Zoom::Percent300, {}, false}, screen, kMenuBar), firstStart);

    // Sensible values come back as they were.
    const ViewState kept{Zoom::Percent150, {1401, 733}, true};
    EXPECT_EQ(ResolveView({kept.ZoomChoice, kept.RoomSize, true}, screen, kMenuBar), kept);
    EXPECT_EQ(ResolveView({Zoom::Fit, {1920, 1025}, false}, screen, kMenuBar),
              (ViewState{Zoom::Fit, {1920, 1025}, false}));
}
