#include "logic/storedstyle.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using designer::StyleKey;
using designer::StyleRecord;

class StoredStyleTest : public ::testing::Test {
protected:
    QString write(const QByteArray& content) {
        QFile file(path());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path();
    }
    QByteArray contents() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QString path() const { return dir_.filePath(QStringLiteral("Draw.ini")); }

private:
    QTemporaryDir dir_;
};

StyleRecord sunset() {
    StyleRecord r;
    r.setInteger(StyleKey::SliderValueR, 255);
    r.setInteger(StyleKey::SliderValueG, 128);
    r.setInteger(StyleKey::SliderValueB, 0);
    r.setInteger(StyleKey::SliderValueN, 236);
    r.setInteger(StyleKey::SliderValueStart, 0);
    r.setInteger(StyleKey::SliderValueStop, 4500);
    r.setInteger(StyleKey::SliderValueBand, 50);
    r.setYesNo(StyleKey::OptValue0, true);
    r.setYesNo(StyleKey::OptValue1, false);
    r.setText(StyleKey::ObjName, QStringLiteral("[OBJECT]"));
    r.setInteger(StyleKey::ModLine, 1);
    r.setInteger(StyleKey::MoreXR, 1);
    r.setInteger(StyleKey::MoreXG, 1);
    r.setInteger(StyleKey::MoreXB, 1);
    return r;
}

const QByteArray kSunsetSection =
    "[Sunset]\r\nSliderValueR=255\r\nSliderValueG=128\r\nSliderValueB=0\r\nSliderValueN=236\r\n"
    "SliderValueStart=0\r\nSliderValueStop=4500\r\nSliderValueBand=50\r\nOptValue0=True\r\n"
    "OptValue1=False\r\nObjName=[OBJECT]\r\nModLine=1\r\nMoreXR=1\r\nMoreXG=1\r\nMoreXB=1\r\n";

TEST(StyleKeys, LoadReadsBandBeforeStartAndStop) {
    QStringList order;
    for (const StyleKey key : designer::styleKeysInLoadOrder())
        order.append(designer::styleKeyName(key));
    EXPECT_EQ(order.join(' '), "SliderValueR SliderValueG SliderValueB SliderValueN "
                               "SliderValueBand SliderValueStart SliderValueStop OptValue0 "
                               "OptValue1 ObjName ModLine MoreXR MoreXG MoreXB");
}

TEST_F(StoredStyleTest, MissingFileListsNothingAndReadsNothing) {
    EXPECT_TRUE(designer::listStyleNames(path()).isEmpty());
    const StyleRecord s = designer::readStoredStyle(path(), QStringLiteral("Any"));
    EXPECT_FALSE(s.integer(StyleKey::SliderValueR));
    EXPECT_FALSE(s.yesNo(StyleKey::OptValue0));
    EXPECT_TRUE(s.text(StyleKey::ObjName).isEmpty());
    EXPECT_TRUE(s.fallsBack(StyleKey::ObjName));
    EXPECT_TRUE(s.fallsBack(StyleKey::ModLine));
    EXPECT_EQ(s.integer(StyleKey::MoreXR), 1);
    EXPECT_EQ(s.integer(StyleKey::MoreXB), 1);
}

TEST_F(StoredStyleTest, ListsInFileOrderAndStopsAtAnEmptyName) {
    write("[Zeta]\nA=1\n[alpha]\n[Mid]\n[]\nB=2\n[After]\n");
    EXPECT_EQ(
        designer::listStyleNames(path()),
        (QStringList{QStringLiteral("Zeta"), QStringLiteral("alpha"), QStringLiteral("Mid")}));
}

TEST_F(StoredStyleTest, SavesInTheWindowsLayoutAndReadsItBack) {
    ASSERT_TRUE(designer::saveStoredStyle(path(), QStringLiteral("Sunset"), sunset()));
    EXPECT_EQ(contents(), kSunsetSection);
    const StyleRecord s = designer::readStoredStyle(path(), QStringLiteral("SUNSET"));
    for (const designer::StyleKeyInfo& info : designer::styleKeys)
        EXPECT_EQ(s.text(info.key), sunset().text(info.key)) << info.name;
    EXPECT_EQ(s.integer(StyleKey::SliderValueStop), 4500);
    EXPECT_EQ(s.yesNo(StyleKey::OptValue0), true);
    EXPECT_FALSE(s.fallsBack(StyleKey::ModLine));
}

TEST_F(StoredStyleTest, SavingAgainRewritesKeyByKey) {
    write("[A]\r\nk=1\r\n[sunset]\r\nMoreXB=9\r\nMine=kept\r\nSliderValueR=3\r\n[B]\r\nk=2\r\n");
    StyleRecord changed = sunset();
    changed.setText(StyleKey::ObjName, QString());
    ASSERT_TRUE(designer::saveStoredStyle(path(), QStringLiteral("Sunset"), changed));
    const QByteArray bytes = contents();
    EXPECT_TRUE(bytes.startsWith("[A]\r\nk=1\r\n[sunset]\r\nMoreXB=1\r\nMine=kept\r\n"
                                 "SliderValueR=255\r\nSliderValueG=128\r\n"));
    EXPECT_TRUE(bytes.endsWith("ObjName=\r\nModLine=1\r\nMoreXR=1\r\nMoreXG=1\r\n[B]\r\nk=2\r\n"));
    EXPECT_EQ(designer::listStyleNames(path()), QStringList({"A", "sunset", "B"}));
}

TEST_F(StoredStyleTest, HostileNamesAreStoredWholeOrNotAtAll) {
    write("[Caf\xE9]\r\nObjName=\xE9t\xE9\r\n");
    const QByteArray before = contents();
    for (const QString& refused : {QStringLiteral("Two\r\nLines"), QStringLiteral("a\nb"),
                                   QString(32766, QLatin1Char('n')), QStringLiteral("  ")}) {
        EXPECT_FALSE(designer::saveStoredStyle(path(), refused, sunset()));
        EXPECT_FALSE(designer::deleteStoredStyle(path(), refused));
        EXPECT_EQ(contents(), before);
    }
    const QStringList stored = {
        "a]b", "]", "[x", "x=y", "\u65e5\u672c \u0100", QString(32765, QLatin1Char('m'))};
    for (const QString& name : stored)
        ASSERT_TRUE(designer::saveStoredStyle(path(), name, sunset()));
    EXPECT_EQ(designer::listStyleNames(path()), QStringList{"Caf\u00e9"} + stored);
    for (const QString& name : stored) {
        const StyleRecord s = designer::readStoredStyle(path(), name);
        EXPECT_EQ(s.text(StyleKey::ObjName), "[OBJECT]") << name.left(20).toStdString();
    }
    // The code-page file became UTF-8 without changing what it says.
    EXPECT_EQ(designer::readStoredStyle(path(), "CAF\u00c9").text(StyleKey::ObjName),
              "\u00e9t\u00e9");
}

TEST_F(StoredStyleTest, DeletesOneSectionAndNeverAnUnnamedOne) {
    write("[]\r\nk=0\r\n[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
    EXPECT_FALSE(designer::deleteStoredStyle(path(), QString()));
    EXPECT_TRUE(designer::deleteStoredStyle(path(), QStringLiteral("a")));
    EXPECT_EQ(contents(), "[]\r\nk=0\r\n[B]\r\nk=2\r\n");
    EXPECT_TRUE(designer::deleteStoredStyle(path(), QStringLiteral("missing")));
    EXPECT_EQ(contents(), "[]\r\nk=0\r\n[B]\r\nk=2\r\n");
}

TEST_F(StoredStyleTest, ReadOnlyFileIsLeftAsItIs) {
    write(kSunsetSection);
    ASSERT_EQ(chmod(QFile::encodeName(path()).constData(), 0444), 0);
    StyleRecord changed = sunset();
    changed.setInteger(StyleKey::SliderValueR, 1);
    EXPECT_FALSE(designer::saveStoredStyle(path(), QStringLiteral("Sunset"), changed));
    EXPECT_FALSE(designer::saveStoredStyle(path(), QStringLiteral("New"), changed));
    EXPECT_FALSE(designer::deleteStoredStyle(path(), QStringLiteral("Sunset")));
    EXPECT_EQ(contents(), kSunsetSection);
}

TEST_F(StoredStyleTest, HostileValuesAreLeftOutOrFallBack) {
    write("[Bad]\nSliderValueR=red\nSliderValueG=1e400\nSliderValueB=99999999999\n"
          "SliderValueN=2.5\nSliderValueBand=-7\nSliderValueStart=0x10\nSliderValueStop=\n"
          "OptValue0=maybe\nOptValue1=-1\nObjName=\nModLine=0.4\nMoreXR=0\nMoreXG=-3\n"
          "MoreXB=nan\n");
    const StyleRecord s = designer::readStoredStyle(path(), QStringLiteral("Bad"));
    EXPECT_FALSE(s.integer(StyleKey::SliderValueR));
    EXPECT_FALSE(s.integer(StyleKey::SliderValueG));
    EXPECT_FALSE(s.integer(StyleKey::SliderValueB));     // does not fit 32 bits
    EXPECT_EQ(s.integer(StyleKey::SliderValueN), 2);     // a half goes to the even neighbour
    EXPECT_EQ(s.integer(StyleKey::SliderValueBand), -7); // the slider decides what to do
    EXPECT_FALSE(s.integer(StyleKey::SliderValueStart));
    EXPECT_FALSE(s.integer(StyleKey::SliderValueStop));
    EXPECT_FALSE(s.yesNo(StyleKey::OptValue0));
    EXPECT_EQ(s.yesNo(StyleKey::OptValue1), true);
    EXPECT_TRUE(s.fallsBack(StyleKey::ObjName));
    EXPECT_EQ(s.integer(StyleKey::ModLine), 0);
    EXPECT_TRUE(s.fallsBack(StyleKey::ModLine));
    EXPECT_EQ(s.integer(StyleKey::MoreXR), 1);
    EXPECT_EQ(s.integer(StyleKey::MoreXG), 1);
    EXPECT_EQ(s.integer(StyleKey::MoreXB), 1);
}

} // namespace

#include "logic/stopheight.h"

namespace {

TEST(StopFromScaleHeight, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(designer::stopFromScaleHeight(2872.5), 2872);
    EXPECT_EQ(designer::stopFromScaleHeight(2873.5), 2874);
    EXPECT_EQ(designer::stopFromScaleHeight(1830), 1830);
    EXPECT_FALSE(designer::stopFromScaleHeight(40000.0)); // beyond an Integer
}

} // namespace
