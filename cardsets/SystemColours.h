#pragma once
// Colours as a card set stores them: an explicit 0x00BBGGRR colour, or 0x80000000 plus the index
// of a standard system colour. The windows want 0x00RRGGBB.

#include <cstdint>

namespace velmora {

// The button-face system colour: the wizard's background when the user chose nothing.
inline constexpr std::uint32_t ButtonFaceColour = 0x8000000F;

// Turns a stored colour into 0x00RRGGBB. System colours come from a fixed table of the standard
// light scheme; an index outside it gives black.
std::uint32_t ResolveColour(std::uint32_t stored);

}  // namespace velmora
