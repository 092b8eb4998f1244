#include "picturebox/pixelbox.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace platform {
namespace {

constexpr double at96dpi = 1.0 / 15.0; // device pixels per twip
const QSize box333x193(333, 193);

PixelBox pixels(int left, int top, int right, int bottom) {
    return PixelBox{left, top, right, bottom};
}

TEST(PixelMapping, CornersLieInThePixelsHoldingThemBothEdgesIncluded) {
    EXPECT_EQ(mapTwipBox(0, 0, 14, 14, at96dpi, box333x193), pixels(0, 0, 0, 0));
    EXPECT_EQ(mapTwipBox(0, 0, 15, 29, at96dpi, box333x193), pixels(0, 0, 1, 1));
    EXPECT_EQ(mapTwipBox(15, 30, 44, 45, at96dpi, box333x193), pixels(1, 2, 2, 3));
}

TEST(PixelMapping, CornersMayComeInAnyOrder) {
    EXPECT_EQ(mapTwipBox(44, 45, 15, 30, at96dpi, box333x193), pixels(1, 2, 2, 3));
    EXPECT_EQ(mapTwipBox(15, 45, 44, 30, at96dpi, box333x193), pixels(1, 2, 2, 3));
}

TEST(PixelMapping, GradientBandsOverlapByOneRowAndSpanTheFullWidth) {
    const double scaleWidth = 333 * 15.0;
    // Band 50: (-1, y-1)-(W, y+50) for y = 0, 50, 100.
    EXPECT_EQ(mapTwipBox(-1, -1, scaleWidth, 50, at96dpi, box333x193), pixels(0, 0, 332, 3));
    EXPECT_EQ(mapTwipBox(-1, 49, scaleWidth, 100, at96dpi, box333x193), pixels(0, 3, 332, 6));
    EXPECT_EQ(mapTwipBox(-1, 99, scaleWidth, 150, at96dpi, box333x193), pixels(0, 6, 332, 10));
}

TEST(PixelMapping, ClipsToTheImage) {
    EXPECT_EQ(mapTwipBox(-5000, -5000, 5000, 5000, at96dpi, box333x193), pixels(0, 0, 332, 192));
    EXPECT_EQ(mapTwipBox(-100, -100, 0, 0, at96dpi, box333x193), pixels(0, 0, 0, 0));
    EXPECT_EQ(mapTwipBox(4980, 2880, 1e9, 1e9, at96dpi, box333x193), pixels(332, 192, 332, 192));
}

TEST(PixelMapping, BoxesEntirelyOutsideCoverNothing) {
    EXPECT_FALSE(mapTwipBox(-100, -100, -1, -1, at96dpi, box333x193));
    EXPECT_FALSE(mapTwipBox(-100, 0, -1, 100, at96dpi, box333x193));
    EXPECT_FALSE(mapTwipBox(4995, 0, 6000, 100, at96dpi, box333x193));
    EXPECT_FALSE(mapTwipBox(0, 2895, 100, 2895, at96dpi, box333x193));
    EXPECT_FALSE(mapTwipBox(0, 0, 10, 10, at96dpi, QSize(0, 10)));
}

TEST(PixelMapping, NonFiniteCoordinatesCoverNothing) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(mapTwipBox(nan, 0, 100, 100, at96dpi, box333x193));
    EXPECT_FALSE(mapTwipBox(0, 0, inf, 100, at96dpi, box333x193));
    EXPECT_FALSE(mapTwipBox(0, -inf, 100, 100, at96dpi, box333x193));
}

TEST(PixelMapping, DenseScreensGetMorePixelsForTheSameTwips) {
    // Ratio 2 at 96 dpi: 7.5 twips per device pixel.
    EXPECT_EQ(mapTwipBox(0, 0, 15, 14, 2.0 / 15.0, QSize(20, 20)), pixels(0, 0, 2, 1));
    // 120 dpi: 12 twips per pixel.
    EXPECT_EQ(mapTwipBox(12, 0, 23, 24, 1.0 / 12.0, QSize(20, 20)), pixels(1, 0, 1, 2));
}

TEST(PixelMapping, MultiplesOfAFractionalPixelSizeLandOnTheirPixel) {
    // 96 dpi at a ratio of 1.5: 10 twips per device pixel, and 1.5 / 15 is
    // not exact in binary.
    const double perTwip = 1.5 / 15.0;
    for (int p = 0; p < 3000; ++p)
        ASSERT_EQ(mapTwipBox(p * 10.0, 0, p * 10.0, 0, perTwip, QSize(3000, 1))->left, p) << p;
}

// The pixel of a coordinate as the mapping defines it, with the library floor.
int floorPixel(double c, double perTwip, int limit) {
    const double p = std::floor(c * perTwip + 1e-9);
    return static_cast<int>(std::clamp(p, -1.0, static_cast<double>(limit)));
}

TEST(PixelMapping, EveryCoordinateLandsInThePixelItsFloorGives) {
    const QSize bounds(50, 40);
    for (const double perTwip : {1.0 / 15.0, 2.0 / 15.0, 1.5 / 15.0, 1.0 / 12.0, 3.0, 1e300}) {
        for (int step = -2000; step <= 2000; ++step) {
            for (const double c :
                 {step * 0.5, step * 0.5 + 1e-12, step * 0.5 - 1e-12, step * 7.3}) {
                const int left = floorPixel(c, perTwip, bounds.width());
                const int top = floorPixel(c, perTwip, bounds.height());
                const auto box = mapTwipBox(c, c, 1e9, 1e9, perTwip, bounds);
                if (left >= bounds.width() || top >= bounds.height()) {
                    ASSERT_FALSE(box) << c << " at " << perTwip;
                    continue;
                }
                ASSERT_TRUE(box) << c << " at " << perTwip;
                ASSERT_EQ(box->left, std::max(0, left)) << c << " at " << perTwip;
                ASSERT_EQ(box->top, std::max(0, top)) << c << " at " << perTwip;
            }
        }
    }
    EXPECT_EQ(mapTwipBox(-1e308, -1e308, 1e308, 1e308, 1e300, bounds), pixels(0, 0, 49, 39));
}

TEST(PixelMapping, WholeTwipPixelStartsAgreeWithTheMapping) {
    constexpr int limit = 60;
    for (const double perTwip :
         {1.0 / 15.0, 2.0 / 15.0, 1.5 / 15.0, 1.25 / 15.0, 1.0 / 12.0, 1.0 / 7.5, 0.7, 3.0}) {
        const std::vector<long long> starts = wholeTwipPixelStarts(perTwip, limit);
        ASSERT_EQ(starts.size(), std::size_t(limit + 1));
        for (long long y = -300; y <= 3000; ++y) {
            const int pixel = floorPixel(double(y), perTwip, limit);
            if (pixel < 0)
                ASSERT_LT(y, starts[0]) << y << " at " << perTwip;
            else if (pixel >= limit)
                ASSERT_GE(y, starts[limit]) << y << " at " << perTwip;
            else
                ASSERT_TRUE(starts[pixel] <= y && y < starts[pixel + 1]) << y << " at " << perTwip;
        }
    }
    EXPECT_EQ(wholeTwipPixelStarts(1.0 / 15.0, 0), std::vector<long long>{0});
}

TEST(PixelFill, FillsExactlyTheBoxInAPlainImage) {
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(0xff000000);
    fillPixelBox(image, pixels(2, 1, 4, 3), 0xff123456);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            const bool inside = x >= 2 && x <= 4 && y >= 1 && y <= 3;
            EXPECT_EQ(image.pixel(x, y), inside ? 0xff123456 : 0xff000000) << x << "," << y;
        }
}

TEST(PixelFill, FillsWholeRowsOfPaddedAndLongImages) {
    // Rows padded beyond their pixels must keep the padding untouched.
    std::vector<QRgb> memory(10 * 4, 0xffabcdef);
    QImage padded(reinterpret_cast<uchar*>(memory.data()), 9, 4, 10 * sizeof(QRgb),
                  QImage::Format_RGB32);
    fillPixelBox(padded, pixels(0, 1, 8, 2), 0xff010203);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(memory[y * 10 + x], y == 1 || y == 2 ? 0xff010203 : 0xffabcdef);
        EXPECT_EQ(memory[y * 10 + 9], 0xffabcdefu);
    }
    QImage wide(1000, 3, QImage::Format_RGB32);
    wide.fill(0xff000000);
    fillPixelBox(wide, pixels(0, 0, 999, 1), 0xff00ff00);
    for (int x = 0; x < 1000; ++x) {
        ASSERT_EQ(wide.pixel(x, 1), 0xff00ff00) << x;
        ASSERT_EQ(wide.pixel(x, 2), 0xff000000) << x;
    }
}

TEST(PixelFill, FillsEachRowWithItsOwnValueAndLeavesRowsWithoutOne) {
    // Every width and start column around the wide stores, padded and not.
    for (const int stride : {40, 41}) {
        for (int left = 0; left < 12; ++left) {
            for (int right = left; right < 40; ++right) {
                std::vector<QRgb> memory(std::size_t(stride) * 6, 0xff000000);
                QImage image(reinterpret_cast<uchar*>(memory.data()), 40, 6,
                             stride * qsizetype(sizeof(QRgb)), QImage::Format_RGB32);
                const QRgb values[6] = {0xff111111, 0xff222222, 0, 0xff222222, 0xff333333, 0};
                fillPixelRows(image, left, right, values, 1, 4);
                for (int y = 0; y < 6; ++y)
                    for (int x = 0; x < stride; ++x) {
                        const bool filled =
                            y >= 1 && y <= 4 && values[y] != 0 && x >= left && x <= right;
                        ASSERT_EQ(memory[std::size_t(y * stride + x)],
                                  filled ? values[y] : 0xff000000)
                            << "stride " << stride << " columns " << left << ".." << right << " at "
                            << x << "," << y;
                    }
            }
        }
    }
}

} // namespace
} // namespace platform
