// A save killed at any moment leaves Draw.ini whole. A child process saves
// styles in a loop and is killed with SIGKILL at a random moment, a few
// hundred times over; after every kill the file must list exactly its
// styles, each of them wholly the version of one save, and the rest of the
// file must be untouched.

#include "logic/storedstyle.h"
#include "profile/profiledocument.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <random>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using designer::StyleKey;
using designer::StyleRecord;

constexpr int kStyles = 4;
constexpr int kRounds = 300;

QString styleName(int index) {
    return QStringLiteral("Style %1").arg(index);
}

// Every key of a version tells the version.
StyleRecord version(int v) {
    StyleRecord r;
    for (const designer::StyleKeyInfo& info : designer::styleKeys) {
        const int k = static_cast<int>(info.key);
        switch (info.form) {
        case designer::TextForm::Integer:
            r.setInteger(info.key, v * 16 + k);
            break;
        case designer::TextForm::YesNo:
            r.setYesNo(info.key, (v + k) % 2 == 0);
            break;
        case designer::TextForm::Text:
            r.setText(info.key, QStringLiteral("Version %1").arg(v));
            break;
        }
    }
    return r;
}

// The version all fourteen keys of the section agree on, or nothing.
std::optional<int> versionOf(const platform::profile::ProfileDocument& file, const QString& name) {
    const auto objName = file.value(name, designer::styleKeyName(StyleKey::ObjName));
    if (!objName || !objName->startsWith(QStringLiteral("Version ")))
        return std::nullopt;
    bool ok = false;
    const int v = objName->mid(8).toInt(&ok);
    if (!ok)
        return std::nullopt;
    const StyleRecord expected = version(v);
    for (const designer::StyleKeyInfo& info : designer::styleKeys) {
        if (file.value(name, designer::styleKeyName(info.key)) != expected.text(info.key))
            return std::nullopt;
    }
    return v;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Waits (at most a few seconds) until the file's bytes differ from these.
void waitForChange(const QString& path, const QByteArray& bytes) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (readAll(path) == bytes && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

[[noreturn]] void saveForever(const QString& path, int firstVersion) {
    for (int v = firstVersion;; ++v)
        designer::saveStoredStyle(path, styleName(v % kStyles), version(v));
}

TEST(SaveKilledAtRandom, LeavesEveryStyleWholeAndTheRestUntouched) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Draw.ini"));
    // A hand-written section after the styles makes each save long enough
    // to be caught in the middle of it.
    QByteArray notes = "[Notes]\r\n";
    for (int i = 0; i < 2000; ++i)
        notes += "Line" + QByteArray::number(i) + "=kept as written\r\n";
    for (int i = 0; i < kStyles; ++i)
        ASSERT_TRUE(designer::saveStoredStyle(path, styleName(i), version(0)));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(notes);
    }
    const QStringList names = designer::listStyleNames(path);

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    int changedRounds = 0;
    QByteArray last = readAll(path);
    for (int round = 0; round < kRounds; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            saveForever(path, 1 + round * 1000);
        // Every fourth kill waits for one save to get through first, so that
        // later kills meet changed files however slow the machine is.
        if (round % 4 == 0)
            waitForChange(path, last);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const QByteArray bytes = readAll(path);
        changedRounds += bytes != last;
        last = bytes;
        const platform::profile::ProfileDocument file(bytes);
        ASSERT_EQ(file.sectionNames(), names) << "round " << round;
        for (int i = 0; i < kStyles; ++i)
            ASSERT_TRUE(versionOf(file, styleName(i))) << "round " << round << ", style " << i;
        ASSERT_TRUE(bytes.endsWith(notes)) << "round " << round;
    }
    // Not a test of nothing: saves got through between the kills.
    EXPECT_GT(changedRounds, kRounds / 10);
}

} // namespace
