// A saved style's statement as a freshly started window would write it.

#include "logic/savedstatement.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using designer::readSavedStatement;

class SavedStatementTest : public ::testing::Test {
protected:
    QString library(const QByteArray& content) {
        QFile file(path());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path();
    }
    QString path() const { return dir_.filePath(QStringLiteral("Draw.ini")); }
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

const QByteArray kSunset = "[Sunset]\r\nSliderValueR=255\r\nSliderValueG=128\r\nSliderValueB=0\r\n"
                           "SliderValueN=236\r\nSliderValueStart=10\r\nSliderValueStop=4500\r\n"
                           "SliderValueBand=40\r\nOptValue0=False\r\nOptValue1=True\r\n"
                           "ObjName=Me\r\nModLine=2\r\nMoreXR=3\r\nMoreXG=4\r\nMoreXB=5\r\n";

} // namespace

TEST_F(SavedStatementTest, AStyleGivesItsValuesAndStopMethod) {
    const auto saved = readSavedStatement(library(kSunset), QStringLiteral("sunset"));
    ASSERT_TRUE(saved.values) << saved.problem.toStdString();
    const module1::GradientStyle& s = saved.values->style;
    EXPECT_EQ((std::array<int, 11>{s.R, s.G, s.B, s.N, s.Band, s.Start, s.Stop, s.ModLine, s.MoreXR,
                                   s.MoreXG, s.MoreXB}),
              (std::array<int, 11>{255, 128, 0, 236, 40, 10, 4500, 2, 3, 4, 5}));
    EXPECT_EQ(s.AutoRedraw, vb::True);
    EXPECT_FALSE(saved.values->stopFromHeight);
}

TEST_F(SavedStatementTest, MissingAndOutOfRangeValuesFallBackAsALoadDoes) {
    // Only two keys: the sliders keep the values a fresh window starts with,
    // OptStop(0) stays selected; the out-of-range level stops at the end.
    const QString file = library("[Bare]\r\nSliderValueR=900\r\nModLine=0\r\n");
    const auto saved = readSavedStatement(file, QStringLiteral("Bare"));
    ASSERT_TRUE(saved.values) << saved.problem.toStdString();
    const module1::GradientStyle& s = saved.values->style;
    EXPECT_EQ((std::array<int, 11>{s.R, s.G, s.B, s.N, s.Band, s.Start, s.Stop, s.ModLine, s.MoreXR,
                                   s.MoreXG, s.MoreXB}),
              (std::array<int, 11>{512, 0, 0, 0, 50, 0, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(saved.values->stopFromHeight);

    // Divisors that do not read or are not above 0 are 1, above 20 are 20;
    // a ModLine that does not read is 1.
    const QString odd =
        library("[Odd]\r\nMoreXR=x\r\nMoreXG=-3\r\nMoreXB=99\r\nModLine=abc\r\nOptValue0=0\r\n"
                "OptValue1=1\r\n");
    const auto oddSaved = readSavedStatement(odd, QStringLiteral("Odd"));
    ASSERT_TRUE(oddSaved.values) << oddSaved.problem.toStdString();
    EXPECT_EQ(oddSaved.values->style.MoreXR, 1);
    EXPECT_EQ(oddSaved.values->style.MoreXG, 1);
    EXPECT_EQ(oddSaved.values->style.MoreXB, 20);
    EXPECT_EQ(oddSaved.values->style.ModLine, 1);
    EXPECT_FALSE(oddSaved.values->stopFromHeight);
}

TEST_F(SavedStatementTest, RefusalsNameTheStyleAndTheFile) {
    const QString file = library(kSunset + "[Broken]\r\nSliderValueBand=wide\r\n"
                                           "[NoStop]\r\nOptValue0=False\r\n"
                                           "[BadOption]\r\nOptValue1=maybe\r\n");
    const QString missingFile = folder() + QStringLiteral("/none/Draw.ini");
    const struct {
        QString file;
        const char* style;
        const char* says;
    } cases[] = {
        {file, "Moonrise", "no such style"},
        {file, "Broken", "SliderValueBand does not read: \"wide\""},
        {file, "NoStop", "selects no stop method"},
        {file, "BadOption", "OptValue1 does not read"},
        {missingFile, "Sunset", "cannot read the library: no such file"},
        {folder(), "Sunset", "cannot read the library: is a folder"},
    };
    for (const auto& c : cases) {
        const auto saved = readSavedStatement(c.file, QString::fromLatin1(c.style));
        EXPECT_FALSE(saved.values) << c.style;
        const std::string problem = saved.problem.toStdString();
        EXPECT_NE(problem.find("style \"" + std::string(c.style) + "\" in " + c.file.toStdString()),
                  std::string::npos)
            << problem;
        EXPECT_NE(problem.find(c.says), std::string::npos) << problem;
        EXPECT_EQ(problem.find('\n'), std::string::npos) << problem;
    }
}
