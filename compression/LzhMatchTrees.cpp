#include "compression/LzhMatchTrees.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace velmora {

namespace {

constexpr bool little = std::endian::native == std::endian::little;

// The length of the common start of the 60-byte strings a and b, whose first bytes are equal.
// Compares 8 bytes at a time.
unsigned CommonLength(const std::uint8_t* a, const std::uint8_t* b) {
    constexpr unsigned Limit = LzhMatchTrees::MaxMatch;
    if constexpr (little) {
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

namespace {

std::uint64_t Load64(const std::uint8_t* at) {
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    return word;
}

// a when pick is false, b when it is true, without a branch.
template <class T>
T Select(bool pick, T a, T b) {
    return a ^ ((a ^ b) & (T{0} - static_cast<T>(pick)));
}

// Among equally long matches the nearest wins.
void Weigh(unsigned i, unsigned distance, unsigned& length, unsigned& position) {
    if (i > length || (i == length && distance < position)) position = distance;
    length = std::max(length, i);
}

}  // namespace

void LzhMatchTrees::Add(unsigned r) {
    const std::uint8_t* const key = window_ + r;
    unsigned p = FirstRoot + key[0];
    Right(r) = Left(r) = Nil;
    unsigned length = 0;
    unsigned position = matchPosition_;
    unsigned next = Right(p);
    if (next == Nil) {
        Right(p) = static_cast<std::uint16_t>(r);
        parent_[r] = static_cast<std::uint16_t>(p);
        matchLength_ = 0;
        return;
    }
    // Where the strings differ within their first 8 bytes (most nodes of varied data), which way
    // the walk goes is as good as random, so it does not branch on it: it loads both children and
    // the first bytes of both their strings, then picks one pair, and the loads overlap with the
    // comparison. Where they agree longer (pictures in flat colours), the way is predictable and a
    // branch lets the next node be fetched before the comparison ends.
    const std::uint64_t keyWord = little ? Load64(key + 1) : 0;
    std::uint64_t word = Load64(window_ + next + 1);
    bool goRight = true;
    for (;;) {
        p = next;
        const std::uint8_t* const other = window_ + p;
        if (little && word != keyWord) {
            const unsigned bit = static_cast<unsigned>(std::countr_zero(word ^ keyWord)) & ~7u;
            const unsigned i = 1 + bit / 8;
            goRight = ((keyWord >> bit) & 0xFF) > ((word >> bit) & 0xFF);
            if (i >= MinMatch) Weigh(i, ((r - p) & (WindowSize - 1)) - 1, length, position);
            const unsigned leftChild = Left(p);
            const unsigned rightChild = Right(p);
            next = Select(goRight, leftChild, rightChild);
            if (next == Nil) break;
            word = Select<std::uint64_t>(goRight, Load64(window_ + leftChild + 1), Load64(window_ + rightChild + 1));
        } else {
            const unsigned i = CommonLength(key, other);
            if (i >= MinMatch) Weigh(i, ((r - p) & (WindowSize - 1)) - 1, length, position);
            if (i == MaxMatch) {
                TakePlace(r, p);
                matchLength_ = length;
                matchPosition_ = position;
                return;
            }
            goRight = key[i] > other[i];
            if (goRight) {
                next = Right(p);
            } else {
                next = Left(p);
            }
            if (next == Nil) break;
            word = Load64(window_ + next + 1);
        }
    }
    child_[p][goRight ? RightSide : LeftSide] = static_cast<std::uint16_t>(r);
    parent_[r] = static_cast<std::uint16_t>(p);
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
