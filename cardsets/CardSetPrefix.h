#pragma once
// The plain prefix of a card-set file: card count, card size and the five details, readable
// without decompressing anything.

#include <cstdint>
#include <string>
#include <vector>

#include "compression/Stream.h"

namespace velmora {

// In file order; the windows show them as author, language, e-mail, web address, notes.
struct CardSetDetails {
    std::string Author;
    std::string Email;
    std::string Web;
    std::string Notes;
    std::string Language;

    bool operator==(const CardSetDetails&) const = default;
};

struct CardSetPrefix {
    std::int32_t CardCount = 0;
    std::int32_t CardWidth = 0;
    std::int32_t CardHeight = 0;
    CardSetDetails Details;

    bool operator==(const CardSetPrefix&) const = default;
};

// Reads the prefix from the start of the file and leaves the file positioned just after it, where
// the container begins. Raises ECardSetError naming fileName when the prefix is cut short, holds a
// text no reader can take, or a card count or card size no picture list can hold.
CardSetPrefix ReadCardSetPrefix(Stream& file, const std::string& fileName);

std::vector<std::uint8_t> EncodeCardSetPrefix(const CardSetPrefix& prefix);

}  // namespace velmora
