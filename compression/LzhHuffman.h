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
    // The exchanges of watched slots noted at most; beyond it every code counts as changed.
    static constexpr unsigned ChangedCapacity = 32;

    struct Code {
        std::uint32_t bits;  // right-aligned, the bit nearest the root highest
        unsigned length;
    };

    // Every symbol weight 1, paired up in slot order.
    void Reset();

    // Adds one to the weight of symbol and to its ancestors, keeping the slots ordered by weight;
    // halves every weight first once the total has reached 32768.
    void Count(unsigned symbol);

    // Count for the symbol whose code led through the slots path[0] (below the root) to
    // path[length - 1] (its leaf). The slots come from the path rather than from one parent link
    // after another, so the weights along it are not a chain of dependent loads.
    void CountAlong(const std::uint16_t* path, unsigned length);

    Code CodeOf(unsigned symbol) const;

    // CodeOf, then Count: the slots the code passes, gathered on the way up, are the path
    // CountAlong takes, so the count does not climb through the parent links a second time.
    Code CodeAndCount(unsigned symbol);

    // For a slot of an internal node, the slot of its first child; for a leaf, Leaf + symbol.
    unsigned Child(unsigned slot) const { return child_[slot]; }

    unsigned Weight(unsigned slot) const { return weight_[slot]; }

    // A decoding table built from the codes of the slots near the root watches those slots. Each
    // exchange a watched slot takes part in is noted, until the table has caught up with it; a
    // reset or a rebuild changes every code.
    void Watch(unsigned slot) { watched_[slot] = 1; }
    void Unwatch(unsigned slot) { watched_[slot] = 0; }
    bool Watched(unsigned slot) const { return watched_[slot] != 0; }
    bool ShapeChanged() const { return changedCount_ != 0; }
    bool EveryCodeChanged() const { return changedCount_ > ChangedCapacity; }
    unsigned ChangedCount() const { return changedCount_; }
    unsigned ChangedSlot(unsigned i) const { return changed_[i]; }
    void AcknowledgeShape() { changedCount_ = 0; }

private:
    static constexpr std::uint16_t WeightLimit = 0x8000;

    void Rebuild();
    void Climb(unsigned k);
    unsigned MoveUp(unsigned k, unsigned w);
    void Exchange(unsigned k, unsigned l);
    void Adopt(unsigned children, unsigned slot);

    std::uint16_t weight_[Slots + 1];      // the last entry is a sentinel above every weight
    std::uint16_t child_[Slots];
    std::uint16_t parent_[Slots + Symbols];  // slots' parents, then the slot of each symbol's leaf
    void NoteChanged(unsigned slot) {
        if (changedCount_ < ChangedCapacity) {
            changed_[changedCount_++] = static_cast<std::uint16_t>(slot);
        } else {
            changedCount_ = ChangedCapacity + 1;
        }
    }

    std::uint8_t watched_[Slots] = {};
    std::uint16_t changed_[ChangedCapacity] = {};
    unsigned changedCount_ = ChangedCapacity + 1;
};

}  // namespace velmora
