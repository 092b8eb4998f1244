#pragma once
// The random source of the designer: a uniform number u with 0 <= u < 1,
// reseeded from the clock before every draw (the language's Randomize and
// Rnd). Code that draws takes a RandomSource so that tests can script the
// numbers (scripted.h).

#include <cstdint>
#include <random>

namespace platform {

class Clock;

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Takes the clock into the generator; done before every draw.
    virtual void reseed() = 0;
    // The next number, 0 <= u < 1; never 1.
    virtual double next() = 0;
};

// Reseeding mixes the clock's reading into the generator's running state
// instead of starting it afresh from the reading: within one tick of the
// clock every reseed reads the same time, and a generator restarted from it
// would give the same number again and again.
class ClockSeededRandom final : public RandomSource {
public:
    // Without a state of its own the sequence depends on the clock alone.
    explicit ClockSeededRandom(Clock& clock, std::uint64_t initialState = 0);

    void reseed() override;
    double next() override;

private:
    Clock& clock_;
    std::mt19937_64 engine_;
};

} // namespace platform
