#include "cardsets/ByteReader.h"

#include <algorithm>
#include <utility>

#include "cardsets/CardSetError.h"

namespace velmora {

ByteReader::ByteReader(std::span<const std::uint8_t> bytes, std::string fileName)
    : bytes_(bytes), fileName_(std::move(fileName)) {}

void ByteReader::Fail(const std::string& what) const { ThrowDamagedCardSet(fileName_, what); }

void ByteReader::Need(std::size_t count, const std::string& what) const {
    if (count > Remaining()) Fail(what + " is cut short");
}

std::int32_t ByteReader::ReadInt32(const std::string& what) {
    const auto b = ReadBytes(4, what);
    const std::uint32_t value = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    return static_cast<std::int32_t>(value);
}

std::string ByteReader::ReadCountedString(const std::string& what) {
    const std::int32_t length = ReadInt32(what);
    if (length < 0) Fail(what + " has a negative length");
    if (length > MaxTextLength) Fail(what + " is longer than " + std::to_string(MaxTextLength) + " bytes");
    const auto text = ReadBytes(static_cast<std::size_t>(length), what);
    const auto end = std::find(text.begin(), text.end(), std::uint8_t{0});
    return std::string(text.begin(), end);
}

std::span<const std::uint8_t> ByteReader::ReadBytes(std::size_t count, const std::string& what) {
    Need(count, what);
    const auto run = bytes_.subspan(position_, count);
    position_ += count;
    return run;
}

}  // namespace velmora
