#include <gtest/gtest.h>

#include "cardsets/CardSetFormats.h"
#include "cardsets/SystemColours.h"

namespace velmora {
namespace {

TEST(CardSetFormats, HeaderIsValidOnlyWithinItsFormatsLimits) {
    EXPECT_TRUE(IsValidCardSetHeader(11, 108, 93));
    EXPECT_FALSE(IsValidCardSetHeader(11, 109, 93));
    EXPECT_FALSE(IsValidCardSetHeader(11, 108, 94));
    EXPECT_TRUE(IsValidCardSetHeader(22, 77, 62));
    EXPECT_FALSE(IsValidCardSetHeader(22, 78, 60));
    EXPECT_TRUE(IsValidCardSetHeader(33, 67, 46));
    EXPECT_FALSE(IsValidCardSetHeader(33, 67, 47));
    EXPECT_TRUE(IsValidCardSetHeader(51, 54, 37));
    EXPECT_FALSE(IsValidCardSetHeader(51, 54, 38));
    EXPECT_TRUE(IsValidCardSetHeader(51, 1, 1));
    EXPECT_FALSE(IsValidCardSetHeader(12, 60, 60));
    EXPECT_FALSE(IsValidCardSetHeader(11, 0, 50));
    EXPECT_FALSE(IsValidCardSetHeader(11, 50, 0));
    EXPECT_FALSE(IsValidCardSetHeader(-11, 50, 50));
}

TEST(CardSetFormats, LargestFormatGoesByCardCount) {
    EXPECT_EQ(LargestFormatName(51), "Fanatic (10x10)");
    EXPECT_EQ(LargestFormatName(34), "Fanatic (10x10)");
    EXPECT_EQ(LargestFormatName(33), "Expert (8x8)");
    EXPECT_EQ(LargestFormatName(23), "Expert (8x8)");
    EXPECT_EQ(LargestFormatName(22), "Standard (7x6)");
    EXPECT_EQ(LargestFormatName(12), "Standard (7x6)");
    EXPECT_EQ(LargestFormatName(11), "Junior (5x4)");
    EXPECT_EQ(LargestFormatName(1), "Junior (5x4)");
}

TEST(SystemColours, StoredColoursBecomeRedGreenBlue) {
    EXPECT_EQ(ResolveColour(0x000000FF), 0xFF0000u);
    EXPECT_EQ(ResolveColour(0x00FF0000), 0x0000FFu);
    EXPECT_EQ(ResolveColour(0x00336699), 0x996633u);
    EXPECT_EQ(ResolveColour(0x020000FF), 0xFF0000u);  // palette-relative
    EXPECT_EQ(ResolveColour(ButtonFaceColour), 0xF0F0F0u);
    EXPECT_EQ(ResolveColour(0x80000005), 0xFFFFFFu);  // window
    EXPECT_EQ(ResolveColour(0x80000012), 0x000000u);  // button text
    EXPECT_EQ(ResolveColour(0x800000FF), 0x000000u);  // no such system colour
}

}  // namespace
}  // namespace velmora
