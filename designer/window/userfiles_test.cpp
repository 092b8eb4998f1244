// Where the user's styles go for an installed and for a portable designer,
// and the first start's copy of the starter styles, which must never touch
// anything the user has.

#include "logic/userfiles.h"
#include "window/windowservices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using designer::SeedOutcome;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A prefix with bin/ and, when installed, share/ombrelo/ beside it.
struct Prefix {
    explicit Prefix(bool installed) {
        QDir(dir.path()).mkpath(QStringLiteral("bin"));
        if (installed)
            QDir(dir.path()).mkpath(QStringLiteral("share/ombrelo"));
    }
    QString bin() const { return dir.filePath(QStringLiteral("bin")); }
    QTemporaryDir dir;
};

} // namespace

TEST(UserFiles, SystemFoldersAreStandardOnesAndInstalledLayouts) {
    EXPECT_TRUE(designer::isSystemProgramFolder(QStringLiteral("/usr/bin")));
    EXPECT_TRUE(designer::isSystemProgramFolder(QStringLiteral("/usr/local/bin/")));
    EXPECT_FALSE(designer::isSystemProgramFolder(QString()));
    const Prefix installed(true), buildTree(false);
    EXPECT_TRUE(designer::isSystemProgramFolder(installed.bin()));
    EXPECT_FALSE(designer::isSystemProgramFolder(buildTree.bin()));
    EXPECT_EQ(designer::installedDataFolder(installed.bin()),
              installed.dir.filePath(QStringLiteral("share/ombrelo")));
}

TEST(UserFiles, AnInstalledProgramNeverKeepsStylesBesideItself) {
    // Even when its folder is writable, as it is for root.
    const Prefix installed(true), portable(false);
    QTemporaryDir home;
    EXPECT_EQ(designer::chooseProfilePath(installed.bin(), home.path()),
              home.filePath(QStringLiteral("ombrelo/Draw.ini")));
    EXPECT_EQ(designer::chooseProfilePath(portable.bin(), home.path()),
              QDir(portable.bin()).filePath(QStringLiteral("Draw.ini")));
}

TEST(UserFiles, TheStarterIsTakenFromTheFirstFolderThatHasIt) {
    QTemporaryDir first, second;
    EXPECT_TRUE(designer::findStarterStyles({first.path(), second.path()}).isEmpty());
    writeFile(second.filePath(QStringLiteral("Draw.ini")), "[B]\r\n");
    EXPECT_EQ(designer::findStarterStyles({first.path(), second.path()}),
              second.filePath(QStringLiteral("Draw.ini")));
    writeFile(first.filePath(QStringLiteral("Draw.ini")), "[A]\r\n");
    EXPECT_EQ(designer::findStarterStyles({first.path(), second.path()}),
              first.filePath(QStringLiteral("Draw.ini")));
}

TEST(UserFiles, AFirstStartGetsTheStarterWhole) {
    QTemporaryDir shipped, home;
    const QString starter = shipped.filePath(QStringLiteral("Draw.ini"));
    writeFile(starter, "[Sunset]\r\nSliderValueR=90\r\n");
    const QString profile = home.filePath(QStringLiteral("ombrelo/Draw.ini"));
    EXPECT_EQ(designer::seedStarterStyles(starter, profile), SeedOutcome::Seeded);
    EXPECT_EQ(bytesOf(profile), bytesOf(starter));
    EXPECT_TRUE(QFileInfo(profile).isWritable());
    // Nothing else is left in the user's folder.
    EXPECT_EQ(QDir(home.filePath(QStringLiteral("ombrelo")))
                  .entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("Draw.ini")});
}

TEST(UserFiles, WhatTheUserHasIsNeverReplaced) {
    QTemporaryDir shipped, home;
    const QString starter = shipped.filePath(QStringLiteral("Draw.ini"));
    writeFile(starter, "[Sunset]\r\n");

    const QString own = home.filePath(QStringLiteral("Draw.ini"));
    writeFile(own, "[Mine]\r\n");
    EXPECT_EQ(designer::seedStarterStyles(starter, own), SeedOutcome::UserHasFile);
    EXPECT_EQ(bytesOf(own), QByteArray("[Mine]\r\n"));

    // An empty file is the user's too (all styles deleted).
    const QString emptied = home.filePath(QStringLiteral("empty/Draw.ini"));
    writeFile(emptied, "");
    EXPECT_EQ(designer::seedStarterStyles(starter, emptied), SeedOutcome::UserHasFile);
    EXPECT_TRUE(bytesOf(emptied).isEmpty());

    // A link to a file that is gone: writing through it would create a file
    // somewhere else.
    const QString linked = home.filePath(QStringLiteral("linked/Draw.ini"));
    const QString target = home.filePath(QStringLiteral("elsewhere/Draw.ini"));
    QDir().mkpath(QFileInfo(linked).absolutePath());
    ASSERT_TRUE(QFile::link(target, linked));
    EXPECT_EQ(designer::seedStarterStyles(starter, linked), SeedOutcome::UserHasFile);
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST(UserFiles, WithoutStarterOrPlaceNothingIsWritten) {
    QTemporaryDir home;
    const QString profile = home.filePath(QStringLiteral("Draw.ini"));
    EXPECT_EQ(designer::seedStarterStyles(QString(), profile), SeedOutcome::NoStarter);
    EXPECT_EQ(designer::seedStarterStyles(home.filePath(QStringLiteral("none.ini")), profile),
              SeedOutcome::NoStarter);
    EXPECT_FALSE(QFileInfo::exists(profile));

    // The profile's folder cannot be made: a file stands where it would go.
    const QString starter = home.filePath(QStringLiteral("starter.ini"));
    writeFile(starter, "[Sunset]\r\n");
    writeFile(home.filePath(QStringLiteral("blocked")), "not a folder");
    EXPECT_EQ(
        designer::seedStarterStyles(starter, home.filePath(QStringLiteral("blocked/Draw.ini"))),
        SeedOutcome::Failed);
}
