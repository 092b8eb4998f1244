// What a load sets, in which order, and what it falls back to, on records
// whole, with keys missing and with keys that cannot be used.

#include "logic/styleload.h"

#include <gtest/gtest.h>

namespace {

using designer::LoadStep;
using designer::StyleKey;
using designer::StyleRecord;

StyleRecord whole() {
    StyleRecord r;
    r.setInteger(StyleKey::SliderValueR, 255);
    r.setInteger(StyleKey::SliderValueG, 128);
    r.setInteger(StyleKey::SliderValueB, 0);
    r.setInteger(StyleKey::SliderValueN, 236);
    r.setInteger(StyleKey::SliderValueStart, 10);
    r.setInteger(StyleKey::SliderValueStop, 4500);
    r.setInteger(StyleKey::SliderValueBand, 50);
    r.setYesNo(StyleKey::OptValue0, false);
    r.setYesNo(StyleKey::OptValue1, true);
    r.setText(StyleKey::ObjName, QStringLiteral("Me.Picture1"));
    r.setInteger(StyleKey::ModLine, 3);
    r.setInteger(StyleKey::MoreXR, 2);
    r.setInteger(StyleKey::MoreXG, 4);
    r.setInteger(StyleKey::MoreXB, 20);
    return r;
}

LoadStep number(StyleKey key, vb::Long value) {
    return {key, value, false, {}};
}

LoadStep option(StyleKey key, bool selected) {
    return {key, 0, selected, {}};
}

LoadStep name(const QString& text) {
    return {StyleKey::ObjName, 0, false, text};
}

TEST(StyleLoad, AWholeRecordSetsEveryControlOnceStartAndStopFirst) {
    const std::vector<LoadStep> expected = {
        number(StyleKey::SliderValueStart, 10),
        number(StyleKey::SliderValueStop, 4500),
        number(StyleKey::SliderValueR, 255),
        number(StyleKey::SliderValueG, 128),
        number(StyleKey::SliderValueB, 0),
        number(StyleKey::SliderValueN, 236),
        number(StyleKey::SliderValueBand, 50),
        option(StyleKey::OptValue0, false),
        option(StyleKey::OptValue1, true),
        name(QStringLiteral("Me.Picture1")),
        number(StyleKey::ModLine, 3),
        number(StyleKey::MoreXR, 2),
        number(StyleKey::MoreXG, 4),
        number(StyleKey::MoreXB, 20),
    };
    EXPECT_EQ(designer::styleLoadSteps(whole()), expected);
}

TEST(StyleLoad, AnEmptyRecordKeepsTheControlsAndTakesEveryFallback) {
    // Nothing stored: the sliders and options keep their values, the name
    // is set empty and then "[OBJECT]", the divisors are 1 at once and
    // ModLine 1 once the load is done.
    const std::vector<LoadStep> expected = {
        name(QString()),
        number(StyleKey::MoreXR, 1),
        number(StyleKey::MoreXG, 1),
        number(StyleKey::MoreXB, 1),
        name(QStringLiteral("[OBJECT]")),
        number(StyleKey::ModLine, 1),
    };
    EXPECT_EQ(designer::styleLoadSteps(StyleRecord()), expected);
}

TEST(StyleLoad, UnusableValuesAreSkippedOrFallBack) {
    StyleRecord r = whole();
    r.setText(StyleKey::SliderValueR, QStringLiteral("red"));
    r.setText(StyleKey::SliderValueStop, QStringLiteral(""));
    r.setText(StyleKey::OptValue0, QStringLiteral("maybe"));
    r.setText(StyleKey::ObjName, QString());
    r.setInteger(StyleKey::ModLine, 0);
    r.setInteger(StyleKey::MoreXR, 0);
    r.setText(StyleKey::MoreXG, QStringLiteral("x"));
    r.setInteger(StyleKey::MoreXB, -1);
    const std::vector<LoadStep> expected = {
        number(StyleKey::SliderValueStart, 10),
        number(StyleKey::SliderValueG, 128),
        number(StyleKey::SliderValueB, 0),
        number(StyleKey::SliderValueN, 236),
        number(StyleKey::SliderValueBand, 50),
        option(StyleKey::OptValue1, true),
        name(QString()),
        // A ModLine below 1 is set as stored (the slider stops it at its
        // end), then replaced by 1.
        number(StyleKey::ModLine, 0),
        number(StyleKey::MoreXR, 1),
        number(StyleKey::MoreXG, 1),
        number(StyleKey::MoreXB, 1),
        name(QStringLiteral("[OBJECT]")),
        number(StyleKey::ModLine, 1),
    };
    EXPECT_EQ(designer::styleLoadSteps(r), expected);
}

TEST(StyleLoad, ValuesBeyondASlidersRangeAreLeftToTheSlider) {
    StyleRecord r = whole();
    r.setInteger(StyleKey::SliderValueR, 99999);
    r.setInteger(StyleKey::MoreXR, 99);
    const std::vector<LoadStep> steps = designer::styleLoadSteps(r);
    EXPECT_EQ(steps[2], number(StyleKey::SliderValueR, 99999));
    EXPECT_EQ(steps[11], number(StyleKey::MoreXR, 99));
}

} // namespace
