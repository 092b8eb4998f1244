#include "module1/ombrelo.h"
#include "module1/recordingsurface.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using module1::GradientStyle;
using module1::Ombrelo;
using module1::RecordedBox;
using module1::RecordingSurface;
using Behaviour = RecordingSurface::Behaviour;
using Member = RecordingSurface::Member;

namespace {

constexpr double kWidth = 4000;
constexpr double kHeight = 3000;

// Black to white over a 3000-unit surface in bands of 50.
GradientStyle greyRamp() {
    return {.R = 0,
            .G = 0,
            .B = 0,
            .N = 255,
            .Band = 50,
            .Start = 0,
            .Stop = 3000,
            .ModLine = 1,
            .AutoRedraw = vb::True,
            .MoreXR = 1,
            .MoreXG = 1,
            .MoreXB = 1};
}

int red(vb::OleColor colour) {
    return colour & 0xFF;
}
int green(vb::OleColor colour) {
    return (colour >> 8) & 0xFF;
}
int blue(vb::OleColor colour) {
    return (colour >> 16) & 0xFF;
}

std::vector<int> reds(const RecordingSurface& surface) {
    std::vector<int> levels;
    for (const RecordedBox& box : surface.boxes())
        levels.push_back(red(box.colour));
    return levels;
}

std::vector<double> tops(const RecordingSurface& surface) {
    std::vector<double> result;
    for (const RecordedBox& box : surface.boxes())
        result.push_back(box.y1);
    return result;
}

// Paints a copy of the style; the caller's divisors stay as they were.
RecordingSurface paint(GradientStyle style, double width = kWidth, double height = kHeight) {
    RecordingSurface surface(width, height);
    Ombrelo(surface, style);
    return surface;
}

} // namespace

TEST(OmbreloWorkedExamples, GreyRampPaints61OverlappingBandsFromBlackToWhite) {
    RecordingSurface surface = paint(greyRamp());

    ASSERT_EQ(surface.boxes().size(), 61u);
    for (std::size_t i = 0; i < 61; ++i) {
        const RecordedBox& box = surface.boxes()[i];
        const double y = 50.0 * i;
        EXPECT_EQ(box, (RecordedBox{-1, y - 1, kWidth, y + 50, box.colour})) << "band " << i;
        EXPECT_EQ(green(box.colour), red(box.colour));
        EXPECT_EQ(blue(box.colour), red(box.colour));
    }
    const std::vector<int> levels = reds(surface);
    EXPECT_EQ(std::vector<int>(levels.begin(), levels.begin() + 8),
              (std::vector<int>{0, 4, 8, 13, 17, 21, 26, 30}));
    EXPECT_EQ(levels.back(), 255);
}

TEST(OmbreloWorkedExamples, ExtendedRedStaysSaturatedUntilItsLevelDropsBelow256) {
    GradientStyle style = greyRamp();
    style.R = 512;
    style.N = 0;
    const std::vector<int> levels = reds(paint(style));

    ASSERT_EQ(levels.size(), 61u);
    for (int band = 0; band <= 30; ++band)
        EXPECT_EQ(levels[band], 255) << "band " << band;
    EXPECT_EQ(levels[31], 247); // y = 1550
    EXPECT_EQ(levels.back(), 0);
}

TEST(OmbreloWorkedExamples, DivisorBringsExtendedLevelsIntoRange) {
    GradientStyle style = greyRamp();
    style.R = 512;
    style.N = 0;
    style.MoreXR = 2;
    const std::vector<int> levels = reds(paint(style));

    ASSERT_GE(levels.size(), 4u);
    EXPECT_EQ(std::vector<int>(levels.begin(), levels.begin() + 4),
              (std::vector<int>{255, 251, 247, 243}));
}

TEST(OmbreloDivisors, ComeBackClampedInTheCallersVariablesAndAreUsedClamped) {
    GradientStyle style = greyRamp();
    style.R = style.G = style.B = style.N = 255;
    style.MoreXR = 0;
    style.MoreXG = -5;
    style.MoreXB = 25;
    RecordingSurface surface(kWidth, kHeight);
    Ombrelo(surface, style);

    EXPECT_EQ(style.MoreXR, 1);
    EXPECT_EQ(style.MoreXG, 1);
    EXPECT_EQ(style.MoreXB, 20);
    ASSERT_FALSE(surface.boxes().empty());
    const vb::OleColor colour = surface.boxes().front().colour;
    EXPECT_EQ(red(colour), 255);
    EXPECT_EQ(green(colour), 255);
    EXPECT_EQ(blue(colour), 255 / 20);

    style.MoreXR = 20;
    style.MoreXG = -32768;
    style.MoreXB = 32767;
    Ombrelo(surface, style);
    EXPECT_EQ(style.MoreXR, 20);
    EXPECT_EQ(style.MoreXG, 1);
    EXPECT_EQ(style.MoreXB, 20);
}

TEST(OmbreloDivisors, OtherValuesAreLeftAsTheyWere) {
    GradientStyle style = greyRamp();
    style.Band = -7;
    style.ModLine = 0;
    style.AutoRedraw = 5;
    const GradientStyle before = style;
    RecordingSurface surface(kWidth, kHeight);
    Ombrelo(surface, style);
    EXPECT_EQ(style, before);
}

TEST(OmbreloAutoRedraw, TrueAndFalseAreAppliedAndOtherValuesLeaveTheSurfaceAlone) {
    GradientStyle style = greyRamp();
    for (bool initial : {false, true}) {
        RecordingSurface on(kWidth, kHeight, initial);
        style.AutoRedraw = vb::True;
        Ombrelo(on, style);
        EXPECT_TRUE(on.autoRedraw());

        RecordingSurface off(kWidth, kHeight, initial);
        style.AutoRedraw = vb::False;
        Ombrelo(off, style);
        EXPECT_FALSE(off.autoRedraw());

        RecordingSurface untouched(kWidth, kHeight, initial);
        style.AutoRedraw = 1;
        Ombrelo(untouched, style);
        EXPECT_EQ(untouched.autoRedraw(), initial);
        EXPECT_EQ(untouched.autoRedrawAssignments(), 0);
        EXPECT_EQ(untouched.boxes().size(), 61u);
    }
}

TEST(OmbreloBandPositions, StopIsTheLastPositionAtWhichABandMayStart) {
    GradientStyle style = greyRamp();
    style.Stop = 3049;
    EXPECT_EQ(paint(style).boxes().size(), 61u);
    style.Stop = 3050;
    EXPECT_EQ(paint(style).boxes().size(), 62u);
    style.Start = 3051;
    EXPECT_EQ(paint(style).boxes().size(), 0u);
}

TEST(OmbreloBandPositions, LongGradientsPaintEveryBandInOrder) {
    // Around the multiples of the bands that reach a surface in one call.
    GradientStyle style = greyRamp();
    style.Band = 10;
    for (const vb::Integer stop : {2549, 2550, 2559, 2560, 2561, 5119, 5120, 5121, 30000}) {
        style.Stop = stop;
        const std::vector<double> painted = tops(paint(style));
        ASSERT_EQ(painted.size(), std::size_t(stop / 10 + 1)) << stop;
        for (std::size_t i = 0; i < painted.size(); ++i)
            ASSERT_EQ(painted[i], 10.0 * double(i) - 1) << stop;
    }
}

TEST(OmbreloBandPositions, NegativeBandPaintsUpwardFromStart) {
    GradientStyle style = greyRamp();
    style.Band = -50;
    style.Start = 3000;
    style.Stop = 0;
    RecordingSurface surface = paint(style);

    ASSERT_EQ(surface.boxes().size(), 61u);
    for (std::size_t i = 0; i < 61; ++i) {
        const double y = 3000.0 - 50.0 * i;
        EXPECT_EQ(surface.boxes()[i].y1, y - 1);
        EXPECT_EQ(surface.boxes()[i].y2, y - 50);
    }
}

TEST(OmbreloBandPositions, BandSizeZeroPaintsOneBandAndReturns) {
    GradientStyle style = greyRamp();
    style.Band = 0;
    RecordingSurface surface = paint(style);
    ASSERT_EQ(surface.boxes().size(), 1u);
    EXPECT_EQ(surface.boxes()[0], (RecordedBox{-1, -1, kWidth, 0, 0}));
}

TEST(OmbreloBandPositions, ModLineShortensTheBoxAndLeavesAGap) {
    GradientStyle style = greyRamp();
    style.ModLine = 2;
    RecordingSurface surface = paint(style);

    ASSERT_EQ(surface.boxes().size(), 61u);
    EXPECT_EQ(surface.boxes()[0].y1, -1);
    EXPECT_EQ(surface.boxes()[0].y2, 25);
    EXPECT_EQ(surface.boxes()[1].y1, 49);
    EXPECT_EQ(surface.boxes()[1].y2, 75);
}

TEST(OmbreloBandPositions, BoxHeightThatCannotBeComputedPaintsNothing) {
    GradientStyle style = greyRamp();
    style.ModLine = 0;
    RecordingSurface surface = paint(style);
    EXPECT_EQ(surface.lineCalls(), 0);

    // -32768 \ -1 does not fit 16 bits either.
    style.Band = -32768;
    style.ModLine = -1;
    style.Start = 0;
    style.Stop = -32768;
    EXPECT_EQ(paint(style).lineCalls(), 0);
}

TEST(OmbreloBandPositions, BandsWhoseBoxLeaves16BitsAreSkippedAndTheLoopEnds) {
    GradientStyle style = greyRamp();
    style.Start = 32700;
    style.Stop = 32767;
    // 32700 fits (box to 32750); 32750 would reach 32800; the next step overflows.
    EXPECT_EQ(tops(paint(style)), (std::vector<double>{32699}));

    style.Band = 1;
    style.Start = 32760;
    EXPECT_EQ(paint(style).boxes().size(), 7u); // 32767 + 1 does not fit

    style.Band = -1;
    style.Start = -32760;
    style.Stop = -32768;
    EXPECT_EQ(paint(style).boxes().size(), 8u); // -32768 - 1 does not fit
}

TEST(OmbreloBandPositions, WholeSixteenBitRangeTerminates) {
    GradientStyle style = greyRamp();
    style.Band = 1;
    style.Start = -32768;
    style.Stop = 32767;
    RecordingSurface surface = paint(style);
    EXPECT_EQ(surface.boxes().size(), 65534u);
    EXPECT_EQ(surface.boxes().front().y1, -32768);
    EXPECT_EQ(surface.boxes().back().y2, 32767);
}

TEST(OmbreloChannels, ChannelWhoseDistanceOverflowsKeepsItsStartLevel) {
    GradientStyle style = greyRamp();
    style.R = 0;
    style.G = style.B = 256;
    style.N = 512;
    style.Band = 64; // 512 * 64 does not fit 16 bits, 256 * 64 does
    style.Stop = 2000;
    RecordingSurface surface = paint(style);

    ASSERT_GT(surface.boxes().size(), 2u);
    for (const RecordedBox& box : surface.boxes()) {
        EXPECT_EQ(red(box.colour), 0);
        EXPECT_EQ(green(box.colour), 255);
    }
    EXPECT_EQ(blue(surface.boxes()[0].colour), 255);
}

TEST(OmbreloChannels, LevelsBelowZeroPastTheSurfacePaintBlack) {
    GradientStyle style = greyRamp();
    style.R = style.G = style.B = 255;
    style.N = 0;
    style.Stop = 3500;
    RecordingSurface surface = paint(style);

    ASSERT_EQ(surface.boxes().size(), 71u);
    for (std::size_t band = 61; band < 71; ++band)
        EXPECT_EQ(surface.boxes()[band].colour, 0u) << "band " << band;
}

TEST(OmbreloDimensions, ZeroHeightPaintsOnlyTheFirstBandInTheStartLevels) {
    GradientStyle style = greyRamp();
    style.R = 10;
    style.G = 20;
    style.B = 30;
    for (double height : {0.0, 0.4, 40000.0, -32769.0, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity()}) {
        RecordingSurface surface = paint(style, kWidth, height);
        ASSERT_EQ(surface.boxes().size(), 1u) << "height " << height;
        EXPECT_EQ(surface.boxes()[0].colour, vb::rgb(10, 20, 30));
    }

    style.R = style.G = style.B = style.N; // an undefined step instead of an infinite one
    EXPECT_EQ(paint(style, kWidth, 0).boxes().size(), 1u);
}

TEST(OmbreloDimensions, ZeroHeightStillRunsTheWholeLoopWhenNoChannelMoves) {
    GradientStyle style = greyRamp();
    style.N = 512;
    style.Band = 64; // every channel's distance overflows: no step at all
    style.Stop = 640;
    RecordingSurface surface = paint(style, kWidth, 0);
    EXPECT_EQ(surface.boxes().size(), 11u);
}

TEST(OmbreloDimensions, FractionalHeightRoundsHalfToEven) {
    // Red climbs by (3949 * 8) / H per band, shown at a twentieth, so that the
    // heights 2872, 2873 and 2874 give different gradients.
    GradientStyle style = greyRamp();
    style.N = 3949;
    style.Band = 8;
    style.Stop = 2872;
    style.MoreXR = 20;
    auto gradient = [&](double height) { return reds(paint(style, kWidth, height)); };

    ASSERT_NE(gradient(2872), gradient(2873));
    ASSERT_NE(gradient(2873), gradient(2874));
    EXPECT_EQ(gradient(2872.5), gradient(2872));
    EXPECT_EQ(gradient(2873.5), gradient(2874));
}

TEST(OmbreloDimensions, WidthIsRoundedAndCountsAsZeroWhenUnusable) {
    auto right = [](double width) { return paint(greyRamp(), width).boxes().front().x2; };
    EXPECT_EQ(right(2872.5), 2872);
    EXPECT_EQ(right(2873.5), 2874);
    EXPECT_EQ(right(-120.2), -120);
    EXPECT_EQ(right(32767.4), 32767);
    EXPECT_EQ(right(32767.5), 0);
    EXPECT_EQ(right(-40000), 0);
}

TEST(OmbreloFailingSurfaces, MissingOrFailingMembersAreSkipped) {
    for (Behaviour failure : {Behaviour::Missing, Behaviour::RaisesError, Behaviour::ThrowsOther}) {
        SCOPED_TRACE(static_cast<int>(failure));
        GradientStyle style = greyRamp();

        RecordingSurface noAutoRedraw(kWidth, kHeight);
        noAutoRedraw.setBehaviour(Member::AutoRedraw, failure);
        EXPECT_NO_THROW(Ombrelo(noAutoRedraw, style));
        EXPECT_FALSE(noAutoRedraw.autoRedraw());
        EXPECT_EQ(noAutoRedraw.boxes().size(), 61u);

        RecordingSurface noHeight(kWidth, kHeight);
        noHeight.setBehaviour(Member::ScaleHeight, failure);
        EXPECT_NO_THROW(Ombrelo(noHeight, style));
        EXPECT_EQ(noHeight.boxes().size(), 1u);

        RecordingSurface noWidth(kWidth, kHeight);
        noWidth.setBehaviour(Member::ScaleWidth, failure);
        EXPECT_NO_THROW(Ombrelo(noWidth, style));
        ASSERT_EQ(noWidth.boxes().size(), 61u);
        EXPECT_EQ(noWidth.boxes().back().x2, 0);

        RecordingSurface noLine(kWidth, kHeight);
        noLine.setBehaviour(Member::Line, failure);
        style.MoreXR = 0;
        EXPECT_NO_THROW(Ombrelo(noLine, style));
        EXPECT_EQ(noLine.lineCalls(), 61); // every band tried, none painted
        EXPECT_TRUE(noLine.boxes().empty());
        EXPECT_EQ(style.MoreXR, 1);
    }
}

TEST(OmbreloFailingSurfaces, SurfaceWithoutAnyMemberStillClampsTheDivisors) {
    struct Bare : vb::DrawingSurface {};
    Bare bare;
    GradientStyle style = greyRamp();
    style.MoreXG = 99;
    EXPECT_NO_THROW(Ombrelo(bare, style));
    EXPECT_EQ(style.MoreXG, 20);
}
