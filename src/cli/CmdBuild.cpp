#include "cli/Commands.h"

#include "image/ImageCompiler.h"
#include "projects/ProjectStore.h"
#include "texts/TextTable.h"
#include "update/UpdateCommand.h"

#include <QDir>
#include <QFileInfo>

namespace vaduvizu::cli {

namespace {

// The update command without the update dialog: payload check, build, both image files.
int runBuild(const QStringList& args, Io& io) {
    if (args.size() != 1)
        throw UsageError{QStringLiteral("expects exactly one project folder")};
    const QString folder = args.first();
    if (!QFileInfo(folder).isDir()) {
        io.err << "vaduvizu-cli build: the project folder \"" << QDir::toNativeSeparators(folder)
               << "\" does not exist\n";
        return ExitError;
    }
    image::ImageCompiler compiler;
    const UpdateDeviceResult result = Update_Device(compiler, folder);
    switch (result.outcome) {
    case UpdateDeviceResult::Outcome::PayloadCheckFailed:
        io.err << defaultText(PayloadCheckFailedText) << "\n";
        return ExitFindings;
    case UpdateDeviceResult::Outcome::Failed:
        io.err << "vaduvizu-cli build: " << result.message << "\n";
        return ExitError;
    case UpdateDeviceResult::Outcome::ImagesWritten:
        break;
    }
    const ProjectFiles files = projectFilesIn(folder);
    io.out << "Wrote " << QDir::toNativeSeparators(files.parameterImage) << " ("
           << compiler.parameterImage().size() << " bytes) and "
           << QDir::toNativeSeparators(files.rulesImage) << " (" << compiler.rulesImage().size()
           << " bytes)\n";
    return ExitOk;
}

} // namespace

extern const Command BuildCommand{
    "build", "PROJECT_DIR",
    "check the payload, then compile the project into bin/bank1.bin and bin/bank2.bin", &runBuild};

} // namespace vaduvizu::cli
