#include <gtest/gtest.h>

#include <cstring>

#include "CardSetSamples.h"
#include "cardsets/BmpWriter.h"

namespace velmora {
namespace {

std::int32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

TEST(BmpWriter, WritesA24BitBottomUpPictureWithPaddedRows) {
    Picture picture(2, 2);
    picture.At(0, 0) = 0xFF0000;  // top left red
    picture.At(1, 0) = 0x00FF00;
    picture.At(0, 1) = 0x0000FF;  // bottom left blue
    picture.At(1, 1) = 0x123456;
    const auto bytes = EncodeBmp24(picture);
    ASSERT_EQ(bytes.size(), 54u + 2 * 8);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Int32At(bytes, 2), 70);
    EXPECT_EQ(Int32At(bytes, 10), 54);
    EXPECT_EQ(Int32At(bytes, 18), 2);
    EXPECT_EQ(Int32At(bytes, 22), 2);
    EXPECT_EQ(bytes[28], 24);
    const std::vector<std::uint8_t> rows(bytes.begin() + 54, bytes.end());
    EXPECT_EQ(rows, (std::vector<std::uint8_t>{0xFF, 0, 0, 0x56, 0x34, 0x12, 0, 0,    // bottom row first
                                               0, 0, 0xFF, 0, 0xFF, 0, 0, 0}));  // then the top row
}

TEST(BmpWriter, WritesTheFile) {
    testing::ScratchFolder folder;
    const Picture picture = testing::PatternPicture(5, 3, 1);
    WriteBmp24(folder / "card.bmp", picture);
    EXPECT_EQ(folder.ReadFile("card.bmp"), EncodeBmp24(picture));
    EXPECT_THROW(WriteBmp24(folder / "missing" / "card.bmp", picture), EFCreateError);
}

}  // namespace
}  // namespace velmora
