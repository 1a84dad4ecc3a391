#pragma once
// The adaptive Huffman code of the LZH codec over 314 symbols (256 literals, then match lengths 3
// to 60). Slots 0 to 626 hold the nodes in order of weight, the two children of a node side by
// side; slot 626 is the root. Coder and decoder count every symbol the same way, so their trees
// stay equal without any table being sent.

#include <cstdint>

namespace velmora {

class LzhHuffman {
public:
    static constexpr unsigned Symbols = 314;
    static constexpr unsigned Slots = 2 * Symbols - 1;  // 627
    static constexpr unsigned Root = Slots - 1;        // 626
    static constexpr unsigned Leaf = Slots;            // child entries from here on are leaves

    struct Code {
        std::uint32_t bits;  // right-aligned, the bit nearest the root highest
        unsigned length;
    };

    // Every symbol weight 1, paired up in slot order.
    void Reset();

    // Adds one to the weight of symbol and to its ancestors, keeping the slots ordered by weight;
    // halves every weight first once the total has reached 32768.
    void Count(unsigned symbol);

    Code CodeOf(unsigned symbol) const;

    // For a slot of an internal node, the slot of its first child; for a leaf, Leaf + symbol.
    unsigned Child(unsigned slot) const { return child_[slot]; }

    unsigned Weight(unsigned slot) const { return weight_[slot]; }

private:
    static constexpr std::uint16_t WeightLimit = 0x8000;

    void Rebuild();
    void Exchange(unsigned k, unsigned l);
    void Adopt(unsigned children, unsigned slot);

    std::uint16_t weight_[Slots + 1];      // the last entry is a sentinel above every weight
    std::uint16_t child_[Slots];
    std::uint16_t parent_[Slots + Symbols];  // slots' parents, then the slot of each symbol's leaf
};

}  // namespace velmora
