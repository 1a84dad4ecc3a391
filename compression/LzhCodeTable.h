#pragma once
// The LZH decoder's shortcut through the top of the adaptive Huffman tree: a table indexed by the
// next 8 bits of the stream gives the symbol whose code they start with, or the node they lead
// to, with the slots passed on the way (which spares the count its climb through parent links).
// Nearly every exchange of the tree happens among light nodes, below most of the table's reach, so
// after each symbol only the part of the table below the exchanged slots is filled in again.

#include <array>
#include <cstdint>

#include "compression/LzhBits.h"
#include "compression/LzhHuffman.h"

namespace velmora {

class LzhCodeTable {
public:
    static constexpr unsigned Bits = 6;
    // No code is longer than the tree has leaves.
    static constexpr unsigned MaxPath = LzhHuffman::Symbols;

    // Decodes one symbol and counts it.
    unsigned GetSymbol(LzhBitReader& reader, LzhHuffman& huffman) {
        if (huffman.ShapeChanged()) [[unlikely]] CatchUp(huffman);
        const Entry& entry = entries_[reader.Peek(Bits)];
        if (entry.next >= LzhHuffman::Leaf) [[likely]] {
            reader.Take(entry.length);
            huffman.CountAlong(entry.path, entry.length);
            return entry.next - LzhHuffman::Leaf;
        }
        return GetLongSymbol(reader, huffman, entry);
    }

private:
    struct Entry {
        std::uint16_t path[Bits];  // the slots passed, from below the root on
        std::uint16_t next;        // a leaf (Leaf + symbol), or the first child of the node reached
        std::uint8_t length;       // the bits the entry stands for: the code's, or Bits
    };

    // Where a slot the table passes sits: its depth below the root and the code that leads to it.
    struct Place {
        std::uint8_t depth;
        std::uint8_t code;
    };

    unsigned GetLongSymbol(LzhBitReader& reader, LzhHuffman& huffman, const Entry& entry);
    void CatchUp(LzhHuffman& huffman);
    void Build(LzhHuffman& huffman);
    void Forget(LzhHuffman& huffman, unsigned slot);
    void FillSlot(LzhHuffman& huffman, unsigned slot, Place place, std::uint16_t* path);

    std::array<Entry, 1u << Bits> entries_{};
    std::array<Place, LzhHuffman::Slots> places_{};  // meaningful for the watched slots only
};

}  // namespace velmora
