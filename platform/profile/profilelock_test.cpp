// The lock on the profile file across processes: designers saving and
// deleting at once lose nothing, a holder killed with SIGKILL blocks no one,
// and a lock that cannot be had fails the write and leaves the file alone.
// The writers are the helper program of tests/lockwriter.cpp.

#include "profile/profile.h"
#include "profile/tests/filebytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform::profile;
using platform::profile::test::fileBytes;
using platform::profile::test::putFile;

namespace {

const QString writerProgram = QStringLiteral(PROFILE_LOCK_WRITER);

class ProfileLockTest : public ::testing::Test {
protected:
    // Writers that each save and delete operations times on styles of their
    // own, named by their letter.
    void startWriters(int count, int operations) {
        for (int i = 0; i < count; ++i) {
            auto writer = std::make_unique<QProcess>();
            writer->start(writerProgram, {"write", path, QString(QChar('A' + i)) + " style ",
                                          QString::number(operations), QString::number(7 + i)});
            ASSERT_TRUE(writer->waitForStarted());
            writers.push_back(std::move(writer));
        }
    }

    // Waits for every writer; what they say they left, name -> version.
    std::map<QString, int> writersResults() {
        std::map<QString, int> left;
        for (auto& writer : writers) {
            EXPECT_TRUE(writer->waitForFinished(50000));
            EXPECT_EQ(writer->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().toStdString();
            const QString out = QString::fromUtf8(writer->readAllStandardOutput());
            for (const QString& line : out.split('\n', Qt::SkipEmptyParts)) {
                const qsizetype blank = line.lastIndexOf(' ');
                left[line.left(blank)] = line.mid(blank + 1).toInt();
            }
        }
        return left;
    }

    // Exactly the styles left are listed, after the sections that were there
    // before, and each is wholly the version last saved.
    void expectListed(const QStringList& before, const std::map<QString, int>& left) {
        QStringList names = sectionNames(path);
        ASSERT_GE(names.size(), before.size());
        EXPECT_EQ(names.mid(0, before.size()), before);
        names = names.mid(before.size());
        names.sort();
        QStringList expected;
        for (const auto& [name, version] : left) {
            expected.append(name);
            EXPECT_EQ(readString(path, name, "SliderValueR"), QStringLiteral("%1.0").arg(version));
            EXPECT_EQ(readString(path, name, "MoreXB"), QStringLiteral("%1.13").arg(version));
        }
        EXPECT_EQ(names, expected);
    }

    std::unique_ptr<QProcess> startHolder(const QString& file) {
        auto holder = std::make_unique<QProcess>();
        holder->start(writerProgram, {"hold", file});
        EXPECT_TRUE(holder->waitForReadyRead(10000));
        EXPECT_EQ(holder->readAllStandardOutput(), "held\n");
        return holder;
    }

    QStringList filesInFolder() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir dir;
    QString path = dir.filePath("Draw.ini");
    std::vector<std::unique_ptr<QProcess>> writers;
};

} // namespace

TEST_F(ProfileLockTest, DesignersSavingAtOnceLoseNothing) {
    // A library that is there before them, with a hand-written section.
    putFile(path, "[Sunset]\r\nSliderValueR=255\r\n; by hand\r\n[Notes]\r\nkept=as written\r\n");
    startWriters(4, 150);
    const std::map<QString, int> left = writersResults();
    EXPECT_GT(left.size(), 20u);
    expectListed({"Sunset", "Notes"}, left);
    EXPECT_EQ(readString(path, "Notes", "kept"), "as written");
    EXPECT_TRUE(fileBytes(path).startsWith("[Sunset]\r\nSliderValueR=255\r\n; by hand\r\n[Notes]"));
    EXPECT_EQ(filesInFolder(), QStringList({"Draw.ini"}));
}

TEST_F(ProfileLockTest, AHolderKilledBlocksNoOne) {
    std::unique_ptr<QProcess> holder = startHolder(path);
    startWriters(3, 60);
    // The writers wait on the holder, then go on as soon as it is gone.
    EXPECT_FALSE(writers.front()->waitForFinished(300));
    ::kill(static_cast<pid_t>(holder->processId()), SIGKILL);
    ASSERT_TRUE(holder->waitForFinished(10000));
    const std::map<QString, int> left = writersResults();
    expectListed({}, left);
    EXPECT_EQ(filesInFolder(), QStringList({"Draw.ini"}));
}

TEST_F(ProfileLockTest, ALockThatCannotBeHadFailsTheWrite) {
    putFile(path, "[Sunset]\r\nModLine=1\r\n");
    std::unique_ptr<QProcess> holder = startHolder(path);
    SystemFileAccess impatient(std::chrono::milliseconds(200));
    EXPECT_FALSE(writeString(path, "Sunset", "ModLine", "2", impatient));
    EXPECT_FALSE(writeKeys(path, "New", {{"ModLine", "2"}}, impatient));
    EXPECT_FALSE(deleteSection(path, "Sunset", impatient));
    EXPECT_EQ(fileBytes(path), "[Sunset]\r\nModLine=1\r\n");
    // Reads take no lock.
    EXPECT_EQ(readString(path, "Sunset", "ModLine"), "1");
    EXPECT_EQ(sectionNames(path), QStringList({"Sunset"}));

    holder->kill();
    ASSERT_TRUE(holder->waitForFinished(10000));
    EXPECT_TRUE(writeString(path, "Sunset", "ModLine", "2", impatient));
    EXPECT_EQ(readString(path, "Sunset", "ModLine"), "2");
    EXPECT_EQ(filesInFolder(), QStringList({"Draw.ini"}));
}

TEST_F(ProfileLockTest, EveryNameOfTheFileTakesTheLockBesideTheRealFile) {
    QTemporaryDir library;
    const QString target = library.filePath("styles.ini");
    putFile(target, "[Sunset]\r\nModLine=1\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(target, path));
    EXPECT_EQ(lockFilePath(path), target + ".lock");

    std::unique_ptr<QProcess> holder = startHolder(target);
    SystemFileAccess impatient(std::chrono::milliseconds(100));
    EXPECT_FALSE(writeString(path, "Sunset", "ModLine", "2", impatient));
    holder->kill();
    ASSERT_TRUE(holder->waitForFinished(10000));

    // Written through the link: the link stays, the target keeps its mode.
    ASSERT_TRUE(writeString(path, "Sunset", "ModLine", "2"));
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(readString(target, "Sunset", "ModLine"), "2");
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(filesInFolder(), QStringList({"Draw.ini"}));
    EXPECT_EQ(QDir(library.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"styles.ini"}));
}

// A folder that allows no new file holds no lock file either: the file is
// written in place as before, without the lock. Run as an ordinary user
// (the superuser may create files in any folder).
TEST_F(ProfileLockTest, WithoutALockFileTheWriteGoesOnInPlace) {
    putFile(path, "[Sunset]\r\nModLine=1\r\n");
    const uid_t nobody = 65534;
    if (geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(dir.path()).constData(), nobody, nobody), 0);
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody, nobody), 0);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            ::_exit(2);
        ::_exit(writeString(path, "Sunset", "ModLine", "2") ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(fileBytes(path), "[Sunset]\r\nModLine=2\r\n");
    EXPECT_EQ(filesInFolder(), QStringList({"Draw.ini"}));
}
