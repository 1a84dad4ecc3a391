#pragma once
// The names of a card-set file's parts as its errors say them ("the author is cut short"), shared by
// the reader and the writer so that both name a part alike.

#include <array>
#include <cstddef>

#include "text/Phrase.h"

namespace velmora {

Phrase CardNamePart(std::size_t card);
Phrase CardPicturePart(std::size_t card);
inline constexpr std::size_t DetailTextCount = 5;
// Author, e-mail address, web address, notes and language: the detail texts in the order the file
// holds them.
std::array<Phrase, DetailTextCount> DetailTextParts();

}  // namespace velmora
