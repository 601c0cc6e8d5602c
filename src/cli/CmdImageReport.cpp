#include "cli/Commands.h"

#include "image/ImageReport.h"
#include "projects/ProjectStore.h"

#include <QDir>
#include <QFile>
#include <optional>

namespace vaduvizu::cli {

namespace {

std::optional<QByteArray> readImage(const QString& path, Io& io) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        io.err << "vaduvizu-cli inspect: cannot read \"" << QDir::toNativeSeparators(path)
               << "\": " << file.errorString() << "\n";
        return std::nullopt;
    }
    return file.readAll();
}

std::span<const std::uint8_t> bytesOf(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()),
            static_cast<std::size_t>(data.size())};
}

// Decodes the two images of a project (or two image files) and verifies them.
int runInspect(const QStringList& args, Io& io) {
    QString parameterPath;
    QString rulesPath;
    if (args.size() == 1) {
        const ProjectFiles files = projectFilesIn(args.first());
        parameterPath = files.parameterImage;
        rulesPath = files.rulesImage;
    } else if (args.size() == 2) {
        parameterPath = args[0];
        rulesPath = args[1];
    } else {
        throw UsageError{QStringLiteral("expects a project folder or the two image files")};
    }
    const std::optional<QByteArray> parameters = readImage(parameterPath, io);
    const std::optional<QByteArray> rules = readImage(rulesPath, io);
    if (!parameters || !rules)
        return ExitError;

    const image::ImageReport inspection =
        image::reportImages(bytesOf(*parameters), bytesOf(*rules));
    io.out << QDir::toNativeSeparators(parameterPath) << "\n"
           << QDir::toNativeSeparators(rulesPath) << "\n";
    for (const QString& line : inspection.lines)
        io.out << line << "\n";
    if (inspection.problems.isEmpty()) {
        io.out << "Both images are well-formed.\n";
        return ExitOk;
    }
    io.out << "Problems:\n";
    for (const QString& problem : inspection.problems)
        io.out << "  " << problem << "\n";
    return ExitFindings;
}

} // namespace

extern const Command InspectCommand{
    "inspect", "PROJECT_DIR | BANK1_FILE BANK2_FILE",
    "decode the parameter image and the rules image and verify them (exit 1 when malformed)",
    &runInspect};

} // namespace vaduvizu::cli
