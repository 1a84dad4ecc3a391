#include "cardsets/CardSetPrefix.h"

#include "cardsets/ByteReader.h"
#include "cardsets/ByteWriter.h"
#include "cardsets/CardSetError.h"
#include "cardsets/CardSetFormats.h"

namespace velmora {

namespace {

// Three numbers and five texts at their longest: all a prefix can ever take.
constexpr std::int64_t LongestPrefix = 12 + 5 * (4 + MaxTextLength);

std::vector<std::uint8_t> ReadPrefixBytes(Stream& file, const std::string& fileName) {
    std::vector<std::uint8_t> bytes(LongestPrefix);
    if (file.Seek(0, SeekOrigin::Begin) != 0) ThrowDamagedCardSet(fileName, "the file cannot be read");
    std::int64_t got = 0;
    while (got < LongestPrefix) {
        const std::int64_t n = file.Read(bytes.data() + got, LongestPrefix - got);
        if (n < 0) ThrowDamagedCardSet(fileName, "the file cannot be read");
        if (n == 0) break;
        got += n;
    }
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

void CheckCardSize(const ByteReader& reader, const CardSetPrefix& prefix) {
    if (prefix.CardCount < 1 || prefix.CardCount > MaxCardCount) {
        reader.Fail("the card count " + std::to_string(prefix.CardCount) + " is not between 1 and " +
                    std::to_string(MaxCardCount));
    }
    if (!IsLoadableCardSetHeader(prefix.CardCount, prefix.CardWidth, prefix.CardHeight)) {
        reader.Fail("the card size " + std::to_string(prefix.CardWidth) + " x " + std::to_string(prefix.CardHeight) +
                    " is not within 1 x 1 to " + std::to_string(MaxCardWidth) + " x " +
                    std::to_string(MaxCardHeight));
    }
}

}  // namespace

CardSetPrefix ReadCardSetPrefix(Stream& file, const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = ReadPrefixBytes(file, fileName);
    ByteReader reader(bytes, fileName);
    CardSetPrefix prefix;
    prefix.CardCount = reader.ReadInt32("the prefix");
    prefix.CardWidth = reader.ReadInt32("the prefix");
    prefix.CardHeight = reader.ReadInt32("the prefix");
    CheckCardSize(reader, prefix);
    CardSetDetails& d = prefix.Details;
    d.Author = reader.ReadCountedString("the author");
    d.Email = reader.ReadCountedString("the e-mail address");
    d.Web = reader.ReadCountedString("the web address");
    d.Notes = reader.ReadCountedString("the notes text");
    d.Language = reader.ReadCountedString("the language");
    if (file.Seek(static_cast<std::int64_t>(reader.Position()), SeekOrigin::Begin) < 0) {
        ThrowDamagedCardSet(fileName, "the file cannot be read");
    }
    return prefix;
}

std::vector<std::uint8_t> EncodeCardSetPrefix(const CardSetPrefix& prefix) {
    ByteWriter out;
    out.WriteInt32(prefix.CardCount);
    out.WriteInt32(prefix.CardWidth);
    out.WriteInt32(prefix.CardHeight);
    const CardSetDetails& d = prefix.Details;
    for (const std::string* text : {&d.Author, &d.Email, &d.Web, &d.Notes, &d.Language}) {
        out.WriteCountedString(*text);
    }
    return out.Take();
}

}  // namespace velmora
