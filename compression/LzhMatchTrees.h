#pragma once
// The LZH coder's sliding window and the binary search trees over it that find, for each new
// position, the longest earlier string sharing its start (the nearest of equally long ones).
// One tree per first byte; a position's node is keyed by the 60 bytes that start there.

#include <cstdint>

namespace velmora {

class LzhMatchTrees {
public:
    static constexpr unsigned WindowSize = 4096;
    static constexpr unsigned MaxMatch = 60;
    static constexpr unsigned MinMatch = 3;
    static constexpr unsigned Nil = WindowSize;  // the empty link

    // The ring of window bytes; positions 0 to 58 are mirrored after it so that a string starting
    // near the end of the ring can be compared without wrapping.
    std::uint8_t* Window() { return window_; }

    // Stores byte at ring position s, and in its mirror too.
    void Store(unsigned s, std::uint8_t byte) {
        window_[s] = byte;
        if (s < MaxMatch - 1) window_[s + WindowSize] = byte;
    }

    // Empties the 256 trees and takes every position out of them.
    void Reset();

    // Enters position r and sets MatchLength (0 or 3 to 60) and MatchPosition (distance - 1).
    void Add(unsigned r);

    // Enters position r as Add does, leaving MatchLength and MatchPosition as they are: for the
    // positions inside a match, whose own matches the coder never uses, this saves the weighing.
    void Insert(unsigned r);

    // Takes position p out of its tree, if it is in one.
    void Remove(unsigned p);

    unsigned MatchLength() const { return matchLength_; }
    unsigned MatchPosition() const { return matchPosition_; }

private:
    static constexpr unsigned FirstRoot = WindowSize + 1;  // the root of byte b is at FirstRoot + b

    template <bool FindMatch>
    void Enter(unsigned r);
    template <bool FindMatch>
    unsigned Walk(unsigned r, unsigned p);
    unsigned RepeatedNode(unsigned r) const;
    void TakePlace(unsigned r, unsigned p);
    void SetMatch(unsigned best);
    void Relink(unsigned p, unsigned q);

    // Zeroed so that bytes the coder compares before it has set them have a fixed value. The last
    // 8 bytes only let a comparison read whole words; what they hold never counts.
    std::uint8_t window_[WindowSize + MaxMatch - 1 + 8] = {};
    enum Side { LeftSide = 0, RightSide = 1 };
    std::uint16_t& Left(unsigned node) { return child_[node][LeftSide]; }
    std::uint16_t& Right(unsigned node) { return child_[node][RightSide]; }

    // The two children of each node side by side, so that the walk picks one by index. Entries
    // FirstRoot to FirstRoot + 255 are the roots, which only use their right child.
    std::uint16_t child_[FirstRoot + 256][2];
    std::uint16_t parent_[WindowSize + 1];  // entry Nil takes the writes made through empty links
    // The position that last took the place of a node with the same bytes, and that node.
    unsigned replacer_ = Nil;
    unsigned replaced_ = Nil;
    unsigned matchLength_ = 0;
    unsigned matchPosition_ = 0;
};

}  // namespace velmora
