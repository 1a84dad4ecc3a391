#include "cardsets/pictures/PictureFile.h"

#include "cardsets/pictures/CardPictureFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "cardsets/pictures/PictureBytes.h"
#include "compression/Stream.h"

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
        throw EPictureError(VELMORA_TRANSLATE_NOOP("Errors", "The picture %1 is too large to be read (%2 x %3 pixels)"),
                            {path.string(), std::to_string(width), std::to_string(height)});
    }
}

EPictureError TooLargeFile(const std::filesystem::path& path) {
    return EPictureError(VELMORA_TRANSLATE_NOOP("Errors", "The picture %1 is too large to be read"), {path.string()});
}

bool HoldsEnoughData(std::int64_t width, std::int64_t height, std::int64_t fileBytes) {
    return width * height <= fileBytes * MostPixelsPerFileByte;
}

std::vector<std::uint8_t> ReadPictureBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) throw EPictureError(CannotOpenFile(path.string()));
    const std::streamoff length = in.tellg();
    if (length < 0 || length > MaxPictureFileBytes) throw TooLargeFile(path);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), length);
    if (!in) throw EPictureError(VELMORA_TRANSLATE_NOOP("Errors", "Cannot read file %1"), {path.string()});
    return bytes;
}

Picture ReadPictureFile(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    const std::string bare = extension.empty() ? extension : extension.substr(1);
    const std::string lower = Lower(bare);
    if (lower == "bmp") return ReadBitmapFile(path);
    if (lower == "jpg" || lower == "jpeg") return ReadJpegFile(path);
    if (IsReadablePictureName(path.filename().string())) return ReadImageFile(path, std::nullopt);
    throw EPictureError(VELMORA_TRANSLATE_NOOP("Errors", "Unknown picture file extension (.%1)"), {bare});
}

}  // namespace velmora
