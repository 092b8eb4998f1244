// The range labels beside the colour and level sliders at the edges of
// their ranges.

#include "logic/rangelabel.h"

#include <gtest/gtest.h>

namespace {

using designer::rangeLabelText;
using designer::StyleKey;

TEST(RangeLabel, ColoursChangeAt256) {
    for (const auto& [key, letter] : {std::pair{StyleKey::SliderValueR, "R"},
                                      {StyleKey::SliderValueG, "G"},
                                      {StyleKey::SliderValueB, "B"}}) {
        const QString plain = QString::fromLatin1(letter);
        EXPECT_EQ(rangeLabelText(key, 0), plain);
        EXPECT_EQ(rangeLabelText(key, 255), plain);
        EXPECT_EQ(rangeLabelText(key, 256), plain + QStringLiteral("-XT"));
        EXPECT_EQ(rangeLabelText(key, 512), plain + QStringLiteral("-XT"));
        EXPECT_EQ(rangeLabelText(key, 513), std::nullopt);
        EXPECT_EQ(rangeLabelText(key, -1), std::nullopt);
    }
}

TEST(RangeLabel, TheLevelHasThreeRanges) {
    const std::pair<vb::Long, std::optional<QString>> cases[] = {{-1, std::nullopt},
                                                                 {0, QStringLiteral("N")},
                                                                 {127, QStringLiteral("N")},
                                                                 {128, QStringLiteral("W")},
                                                                 {255, QStringLiteral("W")},
                                                                 {256, QStringLiteral("W-XT")},
                                                                 {512, QStringLiteral("W-XT")},
                                                                 {513, std::nullopt}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(rangeLabelText(StyleKey::SliderValueN, value), text) << value;
}

TEST(RangeLabel, OtherSlidersHaveNone) {
    for (const StyleKey key : {StyleKey::SliderValueStart, StyleKey::SliderValueBand,
                               StyleKey::ModLine, StyleKey::MoreXR})
        EXPECT_EQ(rangeLabelText(key, 10), std::nullopt);
}

} // namespace
