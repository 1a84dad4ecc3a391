// The program's own pictures are painted at every start: a quicker way of painting them must give
// the very same pixels, which are pinned here as they were first painted.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>

#include "widgets/Artwork.h"

using namespace velmora;

namespace {

// FNV-1a over the rows first to last of the picture, each row's pixels as 0xAARRGGBB.
std::uint64_t Digest(const QImage& image, int firstRow, int lastRow) {
    std::uint64_t hash = 14695981039346656037ull;
    for (int y = firstRow; y <= lastRow; ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            for (int shift = 0; shift < 32; shift += 8) {
                hash ^= (pixel >> shift) & 0xFFu;
                hash *= 1099511628211ull;
            }
        }
    return hash;
}

TEST(Artwork, TheDefaultBackgroundIsTheFeltItAlwaysWas) {
    const QImage felt = artwork::DefaultBackground();
    ASSERT_EQ(felt.size(), QSize(540, 374));
    EXPECT_EQ(felt.pixel(270, 187), qRgb(28, 110, 78));  // the middle is the light green
    EXPECT_EQ(felt.pixel(0, 0), qRgb(17, 66, 49));  // a darker corner, on the weave
    EXPECT_EQ(Digest(felt, 0, felt.height() - 1), 953100521435135588ull);
}

// The splash's felt is as wide as an odd number of pixels; its top and bottom rows hold nothing else.
TEST(Artwork, TheSplashPicturesFeltIsTheFeltItAlwaysWas) {
    const QImage splash = artwork::SplashPicture();
    ASSERT_EQ(splash.size(), QSize(635, 448));
    EXPECT_EQ(Digest(splash, 0, 39), 8318955991997589293ull);
    EXPECT_EQ(Digest(splash, 400, 447), 7372982356097781201ull);
}

}  // namespace
