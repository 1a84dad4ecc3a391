#include "compression/LzhMatchTrees.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velmora {

namespace {

// The 8 bytes from at as one number whose order is the order of the strings: the first byte highest.
std::uint64_t LoadOrdered(const std::uint8_t* at) {
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
    return word;
}

// The length of the common start of the 60-byte strings a and b, whose first 9 bytes are equal (at
// most 60).
#if defined(__SSE2__)
// Compares bytes 1 to 64 in four blocks and finds the first difference in the mask of equal bytes,
// without the branch per block that mispredicts wherever strings part at varying depths.
[[gnu::always_inline]] inline unsigned CommonLength(const std::uint8_t* a, const std::uint8_t* b) {
    const auto equalBytes = [a, b](unsigned block) {
        const unsigned at = 1 + 16 * block;
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + at));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + at));
        return static_cast<std::uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, y))) << (16 * block);
    };
    const std::uint64_t equal = equalBytes(0) | equalBytes(1) | equalBytes(2) | equalBytes(3);
    // Bit k stands for byte k + 1; bit 59 (byte 60) counts as differing, so the length stops at 60.
    constexpr std::uint64_t Last = std::uint64_t{1} << (LzhMatchTrees::MaxMatch - 1);
    return 1 + static_cast<unsigned>(std::countr_zero(~equal | Last));
}
#else
[[gnu::always_inline]] inline unsigned CommonLength(const std::uint8_t* a, const std::uint8_t* b) {
    constexpr unsigned Limit = LzhMatchTrees::MaxMatch;
    for (unsigned i = 9; i < Limit; i += 8) {
        const std::uint64_t x = LoadOrdered(a + i);
        const std::uint64_t y = LoadOrdered(b + i);
        if (x != y) return std::min(i + static_cast<unsigned>(std::countl_zero(x ^ y)) / 8, Limit);
    }
    return Limit;
}
#endif

// Whether the 60-byte strings a and b are the same, without a call to memcmp.
bool SameString(const std::uint8_t* a, const std::uint8_t* b) {
    return a[0] == b[0] && LoadOrdered(a + 1) == LoadOrdered(b + 1) && CommonLength(a, b) == LzhMatchTrees::MaxMatch;
}

// a when pick is false, b when it is true. The compiler turns a plain choice into a branch, which
// mispredicts half of the time where the choice is as good as random.
template <class T>
T Select(bool pick, T a, T b) {
    return a ^ ((a ^ b) & (T{0} - static_cast<T>(pick)));
}

// A candidate's rank: longer matches first, then nearer ones. Keeping the highest rank of the walk
// needs no branch, where comparing length and distance one after the other mispredicts often.
// Positions differ, so two candidates never rank the same.
constexpr unsigned Rank(unsigned length, unsigned p, unsigned r) {
    return length << 12 | ((p - r) & (LzhMatchTrees::WindowSize - 1));  // the low part is 4095 - distance
}

}  // namespace

void LzhMatchTrees::Reset() {
    for (unsigned root = FirstRoot; root < FirstRoot + 256; ++root) Right(root) = Nil;
    std::fill(parent_, parent_ + WindowSize + 1, Nil);
    replacer_ = Nil;
}

void LzhMatchTrees::Add(unsigned r) { Enter<true>(r); }

void LzhMatchTrees::Insert(unsigned r) { Enter<false>(r); }

template <bool FindMatch>
void LzhMatchTrees::Enter(unsigned r) {
    if (const unsigned q = RepeatedNode(r); q != Nil) {
        TakePlace(r, q);
        if constexpr (FindMatch) SetMatch(Rank(MaxMatch, q, r));
        return;
    }
    const unsigned root = FirstRoot + window_[r];
    Right(r) = Left(r) = Nil;
    if (Right(root) == Nil) {
        Right(root) = static_cast<std::uint16_t>(r);
        parent_[r] = static_cast<std::uint16_t>(root);
        if constexpr (FindMatch) matchLength_ = 0;
        return;
    }
    const unsigned best = Walk<FindMatch>(r, Right(root));
    if constexpr (FindMatch) SetMatch(best);
}

// Walks down from node p to where r belongs and hangs it there, or lets it take the place of a node
// with the same 60 bytes. Returns the highest rank of the nodes passed (0 where FindMatch is false).
template <bool FindMatch>
unsigned LzhMatchTrees::Walk(unsigned r, unsigned p) {
    // Bytes 1 to 8 of both strings as ordered numbers: one comparison tells the way, and the highest
    // differing bit tells the common length. Where the strings part within them (most nodes of
    // varied data) the way is as good as random, so the walk does not branch on it: it loads both
    // children and their words, and the loads overlap with the comparison. Where they agree longer
    // (pictures in flat colours), the way is predictable and a branch costs little.
    const std::uint8_t* const key = window_ + r;
    const std::uint64_t keyWord = LoadOrdered(key + 1);
    std::uint64_t word = LoadOrdered(window_ + p + 1);
    unsigned best = 0;
    for (;;) {
        bool goRight;
        unsigned next;
        if (word != keyWord) {
            goRight = keyWord > word;
            if constexpr (FindMatch) {
                const unsigned i = 1 + static_cast<unsigned>(std::countl_zero(word ^ keyWord)) / 8;
                best = std::max(best, Rank(i, p, r));
            }
            const unsigned leftChild = Left(p);
            const unsigned rightChild = Right(p);
            const std::uint64_t leftWord = LoadOrdered(window_ + leftChild + 1);
            const std::uint64_t rightWord = LoadOrdered(window_ + rightChild + 1);
            next = Select(goRight, leftChild, rightChild);
            word = Select(goRight, leftWord, rightWord);
        } else {
            const std::uint8_t* const other = window_ + p;
            const unsigned i = CommonLength(key, other);
            if constexpr (FindMatch) best = std::max(best, Rank(i, p, r));
            if (i == MaxMatch) {
                TakePlace(r, p);
                return best;
            }
            goRight = key[i] > other[i];
            next = goRight ? Right(p) : Left(p);
            word = LoadOrdered(window_ + next + 1);
        }
        if (next == Nil) {
            child_[p][goRight ? RightSide : LeftSide] = static_cast<std::uint16_t>(r);
            parent_[r] = static_cast<std::uint16_t>(p);
            return best;
        }
        p = next;
    }
}

// Takes the best rank of a walk as the match; a length below 3 is no match.
void LzhMatchTrees::SetMatch(unsigned best) {
    const unsigned length = best >> 12;
    if (length < MinMatch) {
        matchLength_ = 0;
        return;
    }
    matchLength_ = length;
    matchPosition_ = (WindowSize - 1) - (best & (WindowSize - 1));
}

// Where the input repeats itself (flat colours, a pattern over and over), the position before r
// took the place of a node q with the same 60 bytes, and r most likely holds the same 60 bytes as
// q + 1. No two nodes hold the same bytes, so the walk would end at that node, and every node it
// passed on the way would match less: r can take its place at once. Nil when there is no such node.
unsigned LzhMatchTrees::RepeatedNode(unsigned r) const {
    if (replacer_ != ((r - 1) & (WindowSize - 1))) return Nil;
    const unsigned q = (replaced_ + 1) & (WindowSize - 1);
    if (q == r || parent_[q] == Nil || !SameString(window_ + q, window_ + r)) return Nil;
    return q;
}

// p holds the same 60 bytes as r: r takes p's node and p leaves the tree.
void LzhMatchTrees::TakePlace(unsigned r, unsigned p) {
    replacer_ = r;
    replaced_ = p;
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
    // Which side p hangs on is as good as random: the side is an index, not a branch.
    child_[above][Right(above) == p ? RightSide : LeftSide] = static_cast<std::uint16_t>(q);
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
