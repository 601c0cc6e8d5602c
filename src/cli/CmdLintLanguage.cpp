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
    LanguageFileText file;
    try {
        file = readLanguageFile(path);
    } catch (const FileError& error) {
        io.err << error.message() << "\n";
        return ExitError;
    }
    const QList<LintFinding> findings = lintLanguageText(file.text);
    for (const LintFinding& finding : findings)
        io.out << path << ":" << finding.line << ": " << finding.message << "\n";
    return findings.isEmpty() ? ExitOk : ExitFindings;
}

} // namespace

extern const Command LintLanguageCommand{
    "lint-language", "FILE",
    "list, with line numbers, each line of a language file that the configurator ignores\n"
    "      (and why) or reads differently from how it looks (STR12=Hilfe sets entry 1, a later\n"
    "      line for the same entry, text after a closing \"\u00B6\"). Blank lines and lines\n"
    "      starting with \";\", \"#\", \"//\", \"/#/\" or \"[\" are taken as comments and not\n"
    "      listed. Exits 0 when there is nothing to report, 1 otherwise",
    runLintLanguage};

} // namespace vaduvizu::cli
