#include "picturebox/olecolor.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(OleColour, PlainColoursHoldRedInTheLowByte) {
    EXPECT_EQ(fromOleColor(0x000000FF, QPalette())->rgb(), qRgb(255, 0, 0));
    EXPECT_EQ(fromOleColor(0x00FF0000, QPalette())->rgb(), qRgb(0, 0, 255));
    EXPECT_EQ(fromOleColor(0x00123456, QPalette())->rgb(), qRgb(0x56, 0x34, 0x12));
    EXPECT_EQ(toOleColor(QColor(0x56, 0x34, 0x12)), 0x00123456u);
    EXPECT_EQ(toOleColor(qRgba(1, 2, 3, 0)), 0x00030201u);
}

TEST(OleColour, PaletteFlagsOfPlainColoursAreIgnored) {
    EXPECT_EQ(fromOleColor(0x02123456, QPalette())->rgb(), qRgb(0x56, 0x34, 0x12));
}

TEST(OleColour, SystemColoursComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::ButtonText, QColor(7, 8, 9));
    EXPECT_EQ(fromOleColor(ButtonFace, palette)->rgb(), qRgb(1, 2, 3));
    EXPECT_EQ(fromOleColor(WindowBackground, palette)->rgb(), qRgb(4, 5, 6));
    EXPECT_EQ(fromOleColor(ButtonText, palette)->rgb(), qRgb(7, 8, 9));
    EXPECT_TRUE(isSystemColour(ButtonFace));
    EXPECT_FALSE(isSystemColour(0x00FFFFFF));
}

TEST(OleColour, UnknownSystemColoursHaveNoColour) {
    EXPECT_FALSE(fromOleColor(0x80000019, QPalette()));
    EXPECT_FALSE(fromOleColor(0xFFFFFFFF, QPalette()));
}

TEST(OleColour, WithoutAnApplicationSystemColoursStillResolve) {
    const auto face = fromOleColor(ButtonFace);
    ASSERT_TRUE(face);
    EXPECT_EQ(face->alpha(), 255);
}

} // namespace
} // namespace platform
