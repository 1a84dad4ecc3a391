#include "engine/RandomSource.h"

namespace velmora {

std::uint32_t RandomSource::Random(std::uint32_t n) {
    state_ = state_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state_) * n) >> 32);
}

void RandomSource::Reseed() {
    const TimeOfDay t = clock_.Now();
    state_ = static_cast<std::uint32_t>(((t.Hour * 60 + t.Minute) * 60 + t.Second) * 1000 + t.Millisecond);
}

}  // namespace velmora
