// A designer's saves and deletions, for the tests of the lock on the profile
// file: several of these run at once on one file, each on styles of its own,
// through the same profile functions as the designer.
//
//   profile_lock_writer write <file> <prefix> <operations> <seed>
//     Saves and deletes styles named <prefix>0 to <prefix>9 at random and
//     checks after each operation that the file holds what this process
//     wrote. At the end prints each style it left, as "<name> <version>".
//     Exits 1 at the first failed write or wrong result.
//   profile_lock_writer hold <file>
//     Takes the file's lock, prints "held" and keeps it until killed.

#include "profile/profile.h"

#include <QStringList>

#include <cstdio>
#include <map>
#include <random>
#include <thread>

using namespace platform::profile;

namespace {

const QStringList keys = {"SliderValueR",     "SliderValueG",    "SliderValueB",    "SliderValueN",
                          "SliderValueStart", "SliderValueStop", "SliderValueBand", "OptValue0",
                          "OptValue1",        "ObjName",         "ModLine",         "MoreXR",
                          "MoreXG",           "MoreXB"};

// Every value of a version tells the version and its key.
QString valueOf(int version, qsizetype key) {
    return QStringLiteral("%1.%2").arg(version).arg(key);
}

KeyValueList style(int version) {
    KeyValueList entries;
    for (qsizetype k = 0; k < keys.size(); ++k)
        entries.append({keys[k], valueOf(version, k)});
    return entries;
}

// The file as it is now, read once for several checks.
ProfileDocument library(const QString& file) {
    return ProfileDocument(systemFileAccess().read(file).bytes);
}

bool isWhole(const ProfileDocument& library, const QString& name, int version) {
    for (qsizetype k = 0; k < keys.size(); ++k) {
        if (library.value(name, keys[k]) != valueOf(version, k))
            return false;
    }
    return true;
}

int fail(const char* what, const QString& name) {
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(name));
    return 1;
}

int write(const QString& file, const QString& prefix, int operations, unsigned seed) {
    std::mt19937 random(seed);
    std::map<QString, int> saved; // name -> version
    for (int op = 1; op <= operations; ++op) {
        const QString name = prefix + QString::number(random() % 10);
        const auto found = saved.find(name);
        if (found != saved.end() && random() % 3 == 0) {
            if (!deleteSection(file, name))
                return fail("delete failed", name);
            saved.erase(found);
            if (sectionNames(file).contains(name))
                return fail("deleted style still listed", name);
        } else {
            if (!writeKeys(file, name, style(op)))
                return fail("save failed", name);
            saved[name] = op;
            if (!isWhole(library(file), name, op))
                return fail("saved style not as saved", name);
        }
        if (op % 10 == 0) {
            const ProfileDocument now = library(file);
            for (const auto& [own, version] : saved) {
                if (!isWhole(now, own, version))
                    return fail("style not as saved", own);
            }
        }
    }
    for (const auto& [name, version] : saved)
        std::printf("%s %d\n", qPrintable(name), version);
    return 0;
}

[[noreturn]] void hold(const QString& file) {
    const ProfileLock lock = systemFileAccess().lockForUpdate(file);
    std::printf(lock.held() ? "held\n" : "not held\n");
    std::fflush(stdout);
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(1));
}

} // namespace

int main(int argc, char** argv) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == "write" && argc == 6)
        return write(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                     std::atoi(argv[4]), static_cast<unsigned>(std::atoi(argv[5])));
    if (mode == "hold" && argc == 3)
        hold(QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr, "usage: profile_lock_writer write <file> <prefix> <operations> <seed>\n"
                         "       profile_lock_writer hold <file>\n");
    return 2;
}
