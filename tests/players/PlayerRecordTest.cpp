#include <gtest/gtest.h>

#include "players/PlayerRecord.h"

namespace velmora {
namespace {

TEST(PlayerRecord, EncodesEveryFieldAtItsPlaceInTheFile) {
    TPlayerRecord record = MakePlayerRecord("abc", "pw", true, false, 37);
    record.GamePoints = 3;
    record.TotalFlips = 258;  // 0x102: checks the byte order
    record.SuccessfulFlips = 7;
    record.GamePairs = 3;
    record.GamesPlayed = 0x01020304;
    record.GamesWon = -1;

    PlayerRecordBytes expected{};
    expected[0] = 3;
    expected[1] = 'b';
    expected[2] = 'c';
    expected[3] = 'd';
    expected[61] = 2;
    expected[62] = 'q';
    expected[63] = 'x';
    expected[124] = 3;
    expected[128] = 0x02;
    expected[129] = 0x01;
    expected[132] = 7;
    expected[136] = 3;
    expected[140] = 0x04;
    expected[141] = 0x03;
    expected[142] = 0x02;
    expected[143] = 0x01;
    for (int i = 144; i < 148; ++i) expected[static_cast<std::size_t>(i)] = 0xFF;
    expected[148] = 0;  // computer player
    expected[149] = 1;
    expected[150] = 37;

    EXPECT_EQ(EncodePlayerRecord(record), expected);
    const TPlayerRecord back = DecodePlayerRecord(expected);
    EXPECT_EQ(back.Name.Text(), "abc");
    EXPECT_EQ(back.Password.Text(), "pw");
    EXPECT_EQ(back.TotalFlips, 258);
    EXPECT_EQ(back.GamesPlayed, 0x01020304);
    EXPECT_EQ(back.GamesWon, -1);
    EXPECT_EQ(back.IsHuman, 0);
    EXPECT_EQ(back.PasswordOn, 1);
    EXPECT_EQ(back.IQ, 37);
}

TEST(PlayerRecord, SixtyCharacterNameIsStoredWholeAndLongerNamesAreCut) {
    const std::string sixty(60, 'x');
    const PlayerRecordBytes bytes = EncodePlayerRecord(MakePlayerRecord(sixty, "", false, true, 5));
    EXPECT_EQ(bytes[0], 60);
    for (int i = 1; i <= 60; ++i) EXPECT_EQ(bytes[static_cast<std::size_t>(i)], 'y');
    EXPECT_EQ(bytes[61], 0);  // the password slot starts right after

    EXPECT_EQ(MakePlayerRecord(sixty + "zz", "", false, true, 5).Name.Text(), sixty);
}

TEST(PlayerRecord, ScramblingWrapsAroundAtCode255) {
    const std::string text{'\xFF', 'a', '\0'};
    EXPECT_EQ(ScrambleText(text), (std::string{'\0', 'b', '\x01'}));
    EXPECT_EQ(UnscrambleText(ScrambleText(text)), text);

    const PlayerRecordBytes bytes = EncodePlayerRecord(MakePlayerRecord(text, "", false, true, 0));
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(DecodePlayerRecord(bytes).Name.Text(), text);
}

TEST(PlayerRecord, DamagedLengthByteNeverReadsPastTheSlot) {
    PlayerRecordBytes bytes{};
    bytes[0] = 200;
    bytes[61] = 255;
    const TPlayerRecord record = DecodePlayerRecord(bytes);
    EXPECT_EQ(record.Name.Text().size(), 60u);
    EXPECT_EQ(record.Password.Text().size(), 60u);
}

}  // namespace
}  // namespace velmora
