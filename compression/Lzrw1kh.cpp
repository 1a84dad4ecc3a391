#include "compression/Lzrw1kh.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

namespace velmora {

namespace {

constexpr std::uint32_t BlockSize = TLZR::BlockSize;
constexpr std::uint32_t BufferSpare = TLZR::BufferSpare;
constexpr std::size_t TableEntries = 4096;
constexpr std::uint16_t NoPosition = 0xFFFF;
constexpr std::uint8_t StoredFlag = 0x80;
constexpr std::uint8_t CodedFlag = 0x40;
constexpr std::uint32_t MinRun = 16;
constexpr std::uint32_t MaxRun = 4095;
constexpr std::uint32_t MinMatch = 3;
constexpr std::uint32_t MaxMatch = 18;
constexpr std::uint32_t MaxDistance = 4095;
constexpr std::uint32_t ItemsPerGroup = 16;

[[noreturn]] void RefuseBlock() {
    throw ELzrw1Exception(TLZR::DamagedBlockText);
}

// Length of the run of bytes equal to src[x] from x on, whose first 16 bytes are known to be
// equal: at most 4095 and never past the block.
std::uint32_t RunLength(const std::uint8_t* src, std::uint32_t n, std::uint32_t x) {
    const std::uint8_t value = src[x];
    const std::uint32_t limit = std::min(n - x, MaxRun);
    std::uint32_t size = MinRun;
    while (size < limit && src[x + size] == value) ++size;
    return size;
}

std::uint64_t Load64(const std::uint8_t* at) {
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    return word;
}

std::uint32_t HashIndex(std::uint32_t b0, std::uint32_t b1, std::uint32_t b2) {
    const std::uint32_t h = ((((b0 * 16u) ^ b1) * 16u) ^ b2);
    return ((h * 40543u) >> 4) & (TableEntries - 1);
}

// The same from the first three bytes of a little-endian word.
std::uint32_t HashIndex(std::uint64_t word) { return HashIndex(word & 0xFF, (word >> 8) & 0xFF, (word >> 16) & 0xFF); }

void StoreBigEndian16(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

// The items of a block as they are coded. The control bits of the current group stay in a register,
// below a leading 1 that shows how many there are, and go out when the group is full.
class ItemWriter {
public:
    explicit ItemWriter(std::uint8_t* dst) : dst_(dst) {}

    std::uint32_t Size() const { return y_; }

    // Opens a new group, with room for its control word, when the current one holds 16 items.
    void StartItem() {
        if (control_ >= GroupFull) [[unlikely]] {
            StoreBigEndian16(dst_ + controlAt_, control_);
            controlAt_ = y_;
            y_ += 2;
            control_ = 1;
        }
    }

    void Literal(std::uint8_t value) {
        dst_[y_++] = value;
        control_ <<= 1;
    }

    void Copy(std::uint32_t distance, std::uint32_t length) {
        StoreBigEndian16(dst_ + y_, distance * 16 + (length - MinMatch));
        y_ += 2;
        control_ = control_ << 1 | 1;
    }

    void Run(std::uint32_t length, std::uint8_t value) {
        dst_[y_] = 0;
        StoreBigEndian16(dst_ + y_ + 1, length - MinRun);
        dst_[y_ + 3] = value;
        y_ += 4;
        control_ = control_ << 1 | 1;
    }

    // The bits of a last, partly filled group go to the top of its word.
    void Finish() {
        while (control_ < GroupFull) control_ <<= 1;
        StoreBigEndian16(dst_ + controlAt_, control_);
    }

private:
    static constexpr std::uint32_t GroupFull = 1u << ItemsPerGroup;

    std::uint8_t* dst_;
    std::uint32_t y_ = 3;
    std::uint32_t controlAt_ = 1;
    std::uint32_t control_ = 1;
};

// Length of the match of x with the earlier position, given that their first three bytes agree and
// differ holds the difference of their first eight; x has at least 16 bytes left in the block.
std::uint32_t MatchLength(const std::uint8_t* src, std::uint32_t n, std::uint32_t x, std::uint32_t position,
                          std::uint64_t differ) {
    if (differ != 0) return static_cast<std::uint32_t>(std::countr_zero(differ)) / 8;
    const std::uint64_t differMore = Load64(src + x + 8) ^ Load64(src + position + 8);
    if (differMore != 0) return 8 + static_cast<std::uint32_t>(std::countr_zero(differMore)) / 8;
    const std::uint32_t limit = std::min(MaxMatch, n - x);
    std::uint32_t length = 16;
    while (length < limit && src[x + length] == src[position + length]) ++length;
    return length;
}

// Codes the item at x, which has at least 16 bytes left in the block, from words rather than bytes;
// returns the number of bytes the item covers. Inlined: it runs for nearly every byte of varied data.
[[gnu::always_inline]] inline std::uint32_t CodeItemFromWords(std::uint16_t* table, const std::uint8_t* src,
                                                              std::uint32_t n, std::uint32_t x, ItemWriter& out) {
    const std::uint64_t first = Load64(src + x);
    // Runs are looked for before matches. A run starts with eight equal bytes, which one rotation
    // tells; the second word is only read then.
    if (first == std::rotr(first, 8)) [[unlikely]] {
        if (Load64(src + x + 8) == first) {
            const std::uint32_t run = RunLength(src, n, x);
            out.Run(run, src[x]);
            return run;
        }
    }
    std::uint16_t& entry = table[HashIndex(first)];
    const std::uint32_t candidate = entry;
    entry = static_cast<std::uint16_t>(x);
    // Recorded positions are earlier than x, so 8 bytes from there stay inside the block. An empty
    // entry is farther away than any position, and is compared with x itself to keep the read safe.
    const std::uint32_t position = std::min(candidate, x);
    const std::uint64_t differ = first ^ Load64(src + position);
    // One test for "a recorded position, near enough, with the same three bytes": on varied data
    // each part of it is as good as random, and one unpredictable branch costs less than three.
    if (((differ & 0xFFFFFF) | ((x - candidate) >> 12)) != 0) {
        out.Literal(static_cast<std::uint8_t>(first));
        return 1;
    }
    const std::uint32_t length = MatchLength(src, n, x, position, differ);
    out.Copy(x - position, length);
    return length;
}

// Codes the item at x when fewer than 16 bytes are left, too few for a run; returns the number of
// bytes it covers.
std::uint32_t CodeItemNearEnd(std::uint16_t* table, const std::uint8_t* src, std::uint32_t n, std::uint32_t x,
                              ItemWriter& out) {
    // The last two positions have no three bytes to hash, and no match could reach 3 bytes there.
    if (x + MinMatch <= n) {
        const std::uint8_t* const here = src + x;
        std::uint16_t& entry = table[HashIndex(here[0], here[1], here[2])];
        const std::uint32_t candidate = entry;
        entry = static_cast<std::uint16_t>(x);
        if (candidate != NoPosition && x - candidate <= MaxDistance &&
            std::memcmp(here, src + candidate, MinMatch) == 0) {
            const std::uint32_t limit = std::min(MaxMatch, n - x);
            std::uint32_t length = MinMatch;
            while (length < limit && here[length] == src[candidate + length]) ++length;
            out.Copy(x - candidate, length);
            return length;
        }
    }
    out.Literal(src[x]);
    return 1;
}

// Restores the items of a coded block. The control word is held left-aligned in 32 bits, so that
// the number of literals in a row is its count of leading zeros: a row of literals is copied at
// once, where varied data has most of its items. Every item is bounded before it is written; the
// wide copies may write up to 15 bytes beyond the block's output, which the destination's spare
// bytes take and later items overwrite.
class BlockDecoder {
public:
    BlockDecoder(const std::uint8_t* src, std::uint32_t end, std::uint8_t* dst) : src_(src), end_(end), dst_(dst) {}

    std::uint32_t Run() {
        control_ = static_cast<std::uint32_t>(src_[1] << 8 | src_[2]) << 16;
        while (x_ < end_) {
            if (left_ == 0) NextControlWord();
            CopyLiterals();
            if (left_ == 0 || x_ >= end_) continue;
            CopyItem();
            control_ <<= 1;
            --left_;
        }
        return y_;
    }

private:
    static constexpr std::uint32_t DestinationSize = BlockSize + BufferSpare;

    void NextControlWord() {
        if (x_ + 2 >= end_) RefuseBlock();  // a control word with no item after it
        control_ = static_cast<std::uint32_t>(src_[x_] << 8 | src_[x_ + 1]) << 16;
        x_ += 2;
        left_ = ItemsPerGroup;
    }

    // The literals that come next in this group (none, or up to 16).
    void CopyLiterals() {
        const std::uint32_t count =
            std::min({static_cast<std::uint32_t>(std::countl_zero(control_)), left_, end_ - x_});
        // Whether a literal comes next is as good as random on varied data: none is copied the same
        // way as some, rather than after a branch that mispredicts.
        if (count > BlockSize - y_) RefuseBlock();
        // y + count stays within the block, so 16 bytes from y stay within the destination.
        if (x_ + 16 <= end_) {
            std::memcpy(dst_ + y_, src_ + x_, 16);
        } else {
            std::memcpy(dst_ + y_, src_ + x_, count);
        }
        x_ += count;
        y_ += count;
        control_ <<= count;
        left_ -= count;
    }

    void CopyItem() {
        if (x_ + 2 > end_) RefuseBlock();
        const std::uint32_t offset = src_[x_] << 4 | src_[x_ + 1] >> 4;
        if (offset == 0) {
            if (x_ + 4 > end_) RefuseBlock();
            const std::uint32_t count = (src_[x_ + 1] << 8 | src_[x_ + 2]) + MinRun;
            if (count > BlockSize - y_) RefuseBlock();
            std::memset(dst_ + y_, src_[x_ + 3], count);
            x_ += 4;
            y_ += count;
            return;
        }
        const std::uint32_t size = (src_[x_ + 1] & 0x0Fu) + MinMatch;
        if (offset > y_ || size > BlockSize - y_) RefuseBlock();
        CopyMatch(offset, size);
        x_ += 2;
        y_ += size;
    }

    // Repeats the size bytes (3 to 18) that start offset bytes back.
    void CopyMatch(std::uint32_t offset, std::uint32_t size) {
        std::uint8_t* const out = dst_ + y_;
        const std::uint8_t* const from = out - offset;
        if (offset >= MaxMatch) {
            // The source ends where the copy starts: one 18-byte copy whatever the size, with no
            // branch on it and no load of a byte this copy has just stored.
            std::memcpy(out, from, MaxMatch);
        } else if (offset >= 8 && y_ + 24 <= DestinationSize) {
            // Each word is read only after the words it overlaps have been written.
            std::memcpy(out, from, 8);
            std::memcpy(out + 8, from + 8, 8);
            if (size > 16) std::memcpy(out + 16, from + 16, 8);
        } else if (offset == 1) {
            std::memset(out, out[-1], size);
        } else {
            // The match overlaps what it produces: byte by byte repeats the pattern.
            for (std::uint32_t k = 0; k < size; ++k) out[k] = from[k];
        }
    }

    const std::uint8_t* src_;
    std::uint32_t end_;
    std::uint8_t* dst_;
    std::uint32_t control_ = 0;  // the bits of the items still to come, the next one highest
    std::uint32_t left_ = ItemsPerGroup;
    std::uint32_t x_ = 3;
    std::uint32_t y_ = 0;
};

}  // namespace

TLZR::TLZR() {
    positionTable_.reset(new (std::nothrow) std::uint16_t[TableEntries]);
    if (!positionTable_) throw ELzrw1KHCompressor(VELMORA_TRANSLATE_NOOP("Errors", "LZRW1KH : no memory for HASH table"));
}

std::uint16_t TLZR::CompressBlock(const std::uint8_t* src, std::uint8_t* dst, std::uint16_t n) {
    // A local copy of the table's address: the byte stores below could otherwise alias it.
    std::uint16_t* const table = positionTable_.get();
    std::fill_n(table, TableEntries, NoPosition);
    dst[0] = CodedFlag;
    ItemWriter out(dst);
    std::uint32_t x = 0;
    // Coding stops as soon as the items outgrow the block, which then goes out as it came in.
    while (x + MinRun <= n && out.Size() <= n) {
        out.StartItem();
        x += CodeItemFromWords(table, src, n, x, out);
    }
    while (x < n && out.Size() <= n) {
        out.StartItem();
        x += CodeItemNearEnd(table, src, n, x, out);
    }
    out.Finish();
    if (out.Size() > n) {
        dst[0] = StoredFlag;
        if (n > 0) std::memcpy(dst + 1, src, n);
        return static_cast<std::uint16_t>(n + 1);
    }
    return static_cast<std::uint16_t>(out.Size());
}

std::uint16_t TLZR::DecompressBlock(const std::uint8_t* src, std::uint8_t* dst, std::uint16_t length) {
    const std::uint32_t end = length;
    if (end > MaxCodedLength) RefuseBlock();
    if (end < 2) return 0;
    if (src[0] == StoredFlag) {
        std::memcpy(dst, src + 1, end - 1);
        return static_cast<std::uint16_t>(end - 1);
    }
    if (end < 3) RefuseBlock();
    BlockDecoder decoder(src, end, dst);
    return static_cast<std::uint16_t>(decoder.Run());
}

}  // namespace velmora
