// The starter styles that ship with the designer: every style loads into the
// editor within its ranges, and the file is byte for byte what the designer
// itself writes when it saves those styles one after another.

#include "logic/storedstyle.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using designer::StyleKey;

namespace {

const QString kShipped = QStringLiteral(OMBRELO_STARTER_STYLES);

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool within(const std::optional<vb::Long>& value, vb::Long low, vb::Long high) {
    return value && *value >= low && *value <= high;
}

} // namespace

TEST(StarterStyles, AboutADozenDistinctNames) {
    const QStringList names = designer::listStyleNames(kShipped);
    EXPECT_GE(names.size(), 10);
    EXPECT_LE(names.size(), 16);
    QSet<QString> folded;
    for (const QString& name : names)
        folded.insert(name.toCaseFolded());
    EXPECT_EQ(folded.size(), names.size()) << "names that differ only in case name one section";
}

TEST(StarterStyles, EveryValueIsWithinTheEditorsRanges) {
    for (const QString& name : designer::listStyleNames(kShipped)) {
        SCOPED_TRACE(name.toStdString());
        const designer::StyleRecord style = designer::readStoredStyle(kShipped, name);
        for (const StyleKey level : {StyleKey::SliderValueR, StyleKey::SliderValueG,
                                     StyleKey::SliderValueB, StyleKey::SliderValueN})
            EXPECT_TRUE(within(style.integer(level), 0, 512));
        EXPECT_TRUE(within(style.integer(StyleKey::SliderValueStart), 0, 15000));
        EXPECT_TRUE(within(style.integer(StyleKey::SliderValueStop), 1, 15000));
        EXPECT_TRUE(within(style.integer(StyleKey::SliderValueBand), 5, 255));
        EXPECT_TRUE(within(style.integer(StyleKey::ModLine), 1, 50));
        for (const StyleKey divisor : {StyleKey::MoreXR, StyleKey::MoreXG, StyleKey::MoreXB}) {
            // Stored as they are, not taken as 1 for want of a usable value.
            EXPECT_TRUE(within(style.integer(divisor), 1, 20));
            EXPECT_FALSE(style.fallsBack(divisor));
        }
        const auto option0 = style.yesNo(StyleKey::OptValue0);
        const auto option1 = style.yesNo(StyleKey::OptValue1);
        ASSERT_TRUE(option0 && option1);
        EXPECT_NE(*option0, *option1);
        EXPECT_FALSE(style.text(StyleKey::ObjName).isEmpty());
    }
}

TEST(StarterStyles, TheFileIsWhatTheDesignerWritesForThem) {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("Draw.ini"));
    for (const QString& name : designer::listStyleNames(kShipped))
        ASSERT_TRUE(
            designer::saveStoredStyle(saved, name, designer::readStoredStyle(kShipped, name)));
    EXPECT_EQ(bytesOf(saved), bytesOf(kShipped));
}
