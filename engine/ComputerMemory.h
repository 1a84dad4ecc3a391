#pragma once
// The cards seen in this game, most recent first, shared by all computer players.

#include <array>

#include "engine/Board.h"

namespace velmora {

class ComputerMemory {
public:
    static constexpr int Size = 100;

    // Shifts every entry one place back (the last is lost) and stores card as entry 1.
    void PushMemory(const TCardRef& card);
    void Clear() { entries_.fill(TCardRef{}); }
    // Entry 1..100, 1 being the most recent.
    const TCardRef& Entry(int position) const;

private:
    std::array<TCardRef, Size> entries_{};
};

}  // namespace velmora
