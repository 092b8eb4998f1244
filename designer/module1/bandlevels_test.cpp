// The vector form of a band's levels against the scalar rules it stands for:
// CLng's rounding of each level, the divisors, the limits of RGB.

#include "module1/bandlevels.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <vector>

namespace {

using module1::LevelInts;
using module1::Levels;

// The levels worth trying: ties and near-ties of every kind, the edges of
// 32 bits, values that are not finite, and many at random over the whole
// range of Single.
std::vector<float> interestingLevels() {
    std::vector<float> levels;
    for (int n = -600; n <= 600; ++n)
        for (const float part : {0.0f, 0.25f, 0.5f, 0.75f})
            levels.push_back(float(n) + part);
    for (const float edge :
         {2147483520.0f, 2147483648.0f, 4294967296.0f, 16777216.0f, 8388608.5f, 1e-40f,
          std::numeric_limits<float>::max(), std::numeric_limits<float>::infinity(),
          std::numeric_limits<float>::quiet_NaN()}) {
        levels.push_back(edge);
        levels.push_back(-edge);
        levels.push_back(std::nextafter(edge, 0.0f));
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<std::uint32_t> bits;
    for (int i = 0; i < 20000; ++i)
        levels.push_back(std::bit_cast<float>(bits(random)));
    std::uniform_real_distribution<float> small(-1000.0f, 1000.0f);
    for (int i = 0; i < 20000; ++i)
        levels.push_back(small(random));
    return levels;
}

TEST(BandLevels, EachLevelRoundsAsCLngRoundsIt) {
    const std::vector<float> levels = interestingLevels();
    for (std::size_t i = 0; i + 3 <= levels.size(); i += 3) {
        LevelInts fits;
        const LevelInts rounded =
            module1::roundLevels(Levels{levels[i], levels[i + 1], levels[i + 2], 0.0f}, fits);
        for (int lane = 0; lane < 3; ++lane) {
            const float level = levels[i + std::size_t(lane)];
            const std::optional<vb::Long> expected = vb::checked::toLong(level);
            ASSERT_EQ(fits[lane] != 0, expected.has_value()) << level;
            if (expected) {
                ASSERT_EQ(rounded[lane], *expected) << level;
            }
        }
    }
}

TEST(BandLevels, ColourIsRgbOfTheRoundedLevelsOverTheirDivisors) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> level(-300.0f, 1100.0f);
    std::uniform_int_distribution<int> divisor(1, 20);
    for (int i = 0; i < 20000; ++i) {
        const Levels levels{level(random), level(random), level(random), 0.0f};
        const LevelInts divisors{divisor(random), divisor(random), divisor(random), 1};
        long long expected[3];
        for (int lane = 0; lane < 3; ++lane)
            expected[lane] = *vb::checked::toLong(levels[lane]) / divisors[lane];
        vb::OleColor divided = 0;
        ASSERT_TRUE(module1::levelColour<true>(levels, divisors, divided));
        EXPECT_EQ(divided, vb::rgb(expected[0], expected[1], expected[2]));
        vb::OleColor whole = 0;
        ASSERT_TRUE(module1::levelColour<false>(levels, divisors, whole));
        EXPECT_EQ(whole, vb::rgb(*vb::checked::toLong(levels[0]), *vb::checked::toLong(levels[1]),
                                 *vb::checked::toLong(levels[2])));
    }
}

TEST(BandLevels, NoColourWhenALevelCannotBeRounded) {
    vb::OleColor colour = 0x123456;
    const LevelInts ones{1, 1, 1, 1};
    for (const float bad : {std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN(), 2147483648.0f, -3e9f}) {
        EXPECT_FALSE(module1::levelColour<false>(Levels{10.0f, bad, 10.0f, 0.0f}, ones, colour));
        EXPECT_FALSE(module1::levelColour<true>(Levels{bad, 10.0f, 10.0f, 0.0f}, ones, colour));
    }
    EXPECT_EQ(colour, 0x123456u);
}

} // namespace
