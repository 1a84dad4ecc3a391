#pragma once
// How the LZH codec sends a match's position (distance - 1, 0 to 4094): its upper 6 bits u as a
// fixed canonical prefix code of 3 to 8 bits, short codes for near matches, then its lower 6 bits.

#include <array>
#include <cstdint>

#include "compression/LzhBits.h"

namespace velmora {

namespace lzhposition {

struct Code {
    std::uint8_t bits;    // the code, right-aligned
    std::uint8_t length;  // 3 to 8
};

constexpr unsigned LengthOf(unsigned upper) {
    if (upper < 1) return 3;
    if (upper < 4) return 4;
    if (upper < 12) return 5;
    if (upper < 24) return 6;
    if (upper < 48) return 7;
    return 8;
}

// Each code is the previous one plus one, extended with 0 bits when the length grows.
constexpr std::array<Code, 64> MakeCodes() {
    std::array<Code, 64> codes{};
    unsigned code = 0;
    unsigned length = 3;
    for (unsigned u = 0; u < 64; ++u) {
        if (u > 0) {
            code += 1;
            code <<= LengthOf(u) - length;
            length = LengthOf(u);
        }
        codes[u] = {static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(length)};
    }
    return codes;
}

// By the first 8 bits of the stream: the upper bits u whose code starts them.
constexpr std::array<std::uint8_t, 256> MakeDecodeTable() {
    std::array<std::uint8_t, 256> table{};
    const auto codes = MakeCodes();
    for (unsigned u = 0; u < 64; ++u) {
        const unsigned free = 8 - codes[u].length;
        const unsigned first = static_cast<unsigned>(codes[u].bits) << free;
        for (unsigned v = first; v < first + (1u << free); ++v) table[v] = static_cast<std::uint8_t>(u);
    }
    return table;
}

inline constexpr std::array<Code, 64> Codes = MakeCodes();
inline constexpr std::array<std::uint8_t, 256> DecodeTable = MakeDecodeTable();

}  // namespace lzhposition

inline void PutPosition(LzhBitWriter& writer, unsigned position) {
    const lzhposition::Code code = lzhposition::Codes[position >> 6];
    writer.Put(code.bits, code.length);
    writer.Put(position & 63u, 6);
}

inline unsigned GetPosition(LzhBitReader& reader) {
    const unsigned upper = lzhposition::DecodeTable[reader.Peek(8)];
    // The code and the 6 plain bits after it.
    return upper << 6 | (reader.Take(lzhposition::Codes[upper].length + 6u) & 63u);
}

}  // namespace velmora
