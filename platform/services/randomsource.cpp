#include "services/randomsource.h"

#include "services/clock.h"

#include <bit>

namespace platform {

namespace {

std::uint32_t low(std::uint64_t v) {
    return static_cast<std::uint32_t>(v);
}

std::uint32_t high(std::uint64_t v) {
    return static_cast<std::uint32_t>(v >> 32);
}

} // namespace

ClockSeededRandom::ClockSeededRandom(Clock& clock, std::uint64_t initialState)
    : clock_(clock)
    , engine_(initialState) {}

void ClockSeededRandom::reseed() {
    const auto time = std::bit_cast<std::uint64_t>(clock_.seconds());
    const std::uint64_t a = engine_();
    const std::uint64_t b = engine_();
    std::seed_seq seeds{low(a), high(a), low(b), high(b), low(time), high(time)};
    engine_.seed(seeds);
}

double ClockSeededRandom::next() {
    // The top 53 bits as a fraction: every double it gives is below 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace platform
