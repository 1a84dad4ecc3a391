#include "compression/LzhMatchTrees.h"

#include <algorithm>

namespace velmora {

void LzhMatchTrees::Reset() {
    std::fill(right_ + FirstRoot, right_ + FirstRoot + 256, Nil);
    std::fill(parent_, parent_ + WindowSize + 1, Nil);
}

void LzhMatchTrees::Note(unsigned length, unsigned r, unsigned p) {
    if (length < MinMatch) return;
    const unsigned distance = ((r - p) & (WindowSize - 1)) - 1;
    if (length > matchLength_) {
        matchPosition_ = distance;
        matchLength_ = length;
    } else if (length == matchLength_ && distance < matchPosition_) {
        matchPosition_ = distance;
    }
}

void LzhMatchTrees::Add(unsigned r) {
    const std::uint8_t* key = window_ + r;
    int cmp = 1;
    unsigned p = FirstRoot + key[0];
    right_[r] = left_[r] = Nil;
    matchLength_ = 0;
    while (matchLength_ < MaxMatch) {
        std::uint16_t* link = cmp >= 0 ? &right_[p] : &left_[p];
        if (*link == Nil) {
            *link = static_cast<std::uint16_t>(r);
            parent_[r] = static_cast<std::uint16_t>(p);
            return;
        }
        p = *link;
        const std::uint8_t* other = window_ + p;
        unsigned i = 1;
        while (i < MaxMatch && key[i] == other[i]) ++i;
        if (i < MaxMatch) cmp = key[i] - other[i];
        Note(i, r, p);
    }
    TakePlace(r, p);
}

// p holds the same 60 bytes as r: r takes p's node and p leaves the tree.
void LzhMatchTrees::TakePlace(unsigned r, unsigned p) {
    parent_[r] = parent_[p];
    left_[r] = left_[p];
    right_[r] = right_[p];
    parent_[left_[p]] = static_cast<std::uint16_t>(r);
    parent_[right_[p]] = static_cast<std::uint16_t>(r);
    Relink(p, r);
}

// Hangs q where p hung, and marks p as out of every tree.
void LzhMatchTrees::Relink(unsigned p, unsigned q) {
    const unsigned above = parent_[p];
    parent_[q] = static_cast<std::uint16_t>(above);
    if (right_[above] == p) {
        right_[above] = static_cast<std::uint16_t>(q);
    } else {
        left_[above] = static_cast<std::uint16_t>(q);
    }
    parent_[p] = Nil;
}

void LzhMatchTrees::Remove(unsigned p) {
    if (parent_[p] == Nil) return;
    unsigned q;
    if (right_[p] == Nil) {
        q = left_[p];
    } else if (left_[p] == Nil) {
        q = right_[p];
    } else {
        // Both children: the rightmost node of the left subtree takes p's place.
        q = left_[p];
        if (right_[q] != Nil) {
            do q = right_[q];
            while (right_[q] != Nil);
            right_[parent_[q]] = left_[q];
            parent_[left_[q]] = parent_[q];
            left_[q] = left_[p];
            parent_[left_[p]] = static_cast<std::uint16_t>(q);
        }
        right_[q] = right_[p];
        parent_[right_[p]] = static_cast<std::uint16_t>(q);
    }
    Relink(p, q);
}

}  // namespace velmora
