// The picture of a statement and its file, without any window.

#include "picture/picturefile.h"
#include "picture/statementpicture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using designer::StatementValues;

// Black to white, bands of 50 twips, Stop from the height.
StatementValues greyRamp() {
    StatementValues values;
    module1::GradientStyle& s = values.style;
    s.N = 255;
    s.Band = 50;
    s.ModLine = 1;
    s.MoreXR = s.MoreXG = s.MoreXB = 1;
    values.stopFromHeight = true;
    return values;
}

} // namespace

TEST(StatementPicture, SizesOutsideOneTo16384AreRefused) {
    for (const QSize size :
         {QSize(0, 10), QSize(10, 0), QSize(-1, 5), QSize(16385, 1), QSize(1, 16385)}) {
        EXPECT_FALSE(designer::isPictureSize(size)) << size.width() << "x" << size.height();
        EXPECT_TRUE(designer::paintStatementPicture(greyRamp(), size).isNull());
    }
    EXPECT_TRUE(designer::isPictureSize(QSize(16384, 16384)));
    const QImage dot = designer::paintStatementPicture(greyRamp(), QSize(1, 1));
    ASSERT_EQ(dot.size(), QSize(1, 1));
    EXPECT_EQ(dot.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(StatementPicture, StopFromTheHeightIsTheManualStopOfThatHeight) {
    // 200 pixels are 3000 twips.
    StatementValues manual = greyRamp();
    manual.stopFromHeight = false;
    manual.style.Stop = 3000;
    const QImage fromHeight = designer::paintStatementPicture(greyRamp(), QSize(100, 200));
    EXPECT_EQ(designer::paintStatementPicture(manual, QSize(100, 200)), fromHeight);
    EXPECT_EQ(fromHeight.pixel(99, 100), qRgb(128, 128, 128)); // the band at 1500 twips
    EXPECT_GE(qRed(fromHeight.pixel(0, 199)), 251);

    // A manual Stop short of the height leaves the rest in the background.
    manual.style.Stop = 1500;
    const QColor background(10, 20, 30);
    const QImage half = designer::paintStatementPicture(manual, QSize(100, 200), background);
    EXPECT_EQ(half.pixel(50, 190), background.rgb());
}

TEST(StatementPicture, DivisorsAndLinePatternAreTheStatements) {
    StatementValues values = greyRamp();
    values.style.R = 200;
    values.style.N = 200;
    values.style.MoreXR = 2;             // red 100
    values.style.MoreXG = 0;             // clamped to 1
    values.style.ModLine = 2;            // gaps of the background between bands
    values.style.AutoRedraw = vb::False; // painted as the statement's True would be
    const QColor background(1, 2, 3);
    const QImage image = designer::paintStatementPicture(values, QSize(20, 200), background);
    // Band 0 covers -1..25 twips (pixels 0..1); band 50 starts at 49 (pixel 3).
    EXPECT_EQ(qRed(image.pixel(5, 0)), 100);
    EXPECT_EQ(image.pixel(5, 2), background.rgb());
    EXPECT_EQ(qRed(image.pixel(5, 3)), 100);
}

// ---------------------------------------------------------------- files

TEST(PictureFile, FormatByTheExtensionInAnyCase) {
    using designer::PictureFormat;
    EXPECT_EQ(designer::pictureFormatOf(QStringLiteral("a.png")), PictureFormat::Png);
    EXPECT_EQ(designer::pictureFormatOf(QStringLiteral("/x/a.BMP")), PictureFormat::Bmp);
    EXPECT_EQ(designer::pictureFormatOf(QStringLiteral("a.Jpg")), PictureFormat::Jpeg);
    EXPECT_EQ(designer::pictureFormatOf(QStringLiteral("a.jpeg")), PictureFormat::Jpeg);
    for (const char* name : {"a.gif", "a", "a.png.txt", ".png", "/x/.png"})
        EXPECT_FALSE(designer::pictureFormatOf(QString::fromLatin1(name))) << name;
}

TEST(PictureFile, EachFormatReadsBackAsThePicture) {
    QTemporaryDir dir;
    const QImage picture = designer::paintStatementPicture(greyRamp(), QSize(64, 48));
    for (const char* name : {"p.png", "p.bmp"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(designer::writePictureFile(picture, path).isEmpty()) << name;
        const QImage back(path);
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture) << name;
        EXPECT_FALSE(back.hasAlphaChannel()) << name;
    }
    // JPEG loses a little; its size and its middle are what was painted.
    const QString jpeg = dir.filePath(QStringLiteral("p.jpg"));
    ASSERT_TRUE(designer::writePictureFile(picture, jpeg).isEmpty());
    const QImage back(jpeg);
    ASSERT_EQ(back.size(), picture.size());
    EXPECT_NEAR(qRed(back.pixel(32, 24)), qRed(picture.pixel(32, 24)), 4);
    // Nothing else is left in the folder: the file appeared in one step.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(PictureFile, AFailedWriteSaysWhyAndLeavesNothing) {
    QTemporaryDir dir;
    const QImage picture = designer::paintStatementPicture(greyRamp(), QSize(8, 8));

    const QString missing = dir.filePath(QStringLiteral("no/such/folder/p.png"));
    EXPECT_FALSE(designer::writePictureFile(picture, missing).isEmpty());
    EXPECT_FALSE(QFile::exists(missing));

    // A folder where the file would go stays a folder.
    const QString folder = dir.filePath(QStringLiteral("taken.png"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_FALSE(designer::writePictureFile(picture, folder).isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);

    EXPECT_FALSE(
        designer::writePictureFile(picture, dir.filePath(QStringLiteral("p.gif"))).isEmpty());
    EXPECT_FALSE(
        designer::writePictureFile(QImage(), dir.filePath(QStringLiteral("p.png"))).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}
