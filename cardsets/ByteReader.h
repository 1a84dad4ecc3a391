#pragma once
// Reads the little-endian numbers, counted strings and byte runs of a card-set file out of bytes
// already in memory. Every read is checked against what is left, so a damaged file ends in an
// error that names the file and the part that was cut short, never in a read past the end.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "text/Phrase.h"

namespace velmora {

// The readers' buffers held 500 bytes, so no file written for them holds a longer text.
inline constexpr std::int32_t MaxTextLength = 500;

// "<part> is longer than 500 bytes", the part's name filling the last placeholder.
Phrase TooLongText();

class ByteReader {
public:
    ByteReader(std::span<const std::uint8_t> bytes, std::string fileName);

    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return bytes_.size() - position_; }
    const std::string& FileName() const { return fileName_; }

    // Raises "<what> is cut short" unless count bytes are left; what names the part being read.
    void Need(std::size_t count, const Phrase& what) const;
    std::int32_t ReadInt32(const Phrase& what);
    // A count, then that many bytes; the text ends before the first zero byte, if any.
    std::string ReadCountedString(const Phrase& what);
    std::span<const std::uint8_t> ReadBytes(std::size_t count, const Phrase& what);

    // The file is damaged, as what says.
    [[noreturn]] void Fail(Phrase what) const;
    // The part of the file is damaged, as defect says with the part's name in its last placeholder.
    [[noreturn]] void Fail(Phrase defect, const Phrase& part) const;

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    std::string fileName_;
};

}  // namespace velmora
