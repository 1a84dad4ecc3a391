// The generic picture reader (Qt's image readers, taken by content) over any file: a damaged or
// hostile PNG, GIF, WebP, TIFF, PPM or SVG must end in EPictureError naming the file, never in a
// crash, a hang or a picture other than it claims. The first byte picks the file's name (the
// reader goes by the content, whatever the name says) and whether the picture is read for a card,
// as the wizard does.

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImageReader>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "PictureFuzzing.h"
#include "cardsets/pictures/PictureFile.h"

namespace {

constexpr std::array kNames{"Fuzzed.png", "Fuzzed.gif", "Fuzzed.webp", "Fuzzed.tif", "Fuzzed.ppm",
                            "Fuzzed.pgm", "Fuzzed.svg", "Fuzzed.xpm"};

// A drawing, or a flat PNG or WebP picture, of a few hundred bytes may rightly declare up to the
// readers' limit of 40 million pixels, which this build takes seconds and hundreds of MB to decode
// and convert. Such inputs are left out: they fuzz nothing that smaller pictures do not, and the
// run stays within one second and the memory limit for every input. Claims beyond the readers'
// limit are still read, since those must be refused before any pixel memory is taken.
constexpr std::int64_t kMostFuzzedPixels = 500'000;

bool DecodedTooLargeToFuzz(const std::uint8_t* data, std::size_t size, bool card) {
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize declared = reader.size();
    const QByteArray format = reader.format();
    // With a card, a drawing is rendered at the card's size, whatever it declares.
    if (!declared.isValid() || (card && (format == "svg" || format == "svgz"))) return false;
    const std::int64_t pixels = std::int64_t{declared.width()} * declared.height();
    return pixels > kMostFuzzedPixels && declared.width() <= velmora::MaxPictureSide &&
           declared.height() <= velmora::MaxPictureSide && pixels <= velmora::MaxPicturePixels;
}

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
    const bool card = (data[0] & 0x80) != 0;
    if (DecodedTooLargeToFuzz(data + 1, size - 1, card)) return -1;
    if (card)
        velmora::fuzz::ReadFuzzedCardPicture(name, data + 1, size - 1);
    else
        velmora::fuzz::ReadFuzzedPicture(name, data + 1, size - 1);
    return 0;
}
