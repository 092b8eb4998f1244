// The starter styles that ship with the designer: every style loads into the
// editor within its ranges, and the file is byte for byte what the designer
// itself writes when it saves those styles one after another.

#include "logic/storedstyle.h"
#include "profile/profile.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kShipped = QStringLiteral(OMBRELO_STARTER_STYLES);

const QStringList kKeys = {QStringLiteral("SliderValueR"),     QStringLiteral("SliderValueG"),
                           QStringLiteral("SliderValueB"),     QStringLiteral("SliderValueN"),
                           QStringLiteral("SliderValueStart"), QStringLiteral("SliderValueStop"),
                           QStringLiteral("SliderValueBand"),  QStringLiteral("OptValue0"),
                           QStringLiteral("OptValue1"),        QStringLiteral("ObjName"),
                           QStringLiteral("ModLine"),          QStringLiteral("MoreXR"),
                           QStringLiteral("MoreXG"),           QStringLiteral("MoreXB")};

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
        const designer::StoredStyle style = designer::readStoredStyle(kShipped, name);
        EXPECT_TRUE(within(style.r, 0, 512));
        EXPECT_TRUE(within(style.g, 0, 512));
        EXPECT_TRUE(within(style.b, 0, 512));
        EXPECT_TRUE(within(style.n, 0, 512));
        EXPECT_TRUE(within(style.start, 0, 15000));
        EXPECT_TRUE(within(style.stop, 1, 15000));
        EXPECT_TRUE(within(style.band, 5, 255));
        EXPECT_TRUE(within(style.modLine, 1, 50));
        for (const vb::Long divisor : {style.moreXR, style.moreXG, style.moreXB})
            EXPECT_TRUE(divisor >= 1 && divisor <= 20);
        ASSERT_TRUE(style.optStop0 && style.optStop1);
        EXPECT_NE(*style.optStop0, *style.optStop1);
        EXPECT_FALSE(style.objName.isEmpty());
    }
}

TEST(StarterStyles, TheFileIsWhatTheDesignerWritesForThem) {
    QTemporaryDir dir;
    const QString rewritten = dir.filePath(QStringLiteral("Draw.ini"));
    for (const QString& name : designer::listStyleNames(kShipped)) {
        platform::profile::KeyValueList entries;
        for (const QString& key : kKeys)
            entries.append({key, platform::profile::readString(kShipped, name, key)});
        ASSERT_TRUE(platform::profile::writeKeys(rewritten, name, entries));
    }
    EXPECT_EQ(bytesOf(rewritten), bytesOf(kShipped));
}
