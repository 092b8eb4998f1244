#include "statement.h"

#include <gtest/gtest.h>

using namespace designer;

namespace {

StatementInput greyStyle() {
    StatementInput in;
    in.objName = QStringLiteral("[OBJECT]");
    module1::GradientStyle& d = in.drawing;
    d.R = d.G = d.B = 138;
    d.N = 236;
    d.Band = 50;
    d.Start = 0;
    d.Stop = 2895;
    d.ModLine = 1;
    d.AutoRedraw = -1;
    in.stopMethod = StopMethod::TargetHeight;
    return in;
}

} // namespace

TEST(Statement, TargetHeightFormNamesTheObjectTwice) {
    EXPECT_EQ(
        buildStatement(greyStyle()),
        QStringLiteral("Ombrelo [OBJECT], 138, 138, 138, 236, 50, 0, [OBJECT].ScaleHeight, 1, "
                       "True, 1, 1, 1"));
    StatementInput in = greyStyle();
    in.objName = QStringLiteral("Me.Picture1");
    EXPECT_EQ(buildStatement(in), QStringLiteral("Ombrelo Me.Picture1, 138, 138, 138, 236, 50, 0, "
                                                 "Me.Picture1.ScaleHeight, 1, True, 1, 1, 1"));
}

TEST(Statement, ManualFormPassesStopAndSliderDivisors) {
    StatementInput in = greyStyle();
    in.objName = QStringLiteral("Picture1");
    in.stopMethod = StopMethod::Manual;
    in.drawing.Stop = 3000;
    in.drawing.AutoRedraw = 0;
    in.moreXR = 2;
    in.moreXG = 3;
    in.moreXB = 4;
    EXPECT_EQ(
        buildStatement(in),
        QStringLiteral("Ombrelo Picture1, 138, 138, 138, 236, 50, 0, 3000, 1, False, 2, 3, 4"));
}

TEST(Statement, EmptyNameNegativeValuesAndNoStopMethod) {
    StatementInput in = greyStyle();
    in.objName.clear();
    in.stopMethod = StopMethod::Manual;
    in.drawing.Start = -5;
    in.drawing.AutoRedraw = 1; // any non-zero value is true
    EXPECT_EQ(buildStatement(in),
              QStringLiteral("Ombrelo , 138, 138, 138, 236, 50, -5, 2895, 1, True, 1, 1, 1"));
    in.stopMethod = StopMethod::None;
    EXPECT_FALSE(buildStatement(in).has_value());
}

TEST(TimeText, TwoDigitsBeforeAndExactlyTwoAfterThePoint) {
    EXPECT_EQ(timeText(0.05), QStringLiteral("00.05 secs."));
    EXPECT_EQ(timeText(1.5), QStringLiteral("01.50 secs."));
    EXPECT_EQ(timeText(123.456), QStringLiteral("123.46 secs."));
    EXPECT_EQ(timeText(0.0), QStringLiteral("00.00 secs."));
    EXPECT_EQ(timeText(9.999), QStringLiteral("10.00 secs."));
    EXPECT_EQ(timeText(-0.3), QStringLiteral("00.00 secs."));
}
