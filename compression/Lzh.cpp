#include "compression/Lzh.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "compression/LzhBits.h"
#include "compression/LzhCodeTable.h"
#include "compression/LzhHuffman.h"
#include "compression/LzhMatchTrees.h"
#include "compression/LzhPositionCode.h"
#include "text/Phrase.h"

namespace velmora {

namespace {

constexpr unsigned WindowSize = LzhMatchTrees::WindowSize;
constexpr unsigned WindowMask = WindowSize - 1;
constexpr unsigned MaxMatch = LzhMatchTrees::MaxMatch;
constexpr unsigned MinMatch = LzhMatchTrees::MinMatch;
constexpr unsigned FirstFill = WindowSize - MaxMatch;  // where the first input byte goes
constexpr unsigned LiteralSymbols = 256;
constexpr unsigned MatchSymbolBase = LiteralSymbols - MinMatch;  // symbol of a match of length L
constexpr std::uint8_t Blank = 0x20;

struct EncoderTables {
    LzhHuffman huffman;
    LzhMatchTrees trees;
};

struct DecoderTables {
    LzhHuffman huffman;
    LzhCodeTable codes;
    // The window, then room for the bytes that follow it until it is moved back to the start.
    static constexpr unsigned HistorySize = WindowSize + 32768;
    std::uint8_t history[HistorySize];
};

// Value-initialised, so every byte the codec may look at before setting it is 0.
template <class Tables>
std::unique_ptr<Tables> AllocateTables() {
    try {
        return std::make_unique<Tables>();
    } catch (const std::bad_alloc&) {
        throw ElzhException(VELMORA_TRANSLATE_NOOP("Errors", "LZH : Cannot get memory for dictionary tables"));
    }
}

void PutSymbol(LzhBitWriter& writer, LzhHuffman& huffman, unsigned symbol) {
    const LzhHuffman::Code code = huffman.CodeAndCount(symbol);
    writer.Put(code.bits, code.length);
}

class Encoder {
public:
    Encoder(LzhSink& sink, LzhSource& source, EncoderTables& tables)
        : source_(source), writer_(sink), huffman_(tables.huffman), trees_(tables.trees) {}

    std::int32_t Run() {
        huffman_.Reset();
        trees_.Reset();
        std::fill_n(trees_.Window(), FirstFill, Blank);
        std::uint32_t coded = FillLookAhead();
        // The blanks before the first byte are in the trees, so the input may start with a match.
        for (unsigned i = 1; i <= MaxMatch; ++i) trees_.Insert(r_ - i);
        trees_.Add(r_);
        do {
            const unsigned length = PutItem();
            coded += Advance(length);
        } while (ahead_ > 0);
        writer_.Flush();
        return static_cast<std::int32_t>(coded);
    }

private:
    std::uint32_t FillLookAhead() {
        std::uint8_t byte = 0;
        while (ahead_ < static_cast<int>(MaxMatch) && source_.Next(byte)) trees_.Window()[r_ + ahead_++] = byte;
        return static_cast<std::uint32_t>(ahead_);
    }

    // Codes what starts at r as a literal or a match; returns the number of bytes it covers.
    unsigned PutItem() {
        const unsigned length = std::min(trees_.MatchLength(), static_cast<unsigned>(std::max(ahead_, 0)));
        if (length < MinMatch) {
            PutSymbol(writer_, huffman_, trees_.Window()[r_]);
            return 1;
        }
        PutSymbol(writer_, huffman_, MatchSymbolBase + length);
        PutPosition(writer_, trees_.MatchPosition());
        return length;
    }

    // Slides the window by count bytes, taking new input while there is some; returns the number
    // of input bytes taken.
    std::uint32_t Advance(unsigned count) {
        unsigned i = 0;
        std::uint8_t byte = 0;
        while (i < count && source_.Next(byte)) {
            Slide(byte);
            ++i;
            Enter(i == count);
        }
        const unsigned taken = i;
        // The input is used up: the look-ahead shrinks instead.
        for (; i < count; ++i) {
            trees_.Remove(s_);
            s_ = (s_ + 1) & WindowMask;
            r_ = (r_ + 1) & WindowMask;
            if (--ahead_ != 0) Enter(i + 1 == count);
        }
        return taken;
    }

    // Enters r into the trees. Only the last position an item covers needs its match, for the next item.
    void Enter(bool last) {
        if (last) {
            trees_.Add(r_);
        } else {
            trees_.Insert(r_);
        }
    }

    void Slide(std::uint8_t byte) {
        trees_.Remove(s_);
        trees_.Store(s_, byte);
        s_ = (s_ + 1) & WindowMask;
        r_ = (r_ + 1) & WindowMask;
    }

    LzhSource& source_;
    LzhBitWriter writer_;
    LzhHuffman& huffman_;
    LzhMatchTrees& trees_;
    unsigned s_ = 0;          // the oldest window position, the next to be replaced
    unsigned r_ = FirstFill;  // the position being coded
    // Bytes from r on that are still to be coded; an empty input codes one literal and ends at -1.
    int ahead_ = 0;
};

// The window is kept as the last 4096 bytes of a straight history rather than a ring, so that a
// match is one copy in words that may run a few bytes past its end into room not yet written.
class Decoder {
public:
    Decoder(LzhSink& sink, LzhSource& source, DecoderTables& tables)
        : sink_(sink), reader_(source), huffman_(tables.huffman), codes_(tables.codes), history_(tables.history) {}

    void Run(std::int32_t size) {
        huffman_.Reset();
        // Ring positions 0 to 4035 start as blanks, the rest as 0; output byte c is at ring position
        // 4036 + c, here at 4096 + c.
        std::fill_n(history_ + WindowSize - FirstFill, FirstFill, Blank);
        std::int64_t count = 0;
        while (count < size) {
            if (at_ > DecoderTables::HistorySize - MaxMatch - 8) KeepWindowOnly();
            const unsigned symbol = codes_.GetSymbol(reader_, huffman_);
            if (symbol < LiteralSymbols) {
                const auto byte = static_cast<std::uint8_t>(symbol);
                history_[at_++] = byte;
                sink_.Put(byte);
                ++count;
            } else {
                const unsigned distance = GetPosition(reader_) + 1;
                const unsigned length = symbol - MatchSymbolBase;
                CopyMatch(distance, length);
                count += length;
            }
        }
    }

private:
    // Repeats the length bytes that start distance bytes back, one at a time in effect: a match
    // that overlaps what it produces repeats its pattern.
    void CopyMatch(unsigned distance, unsigned length) {
        std::uint8_t* const out = history_ + at_;
        const std::uint8_t* const in = out - distance;
        at_ += length;
        if (distance < 8) {
            for (unsigned k = 0; k < length; ++k) {
                out[k] = in[k];
                sink_.Put(out[k]);
            }
            return;
        }
        // Eight at a time: each piece reads only bytes that earlier pieces have written.
        for (unsigned k = 0; k < length; k += 8) std::memcpy(out + k, in + k, 8);
        sink_.Put(out, length);
    }

    void KeepWindowOnly() {
        std::memmove(history_, history_ + at_ - WindowSize, WindowSize);
        at_ = WindowSize;
    }

    LzhSink& sink_;
    LzhBitReader reader_;
    LzhHuffman& huffman_;
    LzhCodeTable& codes_;
    std::uint8_t* history_;
    unsigned at_ = WindowSize;  // where the next byte goes
};

}  // namespace

std::int32_t TLZH::EncodeStream(LzhSink& sink, LzhSource& source) {
    const auto tables = AllocateTables<EncoderTables>();
    return Encoder(sink, source, *tables).Run();
}

void TLZH::DecodeStream(std::int32_t size, LzhSink& sink, LzhSource& source) {
    if (size <= 0) return;
    const auto tables = AllocateTables<DecoderTables>();
    Decoder(sink, source, *tables).Run(size);
}

}  // namespace velmora
