#pragma once
// Tlzrw1: the compressed container. Turns a file or a stream into a container ("!HZL" for the LZH
// codec, "WRZL" for the LZRW1/KH codec) and back, counting bytes and reporting its status text.

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "compression/CompressionErrors.h"
#include "compression/Stream.h"

namespace velmora {

enum class TCompressMode { Good = 0, Fast = 1, Auto = 2 };

class TLZH;
class TLZR;
class ContainerSession;

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
    class InputReader;   // the LZH codec's byte source over the input buffer
    class OutputWriter;  // the LZH codec's byte sink over the output buffer

    std::int32_t InputSize() const;
    std::int64_t AdviseInputSize() const;
    void Open(ContainerSession& session);
    void WriteHeader(ContainerSession& session, const std::uint8_t* magic);
    void CompressFast(ContainerSession& session);
    void CompressGood(ContainerSession& session);
    void RefuseImpossibleSize(ContainerSession& session, std::int64_t (*mostRestorable)(std::int64_t),
                              const char* mismatchText) const;
    void DecompressFast(ContainerSession& session);
    const std::uint8_t* ReadBlock(ContainerSession& session, std::uint16_t length);
    void DecompressGood(ContainerSession& session);
    std::int32_t Conclude(ContainerSession& session, const char* streamText, const char* fileText);
    std::int32_t SampleCoded(ContainerSession& session, std::int64_t offset, std::int64_t& read);

    void ReadChecked(ContainerSession& session, void* buffer, std::int64_t count);
    void WriteChecked(ContainerSession& session, const void* buffer, std::int64_t count);
    void VerifyRead(std::int64_t done, std::int64_t asked) const;
    void VerifyWrite(std::int64_t done, std::int64_t asked) const;
    // Raises ELzrw1Exception with the text of the current mode.
    [[noreturn]] void Fail(const std::string& streamText, const std::string& fileText) const;
    void Show(const std::string& text);
    void ShowProgress(const char* codec);
    void RunEvents() const;
    static std::string Percentage(std::int64_t part, std::int64_t whole);

    std::string caption_;
    std::int32_t bytesIn_ = 0;
    std::int32_t bytesOut_ = 0;
    std::int32_t uncompressedSize_ = 0;
    std::unique_ptr<TLZH> lzh_;
    std::unique_ptr<TLZR> lzr_;
};

}  // namespace velmora
