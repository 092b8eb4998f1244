#include "wallpaper/commandrunner.h"

#include <QFile>
#include <QProcess>

#include <csignal>
#include <sys/types.h>

namespace platform {

namespace {

QString oneLine(const QByteArray& text) {
    QString line = QString::fromLocal8Bit(text).simplified();
    if (line.size() > 200)
        line = line.left(200) + QStringLiteral("...");
    return line;
}

// The name of the program that a process runs now; empty when there is no
// such process.
QString runningProgram(qint64 pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

} // namespace

CommandResult ProcessCommandRunner::run(const QStringList& argv) {
    if (argv.isEmpty())
        return {QStringLiteral("no command"), {}};
    QProcess process;
    process.start(argv.first(), argv.mid(1));
    if (!process.waitForStarted(timeoutMs_))
        return {argv.first() + QStringLiteral(" could not be started (is it installed?)"), {}};
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs_)) {
        process.kill();
        process.waitForFinished(1000);
        return {argv.first() + QStringLiteral(" did not finish in time"), {}};
    }
    const QByteArray output = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit)
        return {argv.first() + QStringLiteral(" crashed"), output};
    if (process.exitCode() != 0) {
        QString problem = argv.first() + QStringLiteral(" exited with %1").arg(process.exitCode());
        const QString message = oneLine(process.readAllStandardError());
        if (!message.isEmpty())
            problem += QStringLiteral(": ") + message;
        return {problem, output};
    }
    return {{}, output};
}

std::optional<qint64> ProcessCommandRunner::startDetached(const QStringList& argv) {
    if (argv.isEmpty())
        return std::nullopt;
    qint64 pid = 0;
    if (!QProcess::startDetached(argv.first(), argv.mid(1), QString(), &pid) || pid <= 0)
        return std::nullopt;
    return pid;
}

void ProcessCommandRunner::stopDetached(qint64 pid, const QString& program) {
    if (pid <= 0 || program.isEmpty() || runningProgram(pid) != program)
        return;
    ::kill(static_cast<pid_t>(pid), SIGTERM);
}

} // namespace platform
