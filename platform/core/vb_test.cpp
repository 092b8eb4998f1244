#include "core/drawingsurface.h"
#include "core/vb.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

using namespace vb;

TEST(VbRounding, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(checked::toInteger(0.5), 0);
    EXPECT_EQ(checked::toInteger(1.5), 2);
    EXPECT_EQ(checked::toInteger(2.5), 2);
    EXPECT_EQ(checked::toInteger(-2.5), -2);
    EXPECT_EQ(checked::toInteger(-3.5), -4);
    EXPECT_EQ(checked::toInteger(8.5), 8);
    EXPECT_EQ(checked::toInteger(25.5), 26);
    EXPECT_EQ(checked::toInteger(2872.5), 2872);
    EXPECT_EQ(checked::toInteger(2873.5), 2874);
    EXPECT_EQ(checked::toInteger(2.4999), 2);
    EXPECT_EQ(checked::toLong(255.5), 256);
}

TEST(VbRounding, ValuesThatDoNotFitFail) {
    EXPECT_EQ(checked::toInteger(32767.4), 32767);
    EXPECT_FALSE(checked::toInteger(32767.5));
    EXPECT_EQ(checked::toInteger(-32768.5), -32768);
    EXPECT_FALSE(checked::toInteger(-32769.0));
    EXPECT_FALSE(checked::toInteger(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(checked::toLong(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(checked::toLong(2147483647.5));
    EXPECT_FALSE(checked::toSingle(1e300));
    EXPECT_TRUE(checked::toSingle(std::numeric_limits<double>::infinity()));
}

namespace {

// CLng as the library rounding gives it, for comparison with the fast path.
std::optional<Long> referenceToLong(double value) {
    auto r = checked::roundHalfEven(value);
    if (!r || *r < -2147483648.0 || *r > 2147483647.0)
        return std::nullopt;
    return static_cast<Long>(*r);
}

std::vector<double> roundingProbes() {
    std::vector<double> probes = {0.0,
                                  -0.0,
                                  0.5,
                                  -0.5,
                                  0.49999999999999994,
                                  -0.49999999999999994,
                                  1e-300,
                                  -1e-300,
                                  2147483647.0,
                                  2147483647.4,
                                  2147483647.5,
                                  2147483646.5,
                                  -2147483648.0,
                                  -2147483648.4,
                                  -2147483648.5,
                                  -2147483647.5,
                                  -2147483649.0,
                                  2147483648.0,
                                  4503599627370495.5,
                                  1e18,
                                  -1e18,
                                  1e300,
                                  -1e300,
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    for (int k = -300; k <= 300; ++k) {
        const double tie = k + 0.5;
        probes.insert(probes.end(),
                      {tie, std::nextafter(tie, -1e9), std::nextafter(tie, 1e9), k + 0.25, k + 0.75,
                       static_cast<double>(static_cast<float>(k * 0.37f))});
    }
    for (const double big : {2147483647.5, -2147483648.5, 1073741824.5, -1073741823.5})
        probes.insert(probes.end(), {std::nextafter(big, -1e300), std::nextafter(big, 1e300)});
    return probes;
}

} // namespace

TEST(VbRounding, AgreesWithTheLibraryRoundingInEveryRoundingMode) {
    const std::vector<double> probes = roundingProbes();
    for (const int mode : {FE_TONEAREST, FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(std::fesetround(mode), 0);
        for (const double value : probes) {
            EXPECT_EQ(checked::toLong(value), referenceToLong(value)) << value << " mode " << mode;
            const auto asLong = referenceToLong(value);
            const bool fitsInteger = asLong && *asLong >= -32768 && *asLong <= 32767;
            EXPECT_EQ(checked::toInteger(value).has_value(), fitsInteger) << value;
            if (fitsInteger) {
                EXPECT_EQ(checked::toInteger(value), *asLong) << value;
            }
        }
    }
    std::fesetround(FE_TONEAREST);
}

TEST(VbArithmetic, SixteenBitResultsThatDoNotFitFail) {
    EXPECT_EQ(checked::add(Integer{32000}, Integer{767}), 32767);
    EXPECT_FALSE(checked::add(Integer{32000}, Integer{768}));
    EXPECT_FALSE(checked::sub(Integer{-32768}, Integer{1}));
    EXPECT_FALSE(checked::mul(Integer{512}, Integer{64}));
    EXPECT_EQ(checked::mul(Integer{-512}, Integer{64}), -32768);
    EXPECT_THROW(mul(Integer{512}, Integer{64}), RuntimeError);
}

TEST(VbArithmetic, IntegerDivisionTruncatesTowardZero) {
    EXPECT_EQ(checked::intDiv(Integer{7}, Integer{2}), 3);
    EXPECT_EQ(checked::intDiv(Integer{-7}, Integer{2}), -3);
    EXPECT_EQ(checked::intDiv(Integer{50}, Integer{-3}), -16);
    EXPECT_FALSE(checked::intDiv(Integer{1}, Integer{0}));
    EXPECT_FALSE(checked::intDiv(Integer{-32768}, Integer{-1}));
    try {
        intDiv(Integer{1}, Integer{0});
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 11);
        EXPECT_EQ(e.description(), "Division by zero");
    }
}

TEST(VbErrors, ResumeNextSkipsOnlyTheFailingStatement) {
    int reached = 0;
    EXPECT_FALSE(resumeNext([&] {
        raiseError(err::Overflow);
        reached = 1;
    }));
    EXPECT_TRUE(resumeNext([&] { reached = 2; }));
    EXPECT_EQ(reached, 2);
}

TEST(VbColour, RgbLimitsEachComponent) {
    EXPECT_EQ(rgb(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(rgb(0, 0, 255), 0xFF0000u);
    EXPECT_EQ(rgb(256, 300, 512), 0xFFFFFFu);
    EXPECT_EQ(rgb(-4, 8, 0), 0x000800u);
    EXPECT_EQ(toBoolean(true), -1);
}

TEST(VbSurface, MembersNotProvidedRaise438) {
    struct Bare : DrawingSurface {};
    Bare bare;
    try {
        bare.scaleHeight();
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 438);
    }
    EXPECT_THROW(bare.lineBox(0, 0, 1, 1, 0), RuntimeError);
    EXPECT_THROW(bare.setAutoRedraw(true), RuntimeError);
}
