#pragma once

#include "data/DateTimes.h"

// The program's clock fixed for as long as this lives; the real clock comes back after.
class TFixedClock {
public:
    explicit TFixedClock(TDateTime now) { Set(now); }
    ~TFixedClock() { DateTimes::SetClock({}); }
    TFixedClock(const TFixedClock &) = delete;
    TFixedClock &operator=(const TFixedClock &) = delete;
    static void Set(TDateTime now)
    {
        DateTimes::SetClock([now] { return now; });
    }
};
