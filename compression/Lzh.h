#pragma once
// TLZH: the codec of the container's mode Good (magic "!HZL"), the one every card set is written
// with. LZSS over a 4096-byte window with matches of 3 to 60 bytes found in binary search trees,
// and one adaptive Huffman code over 256 literals and 58 match lengths; a match's distance follows
// as a fixed prefix code for its upper 6 bits and its lower 6 bits as they are. The output is one
// bit stream, most significant bit first.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "compression/CompressionErrors.h"

namespace velmora {

// Where the codec takes its input from, one byte at a time. A subclass hands out the bytes of a
// buffer that it refills when the codec has taken them all.
class LzhSource {
public:
    virtual ~LzhSource() = default;

    // The next input byte; false at the end of the input, and on every call after it.
    bool Next(std::uint8_t& byte) {
        if (next_ == end_ && !Refill()) return false;
        byte = *next_++;
        return true;
    }

    // The bytes already held, which can be taken without asking for more input.
    std::size_t Held() const { return static_cast<std::size_t>(end_ - next_); }
    const std::uint8_t* HeldBytes() const { return next_; }
    void Take(std::size_t count) { next_ += count; }

protected:
    // Points [next, end) at the next bytes of input; false when there are none.
    virtual bool Refill() = 0;
    void Offer(const std::uint8_t* bytes, std::size_t count) {
        next_ = bytes;
        end_ = bytes + count;
    }

private:
    const std::uint8_t* next_ = nullptr;
    const std::uint8_t* end_ = nullptr;
};

// Where the codec puts its output, one byte at a time. A subclass lends a buffer and takes its
// content away whenever it is full; it raises its own exception when it cannot.
class LzhSink {
public:
    virtual ~LzhSink() = default;

    void Put(std::uint8_t byte) {
        if (next_ == end_) Drain();
        *next_++ = byte;
    }

    // Puts count bytes (up to 64); bytes may be read up to 8 beyond the count.
    void Put(const std::uint8_t* bytes, std::size_t count) {
        if (static_cast<std::size_t>(end_ - next_) < count + 8) {
            for (std::size_t i = 0; i < count; ++i) Put(bytes[i]);
            return;
        }
        // Whole words, the last one reaching past the count into room that later bytes take.
        for (std::size_t i = 0; i < count; i += 8) std::memcpy(next_ + i, bytes + i, 8);
        next_ += count;
    }

protected:
    // Hands on the bytes held and lends room again with Lend.
    virtual void Drain() = 0;
    void Lend(std::uint8_t* buffer, std::size_t capacity) {
        start_ = next_ = buffer;
        end_ = buffer + capacity;
    }
    std::size_t Held() const { return static_cast<std::size_t>(next_ - start_); }

private:
    std::uint8_t* start_ = nullptr;
    std::uint8_t* next_ = nullptr;
    std::uint8_t* end_ = nullptr;
};

class TLZH {
public:
    // Codes everything the source gives; returns the number of input bytes coded. Raises
    // ElzhException("LZH : Cannot get memory for dictionary tables") when its tables cannot be had.
    std::int32_t EncodeStream(LzhSink& sink, LzhSource& source);

    // Decodes until size bytes have gone to the sink (nothing for a size of 0 or less). Missing input
    // reads as 0 bits; the last match is copied whole, so the sink may get a few bytes more than size.
    void DecodeStream(std::int32_t size, LzhSink& sink, LzhSource& source);
};

}  // namespace velmora
