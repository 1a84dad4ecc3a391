#include "StreamContainer.h"

namespace velmora::fuzz {

void UseStreams(Tlzrw1& lzrw, Stream& input, Stream& output) {
    lzrw.UseStream = true;
    lzrw.Visible = false;
    lzrw.InputStream = &input;
    lzrw.OutputStream = &output;
}

std::vector<std::uint8_t> Packed(const std::vector<std::uint8_t>& plain, TCompressMode mode) {
    MemoryStream input(plain);
    MemoryStream output;
    Tlzrw1 lzrw;
    UseStreams(lzrw, input, output);
    lzrw.CompressMode = mode;
    lzrw.Compress();
    return output.TakeData();
}

}  // namespace velmora::fuzz
