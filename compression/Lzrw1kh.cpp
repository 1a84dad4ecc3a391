#include "compression/Lzrw1kh.h"

#include <algorithm>
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

// Number of bytes from x on that equal src[x], at most 4095 and never past the block.
std::uint32_t RunLength(const std::uint8_t* src, std::uint32_t n, std::uint32_t x) {
    const std::uint32_t limit = std::min(n - x, MaxRun);
    const std::uint8_t value = src[x];
    std::uint32_t size = 1;
    while (size < limit && src[x + size] == value) ++size;
    return size;
}

std::uint32_t HashIndex(const std::uint8_t* at) {
    const std::uint32_t h = ((((at[0] * 16u) ^ at[1]) * 16u) ^ at[2]);
    return ((h * 40543u) >> 4) & (TableEntries - 1);
}

}  // namespace

TLZR::TLZR() {
    positionTable_.reset(new (std::nothrow) std::int16_t[TableEntries]);
    if (!positionTable_) throw ELzrw1KHCompressor("LZRW1KH : no memory for HASH table");
}

TLZR::Match TLZR::FindMatch(const std::uint8_t* src, std::uint32_t n, std::uint32_t x) {
    // The last two positions have no three bytes to hash, and no match could reach 3 bytes there.
    if (x + MinMatch > n) return {0, 0};
    std::int16_t& entry = positionTable_[HashIndex(src + x)];
    const std::int32_t candidate = entry;
    entry = static_cast<std::int16_t>(x);
    if (candidate < 0 || x - static_cast<std::uint32_t>(candidate) > MaxDistance) return {0, 0};
    const auto position = static_cast<std::uint32_t>(candidate);
    const std::uint32_t limit = std::min(MaxMatch, n - x);
    std::uint32_t length = 0;
    while (length < limit && src[x + length] == src[position + length]) ++length;
    if (length < MinMatch) return {0, 0};
    return {position, length};
}

std::uint16_t TLZR::CompressBlock(const std::uint8_t* src, std::uint8_t* dst, std::uint16_t n) {
    std::fill_n(positionTable_.get(), TableEntries, std::int16_t{-1});
    dst[0] = CodedFlag;
    std::uint32_t x = 0;
    std::uint32_t y = 3;
    std::uint32_t controlAt = 1;
    std::uint32_t items = 0;
    std::uint32_t control = 0;
    while (x < n && y <= n) {
        if (items == ItemsPerGroup) {
            StoreControl(dst, controlAt, control);
            controlAt = y;
            y += 2;
            items = 0;
        }
        const std::uint32_t run = RunLength(src, n, x);
        if (run >= MinRun) {
            dst[y] = 0;
            dst[y + 1] = static_cast<std::uint8_t>((run - MinRun) >> 8);
            dst[y + 2] = static_cast<std::uint8_t>(run - MinRun);
            dst[y + 3] = src[x];
            y += 4;
            x += run;
            control = control << 1 | 1;
        } else if (const Match match = FindMatch(src, n, x); match.length != 0) {
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
        ++items;
    }
    StoreControl(dst, controlAt, items == 0 ? 0 : control << (ItemsPerGroup - items));
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
                std::uint8_t* out = dst + y;
                const std::uint8_t* from = out - offset;
                if (offset >= size) {
                    std::memcpy(out, from, size);
                } else {
                    // The match overlaps what it produces: byte by byte repeats the pattern.
                    for (std::uint32_t k = 0; k < size; ++k) out[k] = from[k];
                }
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
