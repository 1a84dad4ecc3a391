#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CardSetSamples.h"
#include "cardsets/CardSetError.h"
#include "cardsets/CardSetPrefix.h"
#include "compression/Stream.h"

namespace velmora {
namespace {

using testing::Int32Bytes;

CardSetPrefix AnnPrefix() {
    CardSetPrefix prefix;
    prefix.CardCount = 11;
    prefix.CardWidth = 50;
    prefix.CardHeight = 50;
    prefix.Details.Author = "Ann";
    prefix.Details.Web = "http://";
    prefix.Details.Language = "English";
    return prefix;
}

const std::vector<std::uint8_t> AnnPrefixBytes = {
    0x0B, 0, 0, 0, 0x32, 0, 0, 0, 0x32, 0, 0, 0,                         // count, width, height
    0x03, 0, 0, 0, 0x41, 0x6E, 0x6E,                                     // "Ann"
    0, 0, 0, 0,                                                          // e-mail
    0x07, 0, 0, 0, 0x68, 0x74, 0x74, 0x70, 0x3A, 0x2F, 0x2F,             // "http://"
    0, 0, 0, 0,                                                          // notes
    0x07, 0, 0, 0, 0x45, 0x6E, 0x67, 0x6C, 0x69, 0x73, 0x68,             // "English"
};

std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string ReadError(const std::vector<std::uint8_t>& bytes) {
    MemoryStream stream(bytes);
    try {
        ReadCardSetPrefix(stream, "Broken.cst");
    } catch (const ECardSetError& e) {
        return e.what();
    }
    return "no error";
}

TEST(CardSetPrefix, AnnExampleEncodesToTheGivenBytes) {
    EXPECT_EQ(EncodeCardSetPrefix(AnnPrefix()), AnnPrefixBytes);
}

TEST(CardSetPrefix, EmptyDetailsAreFiveZeroCounts) {
    CardSetPrefix prefix = AnnPrefix();
    prefix.Details = {};
    const auto bytes = EncodeCardSetPrefix(prefix);
    ASSERT_EQ(bytes.size(), 12u + 20u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 12, bytes.end()), std::vector<std::uint8_t>(20, 0));
}

TEST(CardSetPrefix, ReadsTheDetailsAndStopsWhereTheContainerBegins) {
    const std::vector<std::uint8_t> magic = {0x21, 0x48, 0x5A, 0x4C};
    MemoryStream stream(Concat(AnnPrefixBytes, magic));
    const CardSetPrefix prefix = ReadCardSetPrefix(stream, "Ann.cst");
    EXPECT_EQ(prefix, AnnPrefix());
    EXPECT_EQ(stream.Position(), static_cast<std::int64_t>(AnnPrefixBytes.size()));
}

TEST(CardSetPrefix, TextEndsBeforeItsFirstZeroByte) {
    std::vector<std::uint8_t> bytes = Concat(Int32Bytes(11), Concat(Int32Bytes(50), Int32Bytes(50)));
    bytes = Concat(bytes, {5, 0, 0, 0, 'A', 'b', 0, 'c', 'd'});
    for (int i = 0; i < 4; ++i) bytes = Concat(bytes, Int32Bytes(0));
    MemoryStream stream(bytes);
    const CardSetPrefix prefix = ReadCardSetPrefix(stream, "Zero.cst");
    EXPECT_EQ(prefix.Details.Author, "Ab");
    EXPECT_EQ(stream.Position(), static_cast<std::int64_t>(bytes.size()));
}

TEST(CardSetPrefix, ATextOfFiveHundredBytesIsRead) {
    CardSetPrefix prefix = AnnPrefix();
    prefix.Details.Notes = std::string(500, 'n');
    MemoryStream stream(EncodeCardSetPrefix(prefix));
    EXPECT_EQ(ReadCardSetPrefix(stream, "Long.cst"), prefix);
}

TEST(CardSetPrefix, EveryCutOfThePrefixIsReportedWithTheFileName) {
    for (std::size_t length = 0; length < AnnPrefixBytes.size(); ++length) {
        const std::vector<std::uint8_t> cut(AnnPrefixBytes.begin(), AnnPrefixBytes.begin() + length);
        const std::string message = ReadError(cut);
        EXPECT_NE(message.find("Broken.cst"), std::string::npos) << "cut at " << length << ": " << message;
        EXPECT_NE(message.find("is cut short"), std::string::npos) << "cut at " << length << ": " << message;
    }
}

TEST(CardSetPrefix, BadNumbersAndLengthsAreReported) {
    const auto header = [](std::int32_t count, std::int32_t width, std::int32_t height) {
        return Concat(Int32Bytes(count), Concat(Int32Bytes(width), Int32Bytes(height)));
    };
    const auto withAuthorLength = [&](std::int32_t length) {
        return Concat(Concat(header(11, 50, 50), Int32Bytes(length)), std::vector<std::uint8_t>(600, 'x'));
    };
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* expected;
    } cases[] = {
        {"negative count", header(-1, 50, 50), "card count -1"},
        {"zero count", header(0, 50, 50), "card count 0"},
        {"count beyond Fanatic", header(52, 50, 50), "card count 52"},
        {"huge count", header(0x7FFFFFFF, 50, 50), "card count 2147483647"},
        {"zero width", header(11, 0, 50), "card size 0 x 50"},
        {"negative height", header(11, 50, -3), "card size 50 x -3"},
        {"too wide for any format", header(11, 109, 50), "card size 109 x 50"},
        {"too high for any format", header(11, 50, 94), "card size 50 x 94"},
        {"negative text length", withAuthorLength(-1), "the author has a negative length"},
        {"text over 500 bytes", withAuthorLength(501), "the author is longer than 500 bytes"},
        {"huge text length", withAuthorLength(0x7FFFFFFF), "the author is longer than 500 bytes"},
    };
    for (const auto& c : cases) {
        const std::string message = ReadError(c.bytes);
        EXPECT_NE(message.find("Damaged card set Broken.cst: "), std::string::npos) << c.name << ": " << message;
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.name << ": " << message;
    }
}

TEST(CardSetPrefix, SetsNotMadeByTheWizardAreReadWithinTheLimits) {
    // 34 cards fit no format exactly but serve Fanatic; 108 x 93 is the largest card any format takes.
    CardSetPrefix prefix = AnnPrefix();
    prefix.CardCount = 34;
    prefix.CardWidth = 108;
    prefix.CardHeight = 93;
    MemoryStream stream(EncodeCardSetPrefix(prefix));
    EXPECT_EQ(ReadCardSetPrefix(stream, "Odd.cst"), prefix);
}

}  // namespace
}  // namespace velmora
