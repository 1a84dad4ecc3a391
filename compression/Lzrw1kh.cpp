#include "compression/Lzrw1kh.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

namespace velmora {

namespace {

constexpr std::size_t TableEntries = 4096;
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

void StoreControl(std::uint8_t* dst, std::uint32_t at, std::uint32_t control) {
    dst[at] = static_cast<std::uint8_t>(control >> 8);
    dst[at + 1] = static_cast<std::uint8_t>(control);
}

// Number of bytes from x on that equal src[x], at most 4095 and never past the block; 0 when there
// are fewer than 16, which is all a caller needs to know then.
std::uint32_t RunLength(const std::uint8_t* src, std::uint32_t n, std::uint32_t x) {
    const std::uint8_t value = src[x];
    const std::uint32_t limit = std::min(n - x, MaxRun);
    std::uint32_t size = 1;
    while (size < limit && src[x + size] == value) ++size;
    return size >= MinRun ? size : 0;
}

std::uint64_t Load64(const std::uint8_t* at) {
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    return word;
}

// Whether the 16 bytes in two little-endian words are all equal.
bool SixteenEqual(std::uint64_t first, std::uint64_t second) {
    const std::uint64_t spread = (first & 0xFF) * 0x0101010101010101ull;
    return ((first ^ spread) | (second ^ spread)) == 0;
}

// Repeats the size bytes that start offset bytes back. Whole words where the match does not
// overlap what it produces within a word; they may write up to 7 bytes beyond the match, which the
// 16 spare bytes of the destination take and later items overwrite.
void CopyMatch(std::uint8_t* out, std::uint32_t offset, std::uint32_t size) {
    const std::uint8_t* from = out - offset;
    if (offset >= 8) {
        for (std::uint32_t k = 0; k < size; k += 8) std::memcpy(out + k, from + k, 8);
    } else {
        // The match overlaps what it produces: byte by byte repeats the pattern.
        for (std::uint32_t k = 0; k < size; ++k) out[k] = from[k];
    }
}

std::uint32_t HashIndex(std::uint32_t b0, std::uint32_t b1, std::uint32_t b2) {
    const std::uint32_t h = ((((b0 * 16u) ^ b1) * 16u) ^ b2);
    return ((h * 40543u) >> 4) & (TableEntries - 1);
}

std::uint32_t HashIndex(const std::uint8_t* at) { return HashIndex(at[0], at[1], at[2]); }

}  // namespace

TLZR::TLZR() {
    positionTable_.reset(new (std::nothrow) std::int16_t[TableEntries]);
    if (!positionTable_) throw ELzrw1KHCompressor("LZRW1KH : no memory for HASH table");
}

// Inlined, since it runs once for nearly every byte of varied data.
[[gnu::always_inline]] inline TLZR::Match TLZR::FindMatch(std::int16_t* table, const std::uint8_t* src, std::uint32_t n,
                                                           std::uint32_t x) {
    // The last two positions have no three bytes to hash, and no match could reach 3 bytes there.
    if (x + MinMatch > n) return {0, 0};
    const std::uint8_t* const here = src + x;
    std::int16_t& entry = table[HashIndex(here)];
    const std::int32_t candidate = entry;
    entry = static_cast<std::int16_t>(x);
    // One test for "a recorded position, near enough, with the same three bytes": on varied data
    // each part of it is as good as random, and one unpredictable branch costs less than three.
    const auto position = static_cast<std::uint32_t>(candidate < 0 ? static_cast<std::int32_t>(x) : candidate);
    const std::uint8_t* const there = src + position;
    const unsigned differ = (here[0] ^ there[0]) | (here[1] ^ there[1]) | (here[2] ^ there[2]);
    const bool found = (candidate >= 0) & (x - position <= MaxDistance) & (differ == 0);
    if (!found) return {0, 0};
    const std::uint32_t limit = std::min(MaxMatch, n - x);
    std::uint32_t length = MinMatch;
    while (length < limit && here[length] == there[length]) ++length;
    return {position, length};
}

// FindMatch for a position with at least 16 bytes left in the block, from the first 16 bytes there
// as two words: the same answer with fewer loads and one unpredictable branch instead of several.
[[gnu::always_inline]] inline TLZR::Match TLZR::FindMatchInWords(std::int16_t* table, const std::uint8_t* src,
                                                                 std::uint32_t n, std::uint32_t x, std::uint64_t first,
                                                                 std::uint64_t second) {
    std::int16_t& entry = table[HashIndex(first & 0xFF, (first >> 8) & 0xFF, (first >> 16) & 0xFF)];
    const std::int32_t candidate = entry;
    entry = static_cast<std::int16_t>(x);
    const auto position = static_cast<std::uint32_t>(candidate < 0 ? static_cast<std::int32_t>(x) : candidate);
    // Positions are earlier than x, so 16 bytes from there stay inside the block as well.
    const std::uint64_t differ = first ^ Load64(src + position);
    // One test for "a recorded position, near enough, with the same three bytes": on varied data
    // each part of it is as good as random, and one unpredictable branch costs less than three.
    const auto none = static_cast<std::uint32_t>(candidate) >> 31;
    const auto far = static_cast<std::uint32_t>(x - position > MaxDistance);
    if (((differ & 0xFFFFFF) | none | far) != 0) return {0, 0};
    if (differ != 0) return {position, static_cast<std::uint32_t>(std::countr_zero(differ)) / 8};
    const std::uint64_t differMore = second ^ Load64(src + position + 8);
    if (differMore != 0) return {position, 8 + static_cast<std::uint32_t>(std::countr_zero(differMore)) / 8};
    const std::uint32_t limit = std::min(MaxMatch, n - x);
    std::uint32_t length = 16;
    while (length < limit && src[x + length] == src[position + length]) ++length;
    return {position, length};
}

std::uint16_t TLZR::CompressBlock(const std::uint8_t* src, std::uint8_t* dst, std::uint16_t n) {
    // A local copy of the table's address: the byte stores below could otherwise alias it.
    std::int16_t* const table = positionTable_.get();
    std::fill_n(table, TableEntries, std::int16_t{-1});
    dst[0] = CodedFlag;
    std::uint32_t x = 0;
    std::uint32_t y = 3;
    std::uint32_t controlAt = 1;
    // The control bits of the current group, below a leading 1 that shows how many there are.
    constexpr std::uint32_t GroupFull = 1u << ItemsPerGroup;
    std::uint32_t control = 1;
    while (x < n && y <= n) {
        if (control >= GroupFull) {
            StoreControl(dst, controlAt, control);
            controlAt = y;
            y += 2;
            control = 1;
        }
        // Runs are looked for before matches.
        std::uint32_t run = 0;
        Match match{0, 0};
        if (x + MinRun <= n) {
            const std::uint64_t first = Load64(src + x);
            const std::uint64_t second = Load64(src + x + 8);
            if (SixteenEqual(first, second)) {
                run = RunLength(src, n, x);
            } else {
                match = FindMatchInWords(table, src, n, x, first, second);
            }
        } else {
            run = RunLength(src, n, x);
            if (run == 0) match = FindMatch(table, src, n, x);
        }
        if (run != 0) {
            dst[y] = 0;
            dst[y + 1] = static_cast<std::uint8_t>((run - MinRun) >> 8);
            dst[y + 2] = static_cast<std::uint8_t>(run - MinRun);
            dst[y + 3] = src[x];
            y += 4;
            x += run;
            control = control << 1 | 1;
        } else if (match.length != 0) {
            const std::uint32_t key = (x - match.position) * 16 + (match.length - MinMatch);
            dst[y] = static_cast<std::uint8_t>(key >> 8);
            dst[y + 1] = static_cast<std::uint8_t>(key);
            y += 2;
            x += match.length;
            control = control << 1 | 1;
        } else {
            dst[y++] = src[x++];
            control <<= 1;
        }
    }
    // The bits of a last, partly filled group go to the top of its word.
    while (control < GroupFull) control <<= 1;
    StoreControl(dst, controlAt, control);
    if (y > n) {
        // Coding did not pay: the block goes out as it came in.
        dst[0] = StoredFlag;
        if (n > 0) std::memcpy(dst + 1, src, n);
        return static_cast<std::uint16_t>(n + 1);
    }
    return static_cast<std::uint16_t>(y);
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
    std::uint32_t control = src[1] << 8 | src[2];
    std::uint32_t left = ItemsPerGroup;
    std::uint32_t x = 3;
    std::uint32_t y = 0;
    while (x < end) {
        if (left == 0) {
            if (x + 2 >= end) RefuseBlock();  // a control word with no item after it
            control = src[x] << 8 | src[x + 1];
            x += 2;
            left = ItemsPerGroup;
        }
        if ((control & 0xFF00) == 0 && left >= 8 && x + 8 <= end && y + 8 <= BlockSize) {
            // Eight literals in a row, as varied data has them: one copy instead of eight.
            std::memcpy(dst + y, src + x, 8);
            x += 8;
            y += 8;
            control <<= 8;
            left -= 8;
            continue;
        }
        if ((control & 0x8000) == 0) {
            if (y >= BlockSize) RefuseBlock();
            dst[y++] = src[x++];
        } else {
            if (x + 2 > end) RefuseBlock();
            const std::uint32_t offset = src[x] << 4 | src[x + 1] >> 4;
            if (offset == 0) {
                if (x + 4 > end) RefuseBlock();
                const std::uint32_t count = (src[x + 1] << 8 | src[x + 2]) + MinRun;
                if (count > BlockSize - y) RefuseBlock();
                std::memset(dst + y, src[x + 3], count);
                x += 4;
                y += count;
            } else {
                const std::uint32_t size = (src[x + 1] & 0x0Fu) + MinMatch;
                if (offset > y || size > BlockSize - y) RefuseBlock();
                CopyMatch(dst + y, offset, size);
                x += 2;
                y += size;
            }
        }
        control <<= 1;
        --left;
    }
    return static_cast<std::uint16_t>(y);
}

}  // namespace velmora
