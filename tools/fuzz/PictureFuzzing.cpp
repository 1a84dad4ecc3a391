#include "PictureFuzzing.h"

#include <algorithm>
#include <cstdlib>

#include "FuzzFolder.h"
#include "cardsets/pictures/CardPictureFile.h"
#include "cardsets/pictures/PictureFile.h"

namespace velmora::fuzz {

namespace {

bool IsSound(const Picture& picture) {
    const std::int64_t pixels = std::int64_t{picture.Width} * picture.Height;
    return picture.Width >= 1 && picture.Height >= 1 && picture.Width <= MaxPictureSide &&
           picture.Height <= MaxPictureSide && pixels <= MaxPicturePixels &&
           static_cast<std::int64_t>(picture.Pixels.size()) == pixels &&
           std::all_of(picture.Pixels.begin(), picture.Pixels.end(), [](std::uint32_t p) { return p <= 0xFFFFFF; });
}

}  // namespace

void ReadFuzzedPicture(const std::string& name, const std::uint8_t* data, std::size_t size) {
    WriteInput(name, data, size);
    try {
        if (!IsSound(ReadPictureFile(FuzzFolder() / name))) std::abort();
    } catch (const EPictureError&) {
    }
}

void ReadFuzzedCardPicture(const std::string& name, const std::uint8_t* data, std::size_t size) {
    WriteInput(name, data, size);
    const CardTarget card{{37, 23}, size > 0 && (data[size - 1] & 1) ? FitMode::Fit : FitMode::Crop, 0x336699};
    try {
        const Picture picture = ReadCardPictureFile(FuzzFolder() / name, card);
        if (!IsSound(picture) || picture.Width != card.Size.Width || picture.Height != card.Size.Height) std::abort();
    } catch (const EPictureError&) {
    }
}

}  // namespace velmora::fuzz
