#include "compression/LzhHuffman.h"

#include <algorithm>

namespace velmora {

void LzhHuffman::Reset() {
    for (unsigned symbol = 0; symbol < Symbols; ++symbol) {
        weight_[symbol] = 1;
        child_[symbol] = static_cast<std::uint16_t>(Leaf + symbol);
        parent_[Leaf + symbol] = static_cast<std::uint16_t>(symbol);
    }
    for (unsigned i = 0, j = Symbols; j < Slots; i += 2, ++j) {
        weight_[j] = static_cast<std::uint16_t>(weight_[i] + weight_[i + 1]);
        child_[j] = static_cast<std::uint16_t>(i);
        parent_[i] = parent_[i + 1] = static_cast<std::uint16_t>(j);
    }
    weight_[Slots] = 0xFFFF;
    parent_[Root] = 0;
    changedCount_ = ChangedCapacity + 1;
}

// Points the parent entries of what child entry `children` names (a leaf, or a pair of slots) at slot.
void LzhHuffman::Adopt(unsigned children, unsigned slot) {
    parent_[children] = static_cast<std::uint16_t>(slot);
    if (children < Leaf) parent_[children + 1] = static_cast<std::uint16_t>(slot);
}

void LzhHuffman::Exchange(unsigned k, unsigned l) {
    if ((watched_[k] | watched_[l]) != 0) [[unlikely]] {
        if (watched_[k] != 0) NoteChanged(k);
        if (watched_[l] != 0) NoteChanged(l);
    }
    const unsigned i = child_[k];
    const unsigned j = child_[l];
    Adopt(i, l);
    child_[l] = static_cast<std::uint16_t>(i);
    Adopt(j, k);
    child_[k] = static_cast<std::uint16_t>(j);
}

// Slot k has just reached weight w, above its neighbour's: it moves up past every slot that now
// weighs less, and the slot it lands in is returned.
unsigned LzhHuffman::MoveUp(unsigned k, unsigned w) {
    unsigned l = k + 1;
    while (weight_[l + 1] < w) ++l;
    weight_[k] = weight_[l];
    weight_[l] = static_cast<std::uint16_t>(w);
    Exchange(k, l);
    return l;
}

// Counts slot k and every slot above it.
void LzhHuffman::Climb(unsigned k) {
    do {
        const unsigned w = weight_[k] + 1u;
        weight_[k] = static_cast<std::uint16_t>(w);
        if (w > weight_[k + 1]) k = MoveUp(k, w);
        k = parent_[k];
    } while (k != 0);  // slot 0 always holds a leaf, so 0 is only ever the root's parent
}

void LzhHuffman::Count(unsigned symbol) {
    if (weight_[Root] == WeightLimit) Rebuild();
    Climb(parent_[Leaf + symbol]);
}

void LzhHuffman::CountAlong(const std::uint16_t* path, unsigned length) {
    if (weight_[Root] == WeightLimit) {
        Count(child_[path[length - 1]] - Leaf);  // the rebuild moves every slot
        return;
    }
    for (unsigned i = length; i-- > 0;) {
        const unsigned k = path[i];
        const unsigned w = weight_[k] + 1u;
        weight_[k] = static_cast<std::uint16_t>(w);
        // After an exchange the slots above are no longer those of the path.
        if (w > weight_[k + 1]) [[unlikely]] {
            Climb(parent_[MoveUp(k, w)]);
            return;
        }
    }
    ++weight_[Root];
}

LzhHuffman::Code LzhHuffman::CodeOf(unsigned symbol) const {
    Code code{0, 0};
    for (unsigned k = parent_[Leaf + symbol]; k != Root; k = parent_[k]) {
        code.bits |= (k & 1u) << code.length;
        ++code.length;
    }
    return code;
}

LzhHuffman::Code LzhHuffman::CodeAndCount(unsigned symbol) {
    std::uint16_t path[Symbols];
    unsigned first = Symbols;
    Code code{0, 0};
    for (unsigned k = parent_[Leaf + symbol]; k != Root; k = parent_[k]) {
        path[--first] = static_cast<std::uint16_t>(k);
        code.bits |= (k & 1u) << code.length;
        ++code.length;
    }
    CountAlong(path + first, code.length);
    return code;
}

void LzhHuffman::Rebuild() {
    changedCount_ = ChangedCapacity + 1;
    // Gather the leaves in slot order with their weights halved, rounded up.
    unsigned j = 0;
    for (unsigned i = 0; i < Slots; ++i) {
        if (child_[i] >= Leaf) {
            weight_[j] = static_cast<std::uint16_t>((weight_[i] + 1u) / 2);
            child_[j] = child_[i];
            ++j;
        }
    }
    // Join neighbours pairwise; each new node goes after every slot that is not heavier.
    for (unsigned i = 0; j < Slots; i += 2, ++j) {
        const unsigned f = weight_[i] + weight_[i + 1];
        unsigned k = j;
        while (k > 0 && f < weight_[k - 1]) --k;
        std::copy_backward(weight_ + k, weight_ + j, weight_ + j + 1);
        weight_[k] = static_cast<std::uint16_t>(f);
        std::copy_backward(child_ + k, child_ + j, child_ + j + 1);
        child_[k] = static_cast<std::uint16_t>(i);
    }
    for (unsigned i = 0; i < Slots; ++i) Adopt(child_[i], i);
}

}  // namespace velmora
