#pragma once
// Reading pictures of every format the machine's image readers know, and bringing a picture of any
// size to the card size. Bitmaps and JPEG images keep their own readers, so that a picture of the
// card size gives the very pixels it always gave.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cardsets/Picture.h"
#include "cardsets/PictureFit.h"

namespace velmora {

struct CardTarget {
    PictureSize Size;
    FitMode Mode = FitMode::Crop;
    std::uint32_t Margin = 0xFFFFFF;  // 0x00RRGGBB, the margins of FitMode::Fit
};

// A JPEG image turned upright by its EXIF orientation; with a card, decoded at a reduced scale when
// the card needs less than half of its pixels (the result is then smaller than the file's).
Picture ReadJpegFile(const std::filesystem::path& path, const std::optional<CardTarget>& card);

// libjpeg decodes a file whose data ends early or is corrupt with the missing part grey, and only
// warns. The .jpg reader always took such pictures, and sets made from them must not change; JPEG
// data in a file of another name is refused instead.
enum class JpegWarnings { Decode, Refuse };
Picture ReadJpegFile(const std::filesystem::path& path, const std::optional<CardTarget>& card, JpegWarnings warnings);

// Any format of the machine's image readers, taken by its content: the first frame of an animation,
// turned upright by its orientation, a transparent picture drawn over white. A drawing (SVG) is
// rendered at the size the card needs, or at its own size without a card. Raises EPictureError
// naming the file for a damaged or unreadable one.
Picture ReadImageFile(const std::filesystem::path& path, const std::optional<CardTarget>& card);

// path read by its extension and brought to card.Size as card.Mode says; FitMode::Exact gives the
// picture as read, whatever its size.
Picture ReadCardPictureFile(const std::filesystem::path& path, const CardTarget& card);

// The extensions (lower case, without the dot) of every picture file that can be read, sorted.
const std::vector<std::string>& ReadablePictureExtensions();
bool IsReadablePictureName(const std::string& name);

}  // namespace velmora
