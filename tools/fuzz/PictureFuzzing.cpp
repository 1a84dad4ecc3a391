#include "PictureFuzzing.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>

#include "FuzzFolder.h"
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

// Qt warns on stderr about much of what a damaged bitmap holds; at thousands of inputs a second
// that only buries the fuzzer's own report.
void Silent(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

void ReadFuzzedPicture(const std::string& name, const std::uint8_t* data, std::size_t size) {
    static const QtMessageHandler previous = qInstallMessageHandler(Silent);
    (void)previous;
    WriteInput(name, data, size);
    try {
        if (!IsSound(ReadPictureFile(FuzzFolder() / name))) std::abort();
    } catch (const EPictureError&) {
    }
}

}  // namespace velmora::fuzz
