// The widened procedure for large surfaces: the same boxes as the 16-bit
// procedure wherever every value fits 16 bits, and whole surfaces beyond.

#include "module1/ombrelo.h"
#include "module1/recordingsurface.h"

#include <gtest/gtest.h>

#include <random>

using module1::RecordingSurface;

namespace {

struct Case {
    double width, height;
    vb::Integer r, g, b, n, band, start, stop, modLine, autoRedraw, mr, mg, mb;
};

RecordingSurface paintedNarrow(Case c) {
    RecordingSurface surface(c.width, c.height);
    module1::Ombrelo(surface, c.r, c.g, c.b, c.n, c.band, c.start, c.stop, c.modLine, c.autoRedraw,
                     c.mr, c.mg, c.mb);
    return surface;
}

RecordingSurface paintedWide(Case c) {
    RecordingSurface surface(c.width, c.height);
    vb::Long start = c.start, stop = c.stop;
    module1::OmbreloWide(surface, c.r, c.g, c.b, c.n, c.band, start, stop, c.modLine, c.autoRedraw,
                         c.mr, c.mg, c.mb);
    return surface;
}

} // namespace

TEST(OmbreloWide, PaintsTheSameBoxesAsTheProcedureWhereEverythingFits16Bits) {
    std::mt19937 random(20261208);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int i = 0; i < 3000; ++i) {
        // Mostly the editor's ranges, sometimes anything 16 bits hold, and
        // positions near the 16-bit edges where the procedure stops early.
        const bool wild = i % 5 == 0;
        const auto level = [&] { return vb::Integer(wild ? pick(-600, 600) : pick(0, 512)); };
        Case c{};
        c.width = pick(0, 3) == 0 ? pick(-10, 40000) : pick(1, 32767);
        c.height = pick(0, 3) == 0 ? pick(-10, 40000) + 0.5 : pick(0, 32767);
        c.r = level(), c.g = level(), c.b = level(), c.n = level();
        c.band = vb::Integer(wild ? pick(-300, 300) : pick(5, 255));
        c.start = vb::Integer(wild ? pick(-32768, 32767) : pick(0, 15000));
        c.stop = vb::Integer(wild ? pick(-32768, 32767) : pick(1, 32767));
        c.modLine = vb::Integer(wild ? pick(-3, 60) : pick(1, 50));
        c.autoRedraw = vb::Integer(pick(-1, 1));
        c.mr = vb::Integer(pick(-2, 25)), c.mg = vb::Integer(pick(-2, 25));
        c.mb = vb::Integer(pick(-2, 25));
        if (c.width > 32767 || c.height > 32767 || c.height < -32768)
            continue; // beyond 16 bits: the two differ on purpose
        const RecordingSurface narrow = paintedNarrow(c);
        const RecordingSurface wide = paintedWide(c);
        ASSERT_EQ(wide.boxes(), narrow.boxes())
            << "case " << i << ": " << c.width << "x" << c.height << " band " << c.band << " start "
            << c.start << " stop " << c.stop << " modline " << c.modLine;
        ASSERT_EQ(wide.autoRedraw(), narrow.autoRedraw());
    }
}

TEST(OmbreloWide, DivisorsComeBackClampedAsFromTheProcedure) {
    RecordingSurface surface(100, 100);
    vb::Integer r = 0, g = 0, b = 0, n = 255, band = 50, modLine = 1, autoRedraw = vb::True;
    vb::Integer mr = 0, mg = 25, mb = 7;
    vb::Long start = 0, stop = 100;
    module1::OmbreloWide(surface, r, g, b, n, band, start, stop, modLine, autoRedraw, mr, mg, mb);
    EXPECT_EQ(mr, 1);
    EXPECT_EQ(mg, 20);
    EXPECT_EQ(mb, 7);
}

TEST(OmbreloWide, AStyleIsPaintedWithTheGivenStartStopAndAutoRedraw) {
    module1::GradientStyle style;
    style.R = 40, style.G = 300, style.B = 7, style.N = 200, style.Band = 9;
    style.Start = 30, style.Stop = 31, style.ModLine = 3, style.AutoRedraw = vb::False;
    style.MoreXR = 0, style.MoreXG = 25, style.MoreXB = 4;
    RecordingSurface fromStyle(400, 300);
    vb::Long start = 10, stop = 290;
    module1::OmbreloWide(fromStyle, style, start, stop, vb::True);

    RecordingSurface spelledOut(400, 300);
    vb::Integer r = 40, g = 300, b = 7, n = 200, band = 9, modLine = 3, autoRedraw = vb::True;
    vb::Integer mr = 0, mg = 25, mb = 4;
    vb::Long start2 = 10, stop2 = 290;
    module1::OmbreloWide(spelledOut, r, g, b, n, band, start2, stop2, modLine, autoRedraw, mr, mg,
                         mb);
    EXPECT_EQ(fromStyle.boxes(), spelledOut.boxes());
    EXPECT_EQ(fromStyle.autoRedraw(), spelledOut.autoRedraw());
    // The style's divisors come back clamped; its own Start, Stop and
    // AutoRedraw were not used and stay.
    EXPECT_EQ(style.MoreXR, 1);
    EXPECT_EQ(style.MoreXG, 20);
    EXPECT_EQ(style.MoreXB, 4);
    EXPECT_EQ(style.Start, 30);
    EXPECT_EQ(style.Stop, 31);
    EXPECT_EQ(style.AutoRedraw, vb::False);
}

TEST(OmbreloWide, ScreenBeyond16BitsIsPaintedWholeWithTheBandSizeOfASmallOne) {
    // 2560 x 1440 pixels at 15 twips a pixel: 38400 x 21600 twips.
    RecordingSurface surface(38400, 21600);
    vb::Integer r = 0, g = 0, b = 0, n = 255, band = 50, modLine = 1, autoRedraw = vb::True;
    vb::Integer mr = 1, mg = 1, mb = 1;
    vb::Long start = 0, stop = 21600;
    module1::OmbreloWide(surface, r, g, b, n, band, start, stop, modLine, autoRedraw, mr, mg, mb);
    const auto& boxes = surface.boxes();
    ASSERT_EQ(boxes.size(), 21600u / 50 + 1);
    EXPECT_EQ(boxes.front().x2, 38400);
    EXPECT_EQ(boxes.front().y1, -1);
    EXPECT_EQ(boxes.back().y1, 21599);
    EXPECT_EQ(boxes.back().y2, 21650);
    EXPECT_EQ(boxes.front().colour, 0u);
    EXPECT_EQ(boxes.back().colour & 0xFF, 255u);

    // The 16-bit procedure cannot read that width and paints one column.
    RecordingSurface narrow(38400, 21600);
    vb::Integer start16 = 0, stop16 = 21600;
    module1::Ombrelo(narrow, r, g, b, n, band, start16, stop16, modLine, autoRedraw, mr, mg, mb);
    EXPECT_EQ(narrow.boxes().front().x2, 0);
}

TEST(OmbreloWide, PositionsThatLeave32BitsEndTheGradient) {
    RecordingSurface surface(100, 100);
    vb::Integer r = 0, g = 0, b = 0, n = 255, band = 255, modLine = 1, autoRedraw = vb::True;
    vb::Integer mr = 1, mg = 1, mb = 1;
    vb::Long start = 2147483647 - 600, stop = 2147483647;
    module1::OmbreloWide(surface, r, g, b, n, band, start, stop, modLine, autoRedraw, mr, mg, mb);
    // Bands at start, +255, +510; the box of the last one ends past 32 bits
    // and is skipped, and the next position ends the loop.
    EXPECT_EQ(surface.boxes().size(), 2u);
}
