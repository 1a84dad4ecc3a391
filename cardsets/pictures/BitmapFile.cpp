// Bitmaps are decoded here rather than by a general image library, so that every variant the
// common programs write is read to the exact pixel, and a damaged file is refused instead of being
// patched with invented pixels. An indexed picture keeps its colour table, since the card back's
// becomes the set's palette.

#include <algorithm>

#include "cardsets/pictures/BmpDecoding.h"
#include "cardsets/pictures/PictureBytes.h"
#include "cardsets/pictures/PictureFile.h"
#include "cardsets/pictures/StandardPalette.h"

namespace velmora {

Picture ReadBitmapFile(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = ReadPictureBytes(path);
    const BmpLayout layout = ReadBmpLayout(bytes, path);
    const bool runs = layout.Storage != BmpStorage::Rows;
    if (runs && !HoldsEnoughData(layout.Width, layout.Height, static_cast<std::int64_t>(bytes.size())))
        ThrowBitmapNotValid();
    Picture picture = runs ? DecodeBmpRuns(bytes, layout) : DecodeBmpRows(bytes, layout);
    if (layout.Colours.empty()) {
        picture.Palette = StandardPalette();
    } else {
        std::copy(layout.Colours.begin(), layout.Colours.end(), picture.Palette.begin());
    }
    return picture;
}

}  // namespace velmora
