#pragma once
// The bit stream of the LZH codec: bits packed most significant first, each byte handed on as
// soon as it is complete.

#include <algorithm>
#include <cstdint>

#include "compression/Lzh.h"

namespace velmora {

class LzhBitWriter {
public:
    explicit LzhBitWriter(LzhSink& sink) : sink_(sink) {}

    // Appends the low count bits of value (count up to 32), the highest of them first.
    void Put(std::uint32_t value, unsigned count) {
        pending_ = pending_ << count | (value & ((std::uint64_t{1} << count) - 1));
        held_ += count;
        while (held_ >= 8) {
            held_ -= 8;
            sink_.Put(static_cast<std::uint8_t>(pending_ >> held_));
        }
    }

    // Sends a last, partly filled byte with its low bits 0; sends nothing when no bit is pending.
    void Flush() {
        if (held_ > 0) sink_.Put(static_cast<std::uint8_t>(pending_ << (8 - held_)));
        held_ = 0;
    }

private:
    LzhSink& sink_;
    std::uint64_t pending_ = 0;
    unsigned held_ = 0;
};

// Reads past the end of the input as 0 bits. It asks for input as a reader taking one bit at a
// time would that tops its buffer up to at least 9 bits before every bit: bytes the source already
// holds are taken up to eight at a time, but the source is asked for more one byte at a time and
// only while too few bits are held, so the reader never asks for more than two bytes beyond the
// last one it uses, however the input is cut into pieces.
class LzhBitReader {
public:
    explicit LzhBitReader(LzhSource& source) : source_(source) {}

    unsigned Bit() {
        if (held_ < 9) TopUp(9);
        --held_;
        return static_cast<unsigned>(buffer_ >> held_) & 1u;
    }

    // The next count bits (up to 9) as a number, without taking them.
    unsigned Peek(unsigned count) {
        if (held_ < 9) TopUp(9);
        return static_cast<unsigned>(buffer_ >> (held_ - count)) & ((1u << count) - 1);
    }

    // Takes count bits (up to 16) after a Peek, asking for input exactly when reading them one at a
    // time would: then 9 bits are held before each of them, so 8 + count before the first.
    unsigned Take(unsigned count) {
        if (held_ < 8 + count) TopUp(8 + count);
        held_ -= count;
        return static_cast<unsigned>(buffer_ >> held_) & ((1u << count) - 1);
    }

private:
    void TopUp(unsigned wanted) {
        TakeHeldBytes();
        while (held_ < wanted) {
            std::uint8_t byte = 0;
            source_.Next(byte);
            buffer_ = buffer_ << 8 | byte;
            held_ += 8;
            TakeHeldBytes();
        }
    }

    // Fills the buffer from what the source holds, as far as whole bytes fit.
    void TakeHeldBytes() {
        const std::size_t room = (64 - held_) / 8;
        const std::size_t count = std::min(room, source_.Held());
        if (count == 0) return;
        const std::uint8_t* const bytes = source_.HeldBytes();
        for (std::size_t i = 0; i < count; ++i) buffer_ = buffer_ << 8 | bytes[i];
        held_ += static_cast<unsigned>(8 * count);
        source_.Take(count);
    }

    LzhSource& source_;
    std::uint64_t buffer_ = 0;  // the low held_ bits are the next bits of the stream
    unsigned held_ = 0;
};

}  // namespace velmora
