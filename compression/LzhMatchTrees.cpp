#include "compression/LzhMatchTrees.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace velmora {

namespace {

// The length of the common start of the 60-byte strings a and b, whose first bytes are equal.
// Compares 8 bytes at a time.
unsigned CommonLength(const std::uint8_t* a, const std::uint8_t* b) {
    constexpr unsigned Limit = LzhMatchTrees::MaxMatch;
    if constexpr (std::endian::native == std::endian::little) {
        for (unsigned i = 1; i < Limit; i += 8) {
            std::uint64_t x;
            std::uint64_t y;
            std::memcpy(&x, a + i, 8);
            std::memcpy(&y, b + i, 8);
            if (x != y) return std::min(i + static_cast<unsigned>(std::countr_zero(x ^ y)) / 8, Limit);
        }
        return Limit;
    } else {
        unsigned i = 1;
        while (i < Limit && a[i] == b[i]) ++i;
        return i;
    }
}

}  // namespace

void LzhMatchTrees::Reset() {
    for (unsigned root = FirstRoot; root < FirstRoot + 256; ++root) Right(root) = Nil;
    std::fill(parent_, parent_ + WindowSize + 1, Nil);
}

void LzhMatchTrees::Add(unsigned r) {
    const std::uint8_t* const key = window_ + r;
    unsigned p = FirstRoot + key[0];
    Right(r) = Left(r) = Nil;
    std::uint16_t* link = &Right(p);
    unsigned length = 0;
    unsigned position = matchPosition_;
    for (;;) {
        if (*link == Nil) {
            *link = static_cast<std::uint16_t>(r);
            parent_[r] = static_cast<std::uint16_t>(p);
            break;
        }
        p = *link;
        const std::uint8_t* const other = window_ + p;
        const unsigned i = CommonLength(key, other);
        if (i >= MinMatch) {
            // Among equally long matches the nearest wins.
            const unsigned distance = ((r - p) & (WindowSize - 1)) - 1;
            if (i > length || (i == length && distance < position)) position = distance;
            length = std::max(length, i);
            if (i == MaxMatch) {
                TakePlace(r, p);
                break;
            }
        }
        link = key[i] > other[i] ? &Right(p) : &Left(p);
    }
    matchLength_ = length;
    matchPosition_ = position;
}

// p holds the same 60 bytes as r: r takes p's node and p leaves the tree.
void LzhMatchTrees::TakePlace(unsigned r, unsigned p) {
    parent_[r] = parent_[p];
    Left(r) = Left(p);
    Right(r) = Right(p);
    parent_[Left(p)] = static_cast<std::uint16_t>(r);
    parent_[Right(p)] = static_cast<std::uint16_t>(r);
    Relink(p, r);
}

// Hangs q where p hung, and marks p as out of every tree.
void LzhMatchTrees::Relink(unsigned p, unsigned q) {
    const unsigned above = parent_[p];
    parent_[q] = static_cast<std::uint16_t>(above);
    if (Right(above) == p) {
        Right(above) = static_cast<std::uint16_t>(q);
    } else {
        Left(above) = static_cast<std::uint16_t>(q);
    }
    parent_[p] = Nil;
}

void LzhMatchTrees::Remove(unsigned p) {
    if (parent_[p] == Nil) return;
    unsigned q;
    if (Right(p) == Nil) {
        q = Left(p);
    } else if (Left(p) == Nil) {
        q = Right(p);
    } else {
        // Both children: the rightmost node of the left subtree takes p's place.
        q = Left(p);
        if (Right(q) != Nil) {
            do q = Right(q);
            while (Right(q) != Nil);
            Right(parent_[q]) = Left(q);
            parent_[Left(q)] = parent_[q];
            Left(q) = Left(p);
            parent_[Left(p)] = static_cast<std::uint16_t>(q);
        }
        Right(q) = Right(p);
        parent_[Right(p)] = static_cast<std::uint16_t>(q);
    }
    Relink(p, q);
}

}  // namespace velmora
