#include "cli/Commands.h"

#include "app/FileError.h"
#include "update/UpdateJobFile.h"

#include <QDir>
#include <map>

namespace vaduvizu::cli {

namespace {

// Options given as "--name VALUE" pairs; every one of names is required, nothing else allowed.
std::map<QString, QString> namedValues(const QStringList& args, const QStringList& names) {
    std::map<QString, QString> values;
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const QString name = args[i];
        if (!names.contains(name))
            throw UsageError{QStringLiteral("unknown argument \"%1\"").arg(name)};
        if (i + 1 == args.size())
            throw UsageError{QStringLiteral("%1 needs a value").arg(name)};
        if (!values.emplace(name, args[i + 1]).second)
            throw UsageError{QStringLiteral("%1 is given twice").arg(name)};
    }
    for (const QString& name : names)
        if (!values.contains(name))
            throw UsageError{QStringLiteral("%1 is missing").arg(name)};
    return values;
}

// Writes the update job file exactly as the update dialog does.
int runJob(const QStringList& args, Io& io) {
    const auto values =
        namedValues(args, {"--app-folder", "--project", "--ip", "--option", "--read-back"});
    const QString optionText = values.at("--option");
    const QString readBackText = values.at("--read-back");
    bool isNumber = false;
    const std::optional<UpdateOption> option = updateOptionAt(optionText.toInt(&isNumber));
    if (!isNumber || !option || optionText.size() != 1)
        throw UsageError{QStringLiteral("--option must be 0, 1 or 2")};
    if (readBackText != u"0" && readBackText != u"1")
        throw UsageError{QStringLiteral("--read-back must be 0 or 1")};

    UpdateJob job;
    job.applicationFolder = values.at("--app-folder");
    job.masterFolder = QDir(job.applicationFolder).filePath(QStringLiteral("MASTER"));
    job.projectFolder = values.at("--project");
    job.deviceAddress = values.at("--ip");
    job.option = *option;
    job.readBack = readBackText == u"1";
    try {
        const QString path = Compile_XML_Parameter_New_Boot(job);
        io.out << "Wrote " << QDir::toNativeSeparators(path) << "\n";
        return ExitOk;
    } catch (const FileError& error) {
        io.err << "vaduvizu-cli job: " << error.message() << "\n";
        return ExitError;
    }
}

} // namespace

extern const Command JobCommand{
    "job", "--app-folder DIR --project PROJECT_DIR --ip ADDRESS --option 0|1|2 --read-back 0|1",
    "write DIR/Ethernet_Update.xml as the update dialog does\n"
    "      (option 0 firmware + configuration, 1 firmware, 2 configuration)",
    &runJob};

} // namespace vaduvizu::cli
