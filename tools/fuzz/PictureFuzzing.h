#pragma once
// What the picture targets do with an input: read it as a picture file of the given name, as the
// wizard does with the files a card-set author picks.

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora::fuzz {

// Writes the input as name in the fuzz folder and reads it with ReadPictureFile. A damaged file must
// end in EPictureError; a picture read must have the size it claims, within the readers' limits,
// and be made of 24-bit colours. Anything else aborts the process.
void ReadFuzzedPicture(const std::string& name, const std::uint8_t* data, std::size_t size);

// The same read for a small card, cropped or fitted by the input's last byte: a picture read must
// come out at exactly the card size.
void ReadFuzzedCardPicture(const std::string& name, const std::uint8_t* data, std::size_t size);

}  // namespace velmora::fuzz
