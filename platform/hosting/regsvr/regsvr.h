#pragma once
// The work of ombrelo-regsvr, apart from its main, so tests can run it.

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace regsvr {

// Exit codes, as the system's own registration command has them.
enum Exit {
    Success = 0,
    BadArguments = 1,
    LoadFailed = 3,
    EntryPointMissing = 4,
    EntryPointFailed = 5,
};

// Runs the command with its arguments (without the program name); normal
// messages go to out, failures to err.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

QString usage();

} // namespace regsvr
