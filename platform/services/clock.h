#pragma once
// The clocks of the programs. Elapsed times are measured with a monotonic
// clock: a clock of seconds since midnight goes backwards at midnight and
// would show a negative drawing time. The random source is seeded from the
// time of day.

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since an arbitrary fixed point.
    virtual double seconds() = 0;
};

class SteadyClock final : public Clock {
public:
    double seconds() override;
};

// Seconds since local midnight, to the millisecond.
class TimeOfDayClock final : public Clock {
public:
    double seconds() override;
};

} // namespace platform
