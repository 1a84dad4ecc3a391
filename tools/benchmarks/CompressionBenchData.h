#pragma once
// The three inputs of the compression benchmark, made the same way on every run: a card-set
// payload as the card-set writer lays it out (palette, 51 drawn Fanatic-size cards with names, a
// photo-like 540 x 374 background), 1 MB of English prose, and 1 MB of bytes without any pattern.

#include <cstdint>
#include <vector>

namespace velmora::bench {

std::vector<std::uint8_t> CardSetPayload();
std::vector<std::uint8_t> EnglishText(std::size_t size = 1 << 20);
std::vector<std::uint8_t> RandomBytes(std::size_t size = 1 << 20);

}  // namespace velmora::bench
