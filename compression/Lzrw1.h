#pragma once
// Tlzrw1: the compressed container. Turns a file or a stream into a container ("!HZL" for the LZH
// codec, "WRZL" for the LZRW1/KH codec) and back, counting bytes and reporting its status text.

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "compression/Stream.h"

namespace velmora {

class ELzrw1Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TCompressMode { Good = 0, Fast = 1, Auto = 2 };

class TLZH;
class TLZR;

class Tlzrw1 {
public:
    Tlzrw1();
    ~Tlzrw1();
    Tlzrw1(const Tlzrw1&) = delete;
    Tlzrw1& operator=(const Tlzrw1&) = delete;

    // Properties.
    bool UseStream = false;
    std::string InputFile;
    std::string OutputFile;
    TCompressMode CompressMode = TCompressMode::Good;
    std::int32_t Threshold = 40;
    bool Visible = true;
    Stream* InputStream = nullptr;   // owned by the caller
    Stream* OutputStream = nullptr;  // owned by the caller

    // Window-side hooks; with none attached they do nothing.
    std::function<void()> ProcessEvents;                      // lets pending window events run
    std::function<void(const std::string&)> CaptionChanged;  // shows the caption at once

    std::int32_t Compress();
    std::int32_t Decompress();
    TCompressMode Advise();

    const std::string& Caption() const { return caption_; }
    std::int32_t BytesIn() const { return bytesIn_; }
    std::int32_t BytesOut() const { return bytesOut_; }

private:
    std::string caption_;
    std::int32_t bytesIn_ = 0;
    std::int32_t bytesOut_ = 0;
    std::unique_ptr<TLZH> lzh_;
    std::unique_ptr<TLZR> lzr_;
};

}  // namespace velmora
