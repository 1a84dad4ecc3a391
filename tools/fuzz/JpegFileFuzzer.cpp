// ReadPictureFile over any .jpg file (decoded with libjpeg): a damaged or hostile JPEG must end in a
// "JPEG error #n" or the size error, never in a crash, an exit or a picture other than it claims.

#include <cstddef>
#include <cstdint>

#include "PictureFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmora::fuzz::ReadFuzzedPicture("Fuzzed.jpg", data, size);
    return 0;
}
