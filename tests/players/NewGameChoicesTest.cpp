#include <gtest/gtest.h>

#include "players/NewGameChoices.h"

namespace velmora {
namespace {

TEST(NewGameChoices, OffersTheSizesASetCanFill) {
    EXPECT_EQ(OfferedFormats(11), (std::vector<int>{0}));
    EXPECT_EQ(OfferedFormats(22), (std::vector<int>{0, 1}));
    EXPECT_EQ(OfferedFormats(33), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(OfferedFormats(51), (std::vector<int>{0, 1, 2, 3}));
    // A set made elsewhere with 12 cards has faces for Junior only.
    EXPECT_EQ(OfferedFormats(12), (std::vector<int>{0}));
    EXPECT_EQ(OfferedFormats(50), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(OfferedFormats(-5), (std::vector<int>{0}));
    EXPECT_TRUE(SetFillsFormat(11, 0));
    EXPECT_FALSE(SetFillsFormat(10, 0));
    EXPECT_FALSE(SetFillsFormat(51, 4));
}

TEST(NewGameChoices, PreselectsTheLastEqualSetAndAnOfferedFormat) {
    const std::vector<std::string> sets{"Animals", "Default", "Cars", "Default"};
    EXPECT_EQ(PreselectedSet(sets, "Default"), 3);
    EXPECT_EQ(PreselectedSet(sets, "default"), 0);  // compared exactly
    EXPECT_EQ(PreselectedSet({}, "Default"), -1);
    EXPECT_EQ(PreselectedFormat(1, 2), 1);
    EXPECT_EQ(PreselectedFormat(3, 2), 0);
    EXPECT_EQ(PreselectedFormat(-1, 4), 0);
}

}  // namespace
}  // namespace velmora
