#pragma once
// Time of day for seeding the random source; tests put a fixed or scripted clock in its place.

namespace velmora {

struct TimeOfDay {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The current time of day in UTC.
    virtual TimeOfDay Now() = 0;
};

class SystemClock : public Clock {
public:
    TimeOfDay Now() override;
};

}  // namespace velmora
