#pragma once
// A clock that stays at the time a test sets, so that every deal of the test is the same.

#include "engine/Clock.h"

namespace velmora::testing {

class FixedClock : public Clock {
public:
    explicit FixedClock(TimeOfDay time = {13, 45, 30, 250}) : time_(time) {}
    TimeOfDay Now() override { return time_; }
    void Set(TimeOfDay time) { time_ = time; }

private:
    TimeOfDay time_;
};

}  // namespace velmora::testing
