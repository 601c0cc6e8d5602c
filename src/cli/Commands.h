#pragma once

#include <QStringList>
#include <QTextStream>

namespace vaduvizu::cli {

// Exit codes shared by every command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFindings = 1; // the command ran and found something to report
inline constexpr int ExitError = 2;    // bad arguments, unreadable input, failed write

struct Io {
    QTextStream& out;
    QTextStream& err;
};

// Thrown by a command on bad arguments: main prints the usage and exits with ExitError.
struct UsageError {
    QString message;
};

struct Command {
    const char* name;
    const char* usage;   // arguments after the command name
    const char* summary; // one line for --help
    int (*run)(const QStringList& args, Io& io);
};

} // namespace vaduvizu::cli
