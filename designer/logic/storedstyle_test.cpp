#include "logic/storedstyle.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class StoredStyleTest : public ::testing::Test {
protected:
    QString write(const QByteArray& content) {
        QFile file(path());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path();
    }
    QString path() const { return dir_.filePath(QStringLiteral("Draw.ini")); }

private:
    QTemporaryDir dir_;
};

TEST_F(StoredStyleTest, MissingFileListsNothingAndReadsNothing) {
    EXPECT_TRUE(designer::listStyleNames(path()).isEmpty());
    const designer::StoredStyle s = designer::readStoredStyle(path(), QStringLiteral("Any"));
    EXPECT_FALSE(s.r && s.g && s.stop && s.optStop0);
    EXPECT_TRUE(s.objName.isEmpty());
    EXPECT_TRUE(s.modLineNeedsReset());
    EXPECT_EQ(s.moreXR, 1);
    EXPECT_EQ(s.moreXB, 1);
}

TEST_F(StoredStyleTest, ListsInFileOrderAndStopsAtAnEmptyName) {
    write("[Zeta]\nA=1\n[alpha]\n[Mid]\n[]\nB=2\n[After]\n");
    EXPECT_EQ(
        designer::listStyleNames(path()),
        (QStringList{QStringLiteral("Zeta"), QStringLiteral("alpha"), QStringLiteral("Mid")}));
}

TEST_F(StoredStyleTest, ReadsAStyleAsTheProgramWritesIt) {
    write("[Sunset]\nSliderValueR=255\nSliderValueG=128\nSliderValueB=0\nSliderValueN=236\n"
          "SliderValueStart=0\nSliderValueStop=4500\nSliderValueBand=50\nOptValue0=False\n"
          "OptValue1=True\nObjName=Picture1\nModLine=2\nMoreXR=3\nMoreXG=4\nMoreXB=20\n");
    const designer::StoredStyle s = designer::readStoredStyle(path(), QStringLiteral("sunset"));
    EXPECT_EQ(s.r, 255);
    EXPECT_EQ(s.g, 128);
    EXPECT_EQ(s.b, 0);
    EXPECT_EQ(s.n, 236);
    EXPECT_EQ(s.start, 0);
    EXPECT_EQ(s.stop, 4500);
    EXPECT_EQ(s.band, 50);
    EXPECT_EQ(s.optStop0, false);
    EXPECT_EQ(s.optStop1, true);
    EXPECT_EQ(s.objName, "Picture1");
    EXPECT_EQ(s.modLine, 2);
    EXPECT_FALSE(s.modLineNeedsReset());
    EXPECT_EQ(s.moreXR, 3);
    EXPECT_EQ(s.moreXG, 4);
    EXPECT_EQ(s.moreXB, 20);
}

TEST_F(StoredStyleTest, HostileValuesAreLeftOutOrFallBack) {
    write("[Bad]\nSliderValueR=red\nSliderValueG=1e400\nSliderValueB=99999999999\n"
          "SliderValueN=2.5\nSliderValueBand=-7\nSliderValueStart=0x10\nSliderValueStop=\n"
          "OptValue0=maybe\nOptValue1=-1\nObjName=\nModLine=0.4\nMoreXR=0\nMoreXG=-3\n"
          "MoreXB=nan\n");
    const designer::StoredStyle s = designer::readStoredStyle(path(), QStringLiteral("Bad"));
    EXPECT_FALSE(s.r);
    EXPECT_FALSE(s.g);
    EXPECT_FALSE(s.b);     // does not fit 32 bits
    EXPECT_EQ(s.n, 2);     // a half goes to the even neighbour
    EXPECT_EQ(s.band, -7); // the slider decides what to do with it
    EXPECT_FALSE(s.start);
    EXPECT_FALSE(s.stop);
    EXPECT_FALSE(s.optStop0);
    EXPECT_EQ(s.optStop1, true);
    EXPECT_TRUE(s.objName.isEmpty());
    EXPECT_TRUE(s.modLineNeedsReset());
    EXPECT_EQ(s.moreXR, 1);
    EXPECT_EQ(s.moreXG, 1);
    EXPECT_EQ(s.moreXB, 1);
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
