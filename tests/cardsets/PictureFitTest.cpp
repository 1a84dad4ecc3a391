#include <gtest/gtest.h>

#include <cmath>

#include "cardsets/PictureFit.h"

using namespace velmora;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kMargin = 0x3366CC;

// A black disc of the given radius centred on a white picture.
Picture Disc(std::int32_t width, std::int32_t height, double radius) {
    Picture picture(width, height, kWhite);
    const double cx = width / 2.0, cy = height / 2.0;
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x)
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius) picture.At(x, y) = kBlack;
    return picture;
}

bool Dark(std::uint32_t pixel) { return (pixel & 0xFF) < 128 && (pixel >> 8 & 0xFF) < 128; }

struct Box {
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1;
    int Width() const { return Right - Left + 1; }
    int Height() const { return Bottom - Top + 1; }
};

Box DarkBox(const Picture& picture) {
    Box box;
    for (std::int32_t y = 0; y < picture.Height; ++y)
        for (std::int32_t x = 0; x < picture.Width; ++x)
            if (Dark(picture.At(x, y))) {
                box.Left = std::min(box.Left, int(x));
                box.Right = std::max(box.Right, int(x));
                box.Top = std::min(box.Top, int(y));
                box.Bottom = std::max(box.Bottom, int(y));
            }
    return box;
}

struct Case {
    const char* Name;
    std::int32_t Width, Height;
};

// Landscape, portrait and square pictures, larger and smaller than a 54 x 37 card.
const Case kCases[] = {{"large landscape", 400, 300}, {"large portrait", 300, 400}, {"large square", 320, 320},
                       {"small landscape", 40, 20},   {"small portrait", 20, 40},   {"small square", 30, 30}};

}  // namespace

TEST(PictureFit, CropCoversTheCardCentredWithoutStretching) {
    const PictureSize card{54, 37};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.Name);
        // The disc spans a third of the shorter side, so it stays whole after the crop.
        const double radius = std::min(c.Width, c.Height) / 6.0;
        const Picture fitted = FitPicture(Disc(c.Width, c.Height, radius), card, FitMode::Crop, kMargin);
        ASSERT_EQ(fitted.Width, 54);
        ASSERT_EQ(fitted.Height, 37);
        const Box box = DarkBox(fitted);
        EXPECT_NEAR(box.Width(), box.Height(), 1);
        EXPECT_NEAR((box.Left + box.Right) / 2.0, 26.5, 1.0);
        EXPECT_NEAR((box.Top + box.Bottom) / 2.0, 18.0, 1.0);
        // Covered: no margin colour anywhere, the corners are the picture's white.
        for (std::uint32_t pixel : fitted.Pixels) ASSERT_NE(pixel, kMargin);
        EXPECT_EQ(fitted.At(0, 0), kWhite);
        EXPECT_EQ(fitted.At(53, 36), kWhite);
    }
}

TEST(PictureFit, FitLiesInsideTheCardWithTheBackgroundColourInTheMargins) {
    const PictureSize card{54, 37};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.Name);
        Picture black(c.Width, c.Height, kBlack);
        const Picture fitted = FitPicture(black, card, FitMode::Fit, kMargin);
        ASSERT_EQ(fitted.Width, 54);
        ASSERT_EQ(fitted.Height, 37);
        const PictureSize inner = ScaledSize({c.Width, c.Height}, card, FitMode::Fit);
        EXPECT_TRUE(inner.Width == 54 || inner.Height == 37);
        EXPECT_NEAR(double(inner.Width) / inner.Height, double(c.Width) / c.Height, 0.06);
        const int left = (54 - inner.Width) / 2, top = (37 - inner.Height) / 2;
        for (std::int32_t y = 0; y < 37; ++y)
            for (std::int32_t x = 0; x < 54; ++x) {
                const bool inside = x >= left && x < left + inner.Width && y >= top && y < top + inner.Height;
                ASSERT_EQ(fitted.At(x, y), inside ? kBlack : kMargin) << x << "," << y;
            }
        // Centred: the margins on either side differ by at most one pixel.
        EXPECT_LE(std::abs((54 - inner.Width - left) - left), 1);
        EXPECT_LE(std::abs((37 - inner.Height - top) - top), 1);
    }
}

TEST(PictureFit, ADiscStaysRoundWhenFitted) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.Name);
        const Picture fitted =
            FitPicture(Disc(c.Width, c.Height, std::min(c.Width, c.Height) / 3.0), {54, 37}, FitMode::Fit, kMargin);
        const Box box = DarkBox(fitted);
        EXPECT_NEAR(box.Width(), box.Height(), 1);
    }
}

TEST(PictureFit, ShrinkingAveragesTheAreaEachCardPixelCovers) {
    // Columns alternate black and white: an area average gives mid grey, a nearest pick would not.
    Picture stripes(108, 74);
    for (std::int32_t y = 0; y < 74; ++y)
        for (std::int32_t x = 0; x < 108; ++x) stripes.At(x, y) = x % 2 ? kWhite : kBlack;
    const Picture half = FitPicture(stripes, {54, 37}, FitMode::Crop, kMargin);
    for (std::uint32_t pixel : half.Pixels) {
        ASSERT_NEAR(int(pixel & 0xFF), 128, 1);
        ASSERT_EQ(pixel >> 16 & 0xFF, pixel & 0xFF);
    }
}

TEST(PictureFit, APictureOfTheCardSizeOrExactModeIsLeftAsItIs) {
    Picture picture(54, 37);
    for (std::size_t i = 0; i < picture.Pixels.size(); ++i) picture.Pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    picture.Palette[3] = 0x123456;
    EXPECT_EQ(FitPicture(picture, {54, 37}, FitMode::Crop, kMargin), picture);
    EXPECT_EQ(FitPicture(picture, {54, 37}, FitMode::Fit, kMargin), picture);
    EXPECT_EQ(FitPicture(picture, {50, 50}, FitMode::Exact, kMargin), picture);
    const Picture cropped = FitPicture(picture, {20, 20}, FitMode::Crop, kMargin);
    EXPECT_EQ(cropped.Palette, picture.Palette);
}

TEST(PictureFit, EnlargingIsSmoothAndKeepsAUniformPictureUniform) {
    Picture two(2, 1);
    two.At(0, 0) = kBlack;
    two.At(1, 0) = kWhite;
    const Picture wide = ScalePicture(two, {8, 1});
    EXPECT_EQ(wide.At(0, 0), kBlack);
    EXPECT_EQ(wide.At(7, 0), kWhite);
    for (std::int32_t x = 1; x < 8; ++x) EXPECT_GE(wide.At(x, 0) & 0xFF, wide.At(x - 1, 0) & 0xFF);
    EXPECT_GT(wide.At(4, 0) & 0xFF, 0u);
    EXPECT_LT(wide.At(3, 0) & 0xFF, 255u);
    const Picture uniform = FitPicture(Picture(7, 3, 0x405060), {54, 37}, FitMode::Crop, kMargin);
    for (std::uint32_t pixel : uniform.Pixels) ASSERT_EQ(pixel, 0x405060u);
}

TEST(PictureFit, TheLargestCardKeepsTheFirstPicturesAspect) {
    const CardSetFormat& fanatic = CardSetFormats[3];
    const CardSetFormat& junior = CardSetFormats[0];
    EXPECT_EQ(LargestCardFor(fanatic, {4000, 3000}), (PictureSize{49, 37}));
    EXPECT_EQ(LargestCardFor(fanatic, {3000, 4000}), (PictureSize{28, 37}));
    EXPECT_EQ(LargestCardFor(junior, {1000, 1000}), (PictureSize{93, 93}));
    EXPECT_EQ(LargestCardFor(junior, {4000, 1000}), (PictureSize{108, 27}));
    EXPECT_EQ(LargestCardFor(junior, {1, 5000}), (PictureSize{1, 93}));
    EXPECT_EQ(LargestCardFor(junior, {108, 93}), (PictureSize{108, 93}));
}

TEST(PictureFit, ModesAreNamedOnTheCommandLine) {
    EXPECT_EQ(FitModeNamed("crop"), FitMode::Crop);
    EXPECT_EQ(FitModeNamed("FIT"), FitMode::Fit);
    EXPECT_EQ(FitModeNamed("exact"), FitMode::Exact);
    EXPECT_EQ(FitModeNamed("stretch"), std::nullopt);
    for (FitMode mode : {FitMode::Crop, FitMode::Fit, FitMode::Exact}) EXPECT_EQ(FitModeNamed(FitModeName(mode)), mode);
}
