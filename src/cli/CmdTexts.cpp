#include "app/FileError.h"
#include "cli/Commands.h"
#include "texts/LanguageFile.h"
#include "texts/LanguageFileFormat.h"
#include "texts/TextTable.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace vaduvizu::cli {

namespace {

int runTexts(const QStringList& args, Io& io) {
    QString languageFile;
    bool json = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--json")) {
            json = true;
        } else if (args[i] == QLatin1String("--language-file")) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty())
                throw UsageError{QStringLiteral("--language-file needs a file")};
            languageFile = args[++i];
        } else {
            throw UsageError{QStringLiteral("unknown argument \"%1\"").arg(args[i])};
        }
    }
    if (!json)
        throw UsageError{QStringLiteral("--json is required (the only output format)")};

    TextTable table;
    if (!languageFile.isEmpty()) {
        try {
            applyLanguageFile(table, readLanguageFileBytes(languageFile));
        } catch (const FileError& error) {
            io.err << error.message() << "\n";
            return ExitError;
        }
    }
    QJsonArray texts;
    for (const QString& text : table.entries())
        texts.append(text);
    io.out << QString::fromUtf8(QJsonDocument(texts).toJson(QJsonDocument::Compact)) << "\n";
    return ExitOk;
}

} // namespace

extern const Command TextsCommand{
    "texts", "[--language-file FILE] --json",
    "print the 6300 texts as one JSON array: the defaults, overlaid by FILE as the\n"
    "      configurator applies a language file",
    runTexts};

} // namespace vaduvizu::cli
