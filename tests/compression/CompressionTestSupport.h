#pragma once
// Inputs, streams and codec ends shared by the compression tests.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "compression/Lzh.h"
#include "compression/Lzrw1.h"
#include "compression/Stream.h"

namespace velmora::testing {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::string_view text);
Bytes FromHex(std::string_view hex);  // "57 52 5A 4C"

// English-like prose, long runs of equal bytes, and bytes without any pattern.
Bytes TextSample(std::size_t size);
Bytes RunSample(std::size_t size);
Bytes RandomSample(std::size_t size, std::uint32_t seed);
// Rows of pixels in flat colours and in soft gradients with a little noise, as pictures hold.
Bytes PictureSample(std::size_t size);
// Stretches that repeat one short pattern over and over (periods of 1 to 90 bytes, as flat colours
// and tiled or dithered pictures do), broken now and then by a few other bytes.
Bytes PatternSample(std::size_t size);

// A 64-bit FNV-1a digest, to pin down long outputs in a line.
std::uint64_t Digest(const Bytes& bytes);

// Sets the component up for stream mode on in and out.
void UseStreams(Tlzrw1& lzrw, Stream& in, Stream& out, TCompressMode mode = TCompressMode::Good);

// The whole container for input, written through streams in the given mode.
Bytes Compressed(const Bytes& input, TCompressMode mode);
// What Decompress restores from a container held in memory.
Bytes Restored(const Bytes& container);

// A memory stream that fails on purpose: its size or seeks can fail, reads can fail after a number
// of bytes, and writes can come up short after a number of bytes. It records where it was sought.
class FailingStream : public MemoryStream {
public:
    using MemoryStream::MemoryStream;

    bool failSize = false;
    bool failSeek = false;
    std::int64_t readableBytes = -1;  // reads fail once this many bytes were read; -1: never
    std::int64_t writableBytes = -1;  // writes come up short beyond this many bytes; -1: never
    std::vector<std::int64_t> seeksFromBegin;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t Size() override;
    // Every byte goes through Read, so that its failures apply to the blocks the container borrows.
    const std::uint8_t* Borrow(std::int64_t) override { return nullptr; }

private:
    std::int64_t read_ = 0;
    std::int64_t written_ = 0;
};

// The LZH codec's ends on plain vectors: the source hands out its bytes in pieces of `piece`, the
// sink collects what it gets through a small buffer.
class VectorSource : public LzhSource {
public:
    explicit VectorSource(Bytes bytes, std::size_t piece = 7) : bytes_(std::move(bytes)), piece_(piece) {}
    std::size_t Taken() const { return taken_; }
    int refills = 0;

protected:
    bool Refill() override;

private:
    Bytes bytes_;
    std::size_t piece_;
    std::size_t taken_ = 0;
};

class VectorSink : public LzhSink {
public:
    VectorSink() { Lend(buffer_, sizeof buffer_); }
    Bytes Take();

protected:
    void Drain() override;

private:
    std::uint8_t buffer_[5];
    Bytes bytes_;
};

Bytes LzhEncoded(const Bytes& input);
Bytes LzhDecoded(const Bytes& coded, std::int32_t size);

}  // namespace velmora::testing
