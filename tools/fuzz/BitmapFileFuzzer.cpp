// ReadPictureFile over any .bmp file (read by our own decoder): a damaged or hostile bitmap must end
// in "Bitmap image is not valid" or the size error, never in a crash or a picture other than it claims.

#include <cstddef>
#include <cstdint>

#include "PictureFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmora::fuzz::ReadFuzzedPicture("Fuzzed.bmp", data, size);
    return 0;
}
