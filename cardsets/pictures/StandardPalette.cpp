#include "cardsets/pictures/StandardPalette.h"

namespace velmora {

namespace {

ColourTable MakeStandardPalette() {
    ColourTable palette{};
    std::size_t entry = 0;
    for (std::uint32_t r = 0; r < 6; ++r)
        for (std::uint32_t g = 0; g < 6; ++g)
            for (std::uint32_t b = 0; b < 6; ++b) palette[entry++] = (r * 51) << 16 | (g * 51) << 8 | (b * 51);
    // The cube already holds black, white and four greys; the ramp fills the steps between them.
    for (std::uint32_t i = 0; entry < palette.size(); ++i) {
        const std::uint32_t grey = (i + 1) * 255 / 41;
        palette[entry++] = grey << 16 | grey << 8 | grey;
    }
    return palette;
}

}  // namespace

const ColourTable& StandardPalette() {
    static const ColourTable palette = MakeStandardPalette();
    return palette;
}

}  // namespace velmora
