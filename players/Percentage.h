#pragma once
// The percentages the statistics window and the scoreboard show.

#include <cstdint>
#include <string>

namespace velmora {

// part / whole x 100 rounded to the nearest whole number, a value exactly halfway going to the
// even neighbour (12.5 gives 12, 37.5 gives 38); 0 when whole is 0.
int Percentage(std::int64_t part, std::int64_t whole);

// The value as the windows show it: "38%".
std::string PercentText(int percent);

}  // namespace velmora
