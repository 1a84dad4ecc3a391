#pragma once
// What the New Game dialog preselects and offers in its second step.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The format indexes (0 Junior .. 3 Fanatic) a set of this many images can fill, in order. A
// format is offered only when the set holds its card back and every face it deals, so a set made
// elsewhere with an odd count never deals faces it does not have.
std::vector<int> OfferedFormats(std::int32_t cardCount);

// Whether a set of this many images (card back included) holds every face a format deals.
bool SetFillsFormat(std::size_t imageCount, int format);

// The entry to select: the last one equal to lastSet, else the first; -1 for an empty list.
int PreselectedSet(const std::vector<std::string>& sets, const std::string& lastSet);

// The size to select: lastFormat when the list has it, else the first.
int PreselectedFormat(int lastFormat, int offeredCount);

}  // namespace velmora
