#include "cardsets/ByteReader.h"

#include <algorithm>
#include <utility>

#include "cardsets/CardSetError.h"

namespace velmora {
namespace {

Phrase CutShort() { return ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "%1 is cut short")); }

}  // namespace

Phrase TooLongText() {
    // The length comes first so that the part, added when the error is raised, is the last placeholder.
    return ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "%2 is longer than %1 bytes"),
                       {std::to_string(MaxTextLength)});
}

ByteReader::ByteReader(std::span<const std::uint8_t> bytes, std::string fileName)
    : bytes_(bytes), fileName_(std::move(fileName)) {}

void ByteReader::Fail(Phrase what) const { ThrowDamagedCardSet(fileName_, std::move(what)); }

void ByteReader::Fail(Phrase defect, const Phrase& part) const {
    ThrowDamagedCardSet(fileName_, std::move(defect), part);
}

void ByteReader::Need(std::size_t count, const Phrase& what) const {
    if (count > Remaining()) Fail(CutShort(), what);
}

std::int32_t ByteReader::ReadInt32(const Phrase& what) {
    const auto b = ReadBytes(4, what);
    const std::uint32_t value = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    return static_cast<std::int32_t>(value);
}

std::string ByteReader::ReadCountedString(const Phrase& what) {
    const std::int32_t length = ReadInt32(what);
    if (length < 0) Fail(ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "%1 has a negative length")), what);
    if (length > MaxTextLength) Fail(TooLongText(), what);
    const auto text = ReadBytes(static_cast<std::size_t>(length), what);
    const auto end = std::find(text.begin(), text.end(), std::uint8_t{0});
    return std::string(text.begin(), end);
}

std::span<const std::uint8_t> ByteReader::ReadBytes(std::size_t count, const Phrase& what) {
    Need(count, what);
    const auto run = bytes_.subspan(position_, count);
    position_ += count;
    return run;
}

}  // namespace velmora
