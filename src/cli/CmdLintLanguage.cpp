#include "app/FileError.h"
#include "cli/Commands.h"
#include "texts/LanguageFileFormat.h"
#include "texts/LanguageLint.h"

namespace vaduvizu::cli {

namespace {

int runLintLanguage(const QStringList& args, Io& io) {
    if (args.size() != 1 || args.first().isEmpty() || args.first().startsWith(u'-'))
        throw UsageError{QStringLiteral("expects exactly one language file")};
    const QString& path = args.first();
    QByteArray bytes;
    try {
        bytes = readLanguageFileBytes(path);
    } catch (const FileError& error) {
        io.err << error.message() << "\n";
        return ExitError;
    }
    const QList<LintFinding> findings = lintLanguageFile(bytes);
    for (const LintFinding& finding : findings)
        io.out << path << ":" << finding.line << ": " << finding.message << "\n";
    return findings.isEmpty() ? ExitOk : ExitFindings;
}

} // namespace

extern const Command LintLanguageCommand{
    "lint-language", "FILE",
    "list, with line numbers, each line of a language file that the configurator ignores\n"
    "      (and why) or reads differently from how it looks: STR12=Hilfe sets entry 1, a later\n"
    "      line for the same entry, text after a closing \"\u00B6\", UTF-8 lines in a file that\n"
    "      is read as Windows-1252. Blank lines and lines starting with \";\", \"#\", \"//\",\n"
    "      \"/#/\" or \"[\" are taken as comments and not listed. Exits 0 when there is nothing\n"
    "      to report, 1 otherwise, 2 when the file cannot be read",
    runLintLanguage};

} // namespace vaduvizu::cli
