#pragma once
// TLZR: the fast block codec of the container (mode Fast, magic "WRZL"). Codes one block of at
// most 32768 bytes from one buffer into another and back. Matches are found through a table of
// recent positions; a match is two bytes (12-bit distance, 4-bit length), a run of 16 or more equal
// bytes is a four-byte item, and items are grouped under 16-bit control words. A block that would
// not shrink is stored as it is.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "compression/CompressionErrors.h"
#include "text/Phrase.h"

namespace velmora {

class TLZR {
public:
    static constexpr std::size_t BlockSize = 32768;
    // Room a destination buffer needs beyond the block itself.
    static constexpr std::size_t BufferSpare = 16;
    // The longest coded block: a stored block of 32768 bytes and its flag.
    static constexpr std::uint16_t MaxCodedLength = BlockSize + 1;
    static constexpr const char* DamagedBlockText =
        VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 (decompression LZRW1/KH) : Compressed block is damaged !");

    // Raises ELzrw1KHCompressor(VELMORA_TRANSLATE_NOOP("Errors", "LZRW1KH : no memory for HASH table")) when the table cannot be had.
    TLZR();

    // Codes src[0..n) (n at most 32768) into dst, which holds n + 16 bytes; returns the coded length,
    // 1 to n + 1. Reads nothing beyond src[n - 1].
    std::uint16_t CompressBlock(const std::uint8_t* src, std::uint8_t* dst, std::uint16_t n);

    // Restores a coded block of length bytes into dst, which holds 32784 bytes; returns the number of
    // bytes restored. A block that reaches past its end, copies from before the start of its output,
    // would restore more than 32768 bytes or is longer than 32769 bytes raises ELzrw1Exception.
    std::uint16_t DecompressBlock(const std::uint8_t* src, std::uint8_t* dst, std::uint16_t length);

private:
    // Latest position of each three-byte hash in the block being coded; 0xFFFF for none.
    std::unique_ptr<std::uint16_t[]> positionTable_;
};

}  // namespace velmora
