#include "engine/Clock.h"

#include <chrono>

namespace velmora {

TimeOfDay SystemClock::Now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = duration_cast<milliseconds>(now - floor<days>(now));
    const hh_mm_ss<milliseconds> parts(sinceMidnight);
    return {static_cast<int>(parts.hours().count()), static_cast<int>(parts.minutes().count()),
            static_cast<int>(parts.seconds().count()), static_cast<int>(parts.subseconds().count())};
}

}  // namespace velmora
