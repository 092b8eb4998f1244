#pragma once
// Stand-ins for tests: a wallpaper service that records the paths it is
// given, a command runner that records command lines and answers from a
// script, and a D-Bus caller that records messages. Nothing is run or sent.

#include "wallpaper/commandrunner.h"
#include "wallpaper/dbuscaller.h"
#include "wallpaper/wallpaperservice.h"

#include <QDBusMessage>
#include <QHash>
#include <QList>
#include <QStringList>

namespace platform {

class RecordingWallpaper final : public WallpaperService {
public:
    void setWallpaper(const QString& path) override { paths.append(path); }
    QStringList paths;
};

class RecordingCommandRunner final : public CommandRunner {
public:
    // Every command line run or started, in order.
    QList<QStringList> commands;
    // Process ids asked to end, with the program they had to run.
    QList<std::pair<qint64, QString>> stopped;

    // The output of every later run of `program`.
    void answer(const QString& program, const QByteArray& output) { outputs_[program] = output; }
    // Runs of command lines that contain `argument` fail.
    void failWhenGiven(const QString& argument) { failing_.append(argument); }

    CommandResult run(const QStringList& argv) override {
        commands.append(argv);
        for (const QString& argument : failing_)
            if (argv.contains(argument))
                return {argv.value(0) + QStringLiteral(" exited with 1"), {}};
        return {{}, outputs_.value(argv.value(0))};
    }
    std::optional<qint64> startDetached(const QStringList& argv) override {
        commands.append(argv);
        return nextPid_++;
    }
    void stopDetached(qint64 pid, const QString& program) override {
        stopped.append({pid, program});
    }

private:
    QHash<QString, QByteArray> outputs_;
    QStringList failing_;
    qint64 nextPid_ = 4242;
};

class RecordingDBusCaller final : public DBusCaller {
public:
    QList<QDBusMessage> calls;
    QString failure; // what every call answers; empty: success

    QString call(const QDBusMessage& message) override {
        calls.append(message);
        return failure;
    }
};

} // namespace platform
