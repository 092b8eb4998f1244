// The random source with the clock held still: draws stay uniform on [0, 1)
// and never repeat, because reseeding mixes the clock into the running state.

#include "services/randomsource.h"
#include "services/tests/scripted.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using platform::ClockSeededRandom;
using platform::ManualClock;

// The designer's order: reseed, then draw.
std::vector<double> draws(ClockSeededRandom& source, int count) {
    std::vector<double> out;
    out.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        source.reseed();
        out.push_back(source.next());
    }
    return out;
}

TEST(ClockSeededRandom, UniformOnTheHalfOpenUnitIntervalWithAFrozenClock) {
    ManualClock frozen(45296.25);
    ClockSeededRandom source(frozen, 0x0B5E55EDC0FFEEULL);
    constexpr int kDraws = 10000;
    constexpr int kBins = 50;
    std::array<int, kBins> counts{};
    for (double u : draws(source, kDraws)) {
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        ++counts[static_cast<std::size_t>(u * kBins)];
    }
    const double expected = double(kDraws) / kBins;
    double chiSquare = 0;
    for (int count : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    // The 0.1 % critical value for 49 degrees of freedom. The seed is fixed,
    // so the outcome is too.
    EXPECT_LT(chiSquare, 85.35);
}

TEST(ClockSeededRandom, ConsecutiveDrawsDifferWithinOneTick) {
    for (const double time : {0.0, 45296.25}) {
        ManualClock frozen(time);
        ClockSeededRandom source(frozen); // no state of its own: the clock alone
        const std::vector<double> u = draws(source, 10000);
        for (std::size_t i = 1; i < u.size(); ++i)
            ASSERT_NE(u[i], u[i - 1]) << "draw " << i << " at " << time;
        // Red, green and blue of one random gradient: not one grey.
        EXPECT_FALSE(int(u[0] * 255) == int(u[1] * 255) && int(u[1] * 255) == int(u[2] * 255));
    }
}

TEST(ClockSeededRandom, TheClockReadingSteersTheSequence) {
    ManualClock a(100.0), b(100.0), c(100.001);
    ClockSeededRandom first(a, 7), same(b, 7), later(c, 7);
    const std::vector<double> u = draws(first, 20);
    EXPECT_EQ(draws(same, 20), u);
    const std::vector<double> v = draws(later, 20);
    for (std::size_t i = 0; i < u.size(); ++i)
        EXPECT_NE(v[i], u[i]) << i;
}

} // namespace
