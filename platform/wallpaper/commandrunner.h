#pragma once
// The desktops' own command-line tools, run without a shell: each argument
// reaches the tool as it is. Strategies get a runner from outside, so that
// tests record the command lines and run nothing.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

struct CommandResult {
    // Empty when the tool ran and exited with 0; else what went wrong, in
    // one line (not found, timed out, the exit code and the tool's message).
    QString problem;
    QByteArray output; // standard output
    bool ok() const { return problem.isEmpty(); }
};

class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    // Runs argv[0] with the other arguments and waits for it to end.
    virtual CommandResult run(const QStringList& argv) = 0;
    // Starts a tool that keeps running after the program ends; its process
    // id, or nothing when it could not be started.
    virtual std::optional<qint64> startDetached(const QStringList& argv) = 0;
    // Ends a tool started earlier, when that process still runs `program`
    // (a process id may have been given to another program since).
    virtual void stopDetached(qint64 pid, const QString& program) = 0;
};

// The real tools through QProcess; a tool that does not end within the
// timeout is killed and counts as failed.
class ProcessCommandRunner final : public CommandRunner {
public:
    explicit ProcessCommandRunner(int timeoutMs = 10000)
        : timeoutMs_(timeoutMs) {}
    CommandResult run(const QStringList& argv) override;
    std::optional<qint64> startDetached(const QStringList& argv) override;
    void stopDetached(qint64 pid, const QString& program) override;

private:
    int timeoutMs_;
};

} // namespace platform
