#pragma once
// The one random generator of the game: a 32-bit linear congruential generator that is seeded
// from the time of day, never at start-up.

#include <cstdint>

#include "engine/Clock.h"

namespace velmora {

class RandomSource {
public:
    explicit RandomSource(Clock& clock) : clock_(clock) {}

    // A number in 0..n-1 (0 when n is 0).
    std::uint32_t Random(std::uint32_t n);
    // Seeds from the milliseconds since midnight.
    void Reseed();

    std::uint32_t State() const { return state_; }
    void SetState(std::uint32_t state) { state_ = state; }

private:
    Clock& clock_;
    std::uint32_t state_ = 0;
};

}  // namespace velmora
