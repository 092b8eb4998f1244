// The profile functions on real files: fixtures as other programs leave
// them, the designer's buffers, and writes that must fail without harm.

#include "profile/profile.h"
#include "profile/tests/filebytes.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform::profile;
using platform::profile::test::fileBytes;
using platform::profile::test::putFile;

namespace {

class ProfileFile : public ::testing::Test {
protected:
    QString copyOf(const char* fixture) {
        const QString path = dir.filePath(fixture);
        putFile(path, fileBytes(QStringLiteral(PROFILE_TESTDATA "/") + fixture));
        return path;
    }
    QTemporaryDir dir;
    QString path = dir.filePath("Draw.ini");
};

const KeyValueList sunset = {{"SliderValueR", "255"},   {"SliderValueG", "128"},
                             {"SliderValueB", "0"},     {"SliderValueN", "236"},
                             {"SliderValueStart", "0"}, {"SliderValueStop", "4500"},
                             {"SliderValueBand", "50"}, {"OptValue0", "True"},
                             {"OptValue1", "False"},    {"ObjName", "[OBJECT]"},
                             {"ModLine", "1"},          {"MoreXR", "1"},
                             {"MoreXG", "1"},           {"MoreXB", "1"}};

} // namespace

TEST_F(ProfileFile, SavedStyleHasTheWindowsLayout) {
    ASSERT_TRUE(writeKeys(path, "Sunset", sunset));
    EXPECT_EQ(fileBytes(path), fileBytes(PROFILE_TESTDATA "/sunset.ini"));
    const QString single = dir.filePath("single.ini");
    for (const KeyValue& entry : sunset)
        ASSERT_TRUE(writeString(single, "Sunset", entry.key, entry.value));
    EXPECT_EQ(fileBytes(single), fileBytes(path));
    EXPECT_EQ(readString(path, "SUNSET", "objname"), "[OBJECT]");
    EXPECT_TRUE(writeKeys(path, "Empty", {}));
    EXPECT_EQ(sectionNames(path), QStringList({"Sunset"}));
}

TEST_F(ProfileFile, HandEditedFile) {
    const QString file = copyOf("handedited.ini");
    EXPECT_EQ(sectionNames(file),
              QStringList({"Sunset", "SUNSET", "Dawn", "a]b", "", "After Empty"}));
    EXPECT_EQ(readString(file, "sunset", "SliderValueR"), "255");
    EXPECT_EQ(readString(file, "Sunset", "SLIDERVALUEG"), "128");
    EXPECT_EQ(readString(file, "Sunset", "ObjName"), "  Picture1  ");
    EXPECT_EQ(readString(file, "Sunset", "Quoted"), "single");
    EXPECT_EQ(readString(file, "Sunset", "Mismatched"), "\"left only");
    EXPECT_EQ(readString(file, "Sunset", "orphan", "none"), "none");
    EXPECT_EQ(readString(file, " dawn", "key"), "first");
    EXPECT_EQ(readString(file, "", "Y"), "2");

    const QByteArray before = fileBytes(file);
    ASSERT_TRUE(writeString(file, "SUNSET", "sliderValueb", "7"));
    QByteArray expected = before;
    expected.replace("SliderValueB=0", "SliderValueB=7");
    EXPECT_EQ(fileBytes(file), expected);

    ASSERT_TRUE(deleteSection(file, "Sunset"));
    expected.remove(expected.indexOf("[Sunset]"),
                    expected.indexOf("[SUNSET]") - expected.indexOf("[Sunset]"));
    EXPECT_EQ(fileBytes(file), expected);
    EXPECT_EQ(readString(file, "Sunset", "SliderValueR"), "1");
}

TEST_F(ProfileFile, OtherEncodingsAndLineEndings) {
    const QString crOnly = copyOf("cr_only.ini");
    EXPECT_EQ(sectionNames(crOnly), QStringList({"Red", "Blue"}));
    ASSERT_TRUE(writeString(crOnly, "Green", "SliderValueG", "255"));
    EXPECT_TRUE(fileBytes(crOnly).endsWith("\r[Green]\rSliderValueG=255\r"));

    const QString codePage = copyOf("windows1252.ini");
    EXPECT_EQ(sectionNames(codePage), QStringList({"Caf\u00e9", "Plain"}));
    EXPECT_EQ(readString(codePage, "CAF\u00c9", "ObjName"), "\u20ac \u0178\u0081");

    const QString bom = copyOf("utf8_bom.ini");
    ASSERT_TRUE(writeString(bom, "caf\u00e9", "k", "\u00e9"));
    EXPECT_EQ(fileBytes(bom),
              "\xEF\xBB\xBF[Caf\xC3\xA9]\nObjName=\xE6\x97\xA5\xE6\x9C\xAC\nk=\xC3\xA9\n");
}

TEST_F(ProfileFile, UnicodeFileFromWindowsStaysUnicode) {
    QStringEncoder utf16(QStringConverter::Utf16LE);
    const auto unicode = [&](const QString& text) {
        return "\xFF\xFE" + QByteArray(utf16.encode(text));
    };
    const QString text = "[Caf\u00e9]\r\nObjName=\u65e5\u672c\r\nModLine=3\r\n\x1A";
    putFile(path, unicode(text));
    EXPECT_EQ(sectionNames(path), QStringList({"Caf\u00e9"}));
    EXPECT_EQ(readString(path, "CAF\u00c9", "ObjName"), "\u65e5\u672c");
    ASSERT_TRUE(writeKeys(path, "caf\u00e9", {{"ModLine", "4"}, {"MoreXR", "2"}}));
    ASSERT_TRUE(writeString(path, "Neu", "ObjName", "\u00fc"));
    EXPECT_EQ(fileBytes(path), unicode("[Caf\u00e9]\r\nObjName=\u65e5\u672c\r\nModLine=4\r\n"
                                       "MoreXR=2\r\n[Neu]\r\nObjName=\u00fc\r\n\x1A"));
    ASSERT_TRUE(deleteSection(path, "Caf\u00e9"));
    EXPECT_EQ(fileBytes(path), unicode("[Neu]\r\nObjName=\u00fc\r\n\x1A"));

    // Half of a character at the end: readable, but never rewritten.
    const QByteArray cut = unicode("[A]\r\nk=1\r\n") + 'x';
    putFile(path, cut);
    EXPECT_EQ(readString(path, "A", "k"), "1");
    EXPECT_FALSE(writeString(path, "A", "k", "2"));
    EXPECT_FALSE(deleteSection(path, "A"));
    EXPECT_TRUE(deleteSection(path, "missing"));
    EXPECT_EQ(fileBytes(path), cut);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Draw.ini"}));
}

TEST_F(ProfileFile, AwkwardStyleNamesRoundTrip) {
    const QStringList names = {"a]b",         "[x",           "x=y",       ";c",
                               "Stra\u00dfe", "\u65e5\u672c", "two  words"};
    for (const QString& name : names)
        ASSERT_TRUE(writeString(path, name, "ObjName", name)) << name.toStdString();
    EXPECT_EQ(sectionNames(path), names);
    for (const QString& name : names)
        EXPECT_EQ(readString(path, name, "ObjName"), name);
}

TEST_F(ProfileFile, UnsafeTextIsNotWritten) {
    putFile(path, "[A]\r\nk=1\r\n");
    for (const auto& [section, key, value] :
         std::vector<std::array<QString, 3>>{{"A\r\n[B]", "k", "v"},
                                             {"A", "k\n", "v"},
                                             {"A", "k", "v\r\nx=1"},
                                             {"A", "k", QString(1, QChar(0))},
                                             {" ", "k", "v"},
                                             {"A", "k=x", "v"},
                                             {"A", ";k", "v"},
                                             {"A", "[k]", "v"},
                                             {"A", "k", QString(1, QChar(0xD800))},
                                             {QString(MaxSectionNameLength + 1, 'n'), "k", "v"}})
        EXPECT_FALSE(writeString(path, section, key, value));
    EXPECT_EQ(fileBytes(path), "[A]\r\nk=1\r\n");
    EXPECT_TRUE(writeString(path, QString(MaxSectionNameLength, 'n'), "k", "v"));
}

TEST_F(ProfileFile, ValueBufferCutsAfter63999Characters) {
    ASSERT_TRUE(writeString(path, "S", "fits", QString(63999, 'a')));
    ASSERT_TRUE(writeString(path, "S", "long", QString(70000, 'b')));
    ASSERT_TRUE(
        writeString(path, "S", "pair", QString(63998, 'c') + QString::fromUtf8("\U0001F600")));
    EXPECT_EQ(readString(path, "S", "fits"), QString(63999, 'a'));
    EXPECT_EQ(readString(path, "S", "long"), QString(63999, 'b'));
    EXPECT_EQ(readString(path, "S", "pair"), QString(63998, 'c'));
}

TEST_F(ProfileFile, NameListLeavesOutWhatDoesNotFitWhole) {
    // 63 names of 999 characters and their NULs take 63,000 characters.
    QByteArray bytes;
    for (char c = '0'; c < '0' + 63; ++c)
        bytes += '[' + QByteArray(999, c) + "]\n";
    putFile(path, bytes + '[' + QByteArray(998, 'x') + "]\n[y]\n");
    const QStringList names = sectionNames(path);
    ASSERT_EQ(names.size(), 64);
    EXPECT_EQ(names.back(), QString(998, 'x'));
    putFile(path, bytes + '[' + QByteArray(999, 'x') + "]\n");
    EXPECT_EQ(sectionNames(path).size(), 63);
}

TEST_F(ProfileFile, FailedWritesLeaveEverythingAsItWas) {
    // A folder where the file should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Draw.ini"));
    EXPECT_EQ(readString(path, "S", "k", "default"), "default");
    EXPECT_TRUE(sectionNames(path).isEmpty());
    EXPECT_FALSE(writeString(path, "S", "k", "v"));
    EXPECT_FALSE(deleteSection(path, "S"));
    EXPECT_TRUE(QFileInfo(path).isDir());

    const QString inMissingFolder = dir.filePath("missing/Draw.ini");
    EXPECT_FALSE(writeString(inMissingFolder, "S", "k", "v"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));

    // Marked read-only: refused even for the superuser.
    const QString readOnly = copyOf("sunset.ini");
    ASSERT_EQ(chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
    EXPECT_FALSE(writeString(readOnly, "Sunset", "ModLine", "2"));
    EXPECT_FALSE(deleteSection(readOnly, "Sunset"));
    EXPECT_EQ(fileBytes(readOnly), fileBytes(PROFILE_TESTDATA "/sunset.ini"));
    // No lock file stays behind a failed write.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"Draw.ini", "sunset.ini"}));
}

TEST_F(ProfileFile, FullDiskLeavesTheFileAsItWas) {
    const QString file = copyOf("sunset.ini");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool written = writeString(file, "Sunset", "ModLine", "2");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(fileBytes(file), fileBytes(PROFILE_TESTDATA "/sunset.ini"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"sunset.ini"}));
}

TEST_F(ProfileFile, ReplacingKeepsPermissionsAndLinks) {
    const QString target = copyOf("sunset.ini");
    ASSERT_EQ(chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(target, path));
    ASSERT_TRUE(writeString(path, "Sunset", "ModLine", "2"));
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(readString(target, "Sunset", "ModLine"), "2");
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(target).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(ProfileFile, WritesInPlaceWhereTheFolderAllowsNoNewFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser may create files in any folder";
    const QString file = copyOf("sunset.ini");
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    const bool written = writeString(file, "Sunset", "ModLine", "2");
    const bool added = writeString(path, "New", "k", "v");
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_TRUE(written);
    EXPECT_EQ(readString(file, "Sunset", "ModLine"), "2");
    EXPECT_FALSE(added);
}

TEST_F(ProfileFile, EveryCallSeesTheFileAsItIsNow) {
    putFile(path, "[A]\nk=1\n");
    EXPECT_EQ(readString(path, "A", "k"), "1");
    putFile(path, "[A]\nk=2\n[B]\n");
    EXPECT_EQ(readString(path, "A", "k"), "2");
    EXPECT_EQ(sectionNames(path), QStringList({"A", "B"}));
    EXPECT_TRUE(deleteSection(path, "none"));
    EXPECT_TRUE(deleteSection(dir.filePath("none.ini"), "A"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none.ini")));
}
