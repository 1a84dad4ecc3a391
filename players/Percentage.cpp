#include "players/Percentage.h"

#include <cmath>

namespace velmora {

int Percentage(std::int64_t part, std::int64_t whole) {
    if (whole == 0) return 0;
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double value = static_cast<double>(part) / static_cast<double>(whole) * 100.0;
    return static_cast<int>(std::nearbyint(value));
}

std::string PercentText(int percent) { return std::to_string(percent) + "%"; }

}  // namespace velmora
