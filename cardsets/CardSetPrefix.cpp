#include "cardsets/CardSetPrefix.h"

#include <array>

#include "cardsets/ByteReader.h"
#include "cardsets/ByteWriter.h"
#include "cardsets/CardSetError.h"
#include "cardsets/CardSetFormats.h"
#include "cardsets/FilePartNames.h"

namespace velmora {

namespace {

// Three numbers and five texts at their longest: all a prefix can ever take.
constexpr std::int64_t LongestPrefix = 12 + 5 * (4 + MaxTextLength);

std::vector<std::uint8_t> ReadPrefixBytes(Stream& file, const std::string& fileName) {
    std::vector<std::uint8_t> bytes(LongestPrefix);
    if (file.Seek(0, SeekOrigin::Begin) != 0) ThrowUnreadableCardSet(fileName);
    std::int64_t got = 0;
    while (got < LongestPrefix) {
        const std::int64_t n = file.Read(bytes.data() + got, LongestPrefix - got);
        if (n < 0) ThrowUnreadableCardSet(fileName);
        if (n == 0) break;
        got += n;
    }
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

void CheckCardSize(const ByteReader& reader, const CardSetPrefix& prefix) {
    if (prefix.CardCount < 1 || prefix.CardCount > MaxCardCount) {
        reader.Fail(ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the card count %1 is not between 1 and %2"),
                                {std::to_string(prefix.CardCount), std::to_string(MaxCardCount)}));
    }
    if (!IsLoadableCardSetHeader(prefix.CardCount, prefix.CardWidth, prefix.CardHeight)) {
        const char* outside = VELMORA_TRANSLATE_NOOP("Errors", "the card size %1 x %2 is not within 1 x 1 to %3 x %4");
        reader.Fail(ErrorPhrase(outside, {std::to_string(prefix.CardWidth), std::to_string(prefix.CardHeight),
                                          std::to_string(MaxCardWidth), std::to_string(MaxCardHeight)}));
    }
}

}  // namespace

CardSetPrefix ReadCardSetPrefix(Stream& file, const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = ReadPrefixBytes(file, fileName);
    ByteReader reader(bytes, fileName);
    CardSetPrefix prefix;
    const Phrase numbers = ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the prefix"));
    prefix.CardCount = reader.ReadInt32(numbers);
    prefix.CardWidth = reader.ReadInt32(numbers);
    prefix.CardHeight = reader.ReadInt32(numbers);
    CheckCardSize(reader, prefix);
    CardSetDetails& d = prefix.Details;
    const std::array<Phrase, DetailTextCount> parts = DetailTextParts();
    const std::array<std::string*, DetailTextCount> texts{&d.Author, &d.Email, &d.Web, &d.Notes, &d.Language};
    for (std::size_t i = 0; i < parts.size(); ++i) *texts[i] = reader.ReadCountedString(parts[i]);
    if (file.Seek(static_cast<std::int64_t>(reader.Position()), SeekOrigin::Begin) < 0) {
        ThrowUnreadableCardSet(fileName);
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
