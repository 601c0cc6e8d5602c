#include "cli/Commands.h"

#include <QCoreApplication>

namespace vaduvizu::cli {

// Each command lives in its own file.
extern const Command TextsCommand;
extern const Command LintLanguageCommand;
extern const Command CheckCommand;
extern const Command BuildCommand;
extern const Command JobCommand;
extern const Command InspectCommand;

// Listed by address: the commands are defined in other files.
static const Command* const Commands[] = {
    &TextsCommand, &LintLanguageCommand, &CheckCommand, &BuildCommand, &JobCommand, &InspectCommand,
};

static void printUsage(QTextStream& stream) {
    stream << "Usage: vaduvizu-cli COMMAND [ARGUMENTS]\n       vaduvizu-cli --help\n\nCommands:\n";
    for (const Command* command : Commands)
        stream << "  " << command->name << (command->usage[0] ? " " : "") << command->usage
               << "\n      " << command->summary << "\n";
    stream.flush();
}

static int run(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    if (arguments.isEmpty()) {
        printUsage(err);
        return ExitError;
    }
    const QString name = arguments.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        printUsage(out);
        return ExitOk;
    }
    for (const Command* command : Commands) {
        if (name != QLatin1String(command->name))
            continue;
        Io io{out, err};
        try {
            const int code = command->run(arguments.mid(1), io);
            out.flush();
            err.flush();
            return code;
        } catch (const UsageError& error) {
            out.flush();
            err << "vaduvizu-cli " << name << ": " << error.message << "\n\n";
            printUsage(err);
            return ExitError;
        }
    }
    err << "vaduvizu-cli: unknown command \"" << name << "\"\n\n";
    printUsage(err);
    return ExitError;
}

} // namespace vaduvizu::cli

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return vaduvizu::cli::run(QCoreApplication::arguments().mid(1));
}
