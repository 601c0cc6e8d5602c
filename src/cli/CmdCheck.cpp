#include "cli/Commands.h"

#include "app/FileError.h"
#include "parameters/ParGenCheck.h"
#include "parameters/ParGenForm.h"
#include "projects/ProjectStore.h"
#include "rules/RulesEditorModel.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QFileInfo>

namespace vaduvizu::cli {

namespace {

// Judges a project as the communication parameters dialog and then the rules editor would on
// OK: the first failing check's message on stdout, exactly as its message box shows it.
int runCheck(const QStringList& args, Io& io) {
    if (args.size() != 1)
        throw UsageError{QStringLiteral("expects one PROJECT_DIR")};
    const QString folder = args.first();
    if (!QFileInfo(folder).isDir()) {
        io.err << "vaduvizu-cli check: \"" << QDir::toNativeSeparators(folder)
               << "\" is no project folder\n";
        return ExitError;
    }
    const ProjectFiles files = projectFilesIn(folder);
    const QString& parGenPath = files.parameterFile;
    const QString& rulesPath = files.rulesFile;
    const TextTable texts; // the English texts

    try {
        const ParGenForm form = openParGenForm(parGenPath);
        const RulesEditorModel rules = openRulesEditor(
            parGenPath, rulesPath, [&](int text) { io.err << texts[text] << "\n"; });
        const auto notShown = [&](int count, const char* list) {
            if (count > 0)
                io.err << "vaduvizu-cli check: " << count << " " << list << " rules of \""
                       << QDir::toNativeSeparators(rulesPath)
                       << "\" lie beyond the editor's last row; they are not checked\n";
        };
        notShown(rules.rulesFile.uplinkRulesNotShown, "uplink");
        notShown(rules.rulesFile.downlinkRulesNotShown, "downlink");

        std::optional<QString> failure = Controllo_Dati(form, texts);
        if (!failure)
            failure = Controllo_dati(rules, texts);
        if (failure) {
            io.out << *failure << "\n";
            return ExitFindings;
        }
        return ExitOk;
    } catch (const FileError& error) {
        io.err << "vaduvizu-cli check: " << error.message() << "\n";
        return ExitError;
    }
}

} // namespace

extern const Command CheckCommand{
    "check", "PROJECT_DIR",
    "check the communication parameters and the LoRaWAN access rules of a project as their\n"
    "      dialogs do on OK; prints the first failing message (exit 1)",
    &runCheck};

} // namespace vaduvizu::cli
