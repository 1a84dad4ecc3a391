#pragma once
// Reading the picture files a card-set author prepares (.bmp and .jpg) into the core's Picture.
// The header is plain C++ so that the command-line tools can use it as well as the wizard.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cardsets/Picture.h"
#include "text/PhraseError.h"

namespace velmora {

// Raised with the system's own texts: "Unknown picture file extension (.%s)", "Bitmap image is not
// valid", "JPEG error #%d", and for files no picture list could hold.
class EPictureError : public EPhraseError {
public:
    using EPhraseError::EPhraseError;
    // source is marked with VELMORA_TRANSLATE_NOOP in the error context.
    EPictureError(const char* source, std::vector<std::string> args)
        : EPhraseError(MakePhrase(ErrorContext, source, std::move(args))) {}
};

// Pictures beyond these are refused before any pixel memory is taken: nothing a card set can hold
// comes near them, and a damaged header may claim anything.
inline constexpr std::int32_t MaxPictureSide = 16384;
inline constexpr std::int64_t MaxPicturePixels = 40'000'000;
// A file larger than this is not read into memory at all.
inline constexpr std::int64_t MaxPictureFileBytes = 256LL * 1024 * 1024;

// Reads path by its extension (any letter case): ".bmp" as a Windows bitmap, ".jpg" or ".jpeg" as a
// JPEG image. The picture's Palette is the bitmap's colour table when it has one (entries it does
// not define are black), and StandardPalette() otherwise.
Picture ReadPictureFile(const std::filesystem::path& path);

Picture ReadBitmapFile(const std::filesystem::path& path);
Picture ReadJpegFile(const std::filesystem::path& path);

// Raises EPictureError naming path when width x height is beyond the limits above.
void CheckPictureSize(const std::filesystem::path& path, std::int64_t width, std::int64_t height);

// No whole JPEG codes more than 512 pixels in a byte (one bit for each 8 x 8 block at the least), and
// a bitmap's runs cover at most 255 pixels in two bytes; a file that claims more than this many
// pixels for each of its bytes is damaged, and is refused before the memory for its pixels is taken.
inline constexpr std::int64_t MostPixelsPerFileByte = 1024;
bool HoldsEnoughData(std::int64_t width, std::int64_t height, std::int64_t fileBytes);

}  // namespace velmora
