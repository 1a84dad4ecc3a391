#include "compression/LzhCodeTable.h"

#include <algorithm>

namespace velmora {

unsigned LzhCodeTable::GetLongSymbol(LzhBitReader& reader, LzhHuffman& huffman, const Entry& entry) {
    reader.Take(Bits);
    std::uint16_t path[MaxPath];
    std::copy_n(entry.path, Bits, path);
    unsigned length = Bits;
    unsigned k = entry.next;
    while (k < LzhHuffman::Leaf) {
        const unsigned slot = k + reader.Bit();
        path[length++] = static_cast<std::uint16_t>(slot);
        k = huffman.Child(slot);
    }
    huffman.CountAlong(path, length);
    return k - LzhHuffman::Leaf;
}

// The slots that took part in exchanges hold new subtrees: the entries below each are filled in
// again. A slot below another changed one may have moved away with it, so the old entries of all
// of them are forgotten first, the shallowest first, and a slot that was forgotten on the way is
// covered by the one above it.
void LzhCodeTable::CatchUp(LzhHuffman& huffman) {
    if (huffman.EveryCodeChanged()) {
        Build(huffman);
        return;
    }
    std::uint16_t slots[LzhHuffman::ChangedCapacity];
    const unsigned count = huffman.ChangedCount();
    // Usually one or two slots: sorted by insertion.
    for (unsigned i = 0; i < count; ++i) {
        const auto slot = static_cast<std::uint16_t>(huffman.ChangedSlot(i));
        unsigned at = i;
        for (; at > 0 && places_[slots[at - 1]].depth > places_[slot].depth; --at) slots[at] = slots[at - 1];
        slots[at] = slot;
    }
    unsigned kept = 0;
    for (unsigned i = 0; i < count; ++i) {
        if (!huffman.Watched(slots[i])) continue;
        Forget(huffman, slots[i]);
        slots[kept++] = slots[i];
    }
    for (unsigned i = 0; i < kept; ++i) {
        const Place place = places_[slots[i]];
        std::uint16_t path[Bits];
        std::copy_n(entries_[place.code << (Bits - place.depth)].path, Bits, path);
        FillSlot(huffman, slots[i], place, path);
    }
    huffman.AcknowledgeShape();
}

void LzhCodeTable::Build(LzhHuffman& huffman) {
    for (unsigned slot = 0; slot < LzhHuffman::Slots; ++slot) huffman.Unwatch(slot);
    const unsigned first = huffman.Child(LzhHuffman::Root);
    std::uint16_t path[Bits] = {};
    FillSlot(huffman, first, {1, 0}, path);
    FillSlot(huffman, first + 1, {1, 1}, path);
    huffman.AcknowledgeShape();
}

// Stops watching the slots below slot that its entries pass.
void LzhCodeTable::Forget(LzhHuffman& huffman, unsigned slot) {
    const Place place = places_[slot];
    const unsigned spare = Bits - place.depth;
    const unsigned first = static_cast<unsigned>(place.code) << spare;
    for (unsigned index = first; index < first + (1u << spare); ++index) {
        const Entry& entry = entries_[index];
        for (unsigned i = place.depth; i < entry.length; ++i) huffman.Unwatch(entry.path[i]);
    }
}

// Fills the entries whose bits lead to slot, whose path from below the root is path[0] to
// path[depth - 2].
void LzhCodeTable::FillSlot(LzhHuffman& huffman, unsigned slot, Place place, std::uint16_t* path) {
    huffman.Watch(slot);
    places_[slot] = place;
    path[place.depth - 1] = static_cast<std::uint16_t>(slot);
    const unsigned next = huffman.Child(slot);
    if (next < LzhHuffman::Leaf && place.depth < Bits) {
        const auto depth = static_cast<std::uint8_t>(place.depth + 1);
        const auto code = static_cast<unsigned>(place.code) << 1;
        FillSlot(huffman, next, {depth, static_cast<std::uint8_t>(code)}, path);
        FillSlot(huffman, next + 1, {depth, static_cast<std::uint8_t>(code | 1)}, path);
        return;
    }
    const unsigned spare = Bits - place.depth;
    const unsigned first = static_cast<unsigned>(place.code) << spare;
    for (unsigned index = first; index < first + (1u << spare); ++index) {
        Entry& entry = entries_[index];
        std::copy_n(path, Bits, entry.path);  // what lies past the depth never counts
        entry.next = static_cast<std::uint16_t>(next);
        entry.length = place.depth;
    }
}

}  // namespace velmora
