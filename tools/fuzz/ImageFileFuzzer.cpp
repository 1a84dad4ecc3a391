// The generic picture reader (Qt's image readers, taken by content) over any file: a damaged or
// hostile PNG, GIF, WebP, TIFF, PPM or SVG must end in EPictureError naming the file, never in a
// crash, a hang or a picture other than it claims. The first byte picks the file's name, which
// Qt takes as a hint of the format, and whether the picture is read for a card, as the wizard does.

#include <QGuiApplication>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "PictureFuzzing.h"

namespace {

constexpr std::array kNames{"Fuzzed.png", "Fuzzed.gif", "Fuzzed.webp", "Fuzzed.tif", "Fuzzed.ppm",
                            "Fuzzed.pgm", "Fuzzed.svg", "Fuzzed.xpm"};

}  // namespace

// Drawings lay out their text with the application's fonts, so the reader runs inside one, as in
// the wizard.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char* name = kNames[data[0] % kNames.size()];
    if (data[0] & 0x80)
        velmora::fuzz::ReadFuzzedCardPicture(name, data + 1, size - 1);
    else
        velmora::fuzz::ReadFuzzedPicture(name, data + 1, size - 1);
    return 0;
}
