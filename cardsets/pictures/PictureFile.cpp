#include "cardsets/pictures/PictureFile.h"

#include "cardsets/pictures/CardPictureFile.h"

#include <algorithm>
#include <cctype>

namespace velmora {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

void CheckPictureSize(const std::filesystem::path& path, std::int64_t width, std::int64_t height) {
    if (width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide ||
        width * height > MaxPicturePixels) {
        throw EPictureError("The picture " + path.string() + " is too large to be read (" + std::to_string(width) +
                            " x " + std::to_string(height) + " pixels)");
    }
}

bool HoldsEnoughData(std::int64_t width, std::int64_t height, std::int64_t fileBytes) {
    return width * height <= fileBytes * MostPixelsPerFileByte;
}

Picture ReadPictureFile(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    const std::string bare = extension.empty() ? extension : extension.substr(1);
    const std::string lower = Lower(bare);
    if (lower == "bmp") return ReadBitmapFile(path);
    if (lower == "jpg" || lower == "jpeg") return ReadJpegFile(path);
    if (IsReadablePictureName(path.filename().string())) return ReadImageFile(path, std::nullopt);
    throw EPictureError("Unknown picture file extension (." + bare + ")");
}

}  // namespace velmora
