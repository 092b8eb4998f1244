#pragma once
// The clock that elapsed times are measured with. Monotonic: a clock of
// seconds since midnight goes backwards at midnight and would show a
// negative drawing time.

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

} // namespace platform
