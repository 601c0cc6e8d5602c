// vaduvizu-screenshots [FOLDER]: renders the main window and every dialog of the configurator
// to PNG files in FOLDER (default "screenshots"), on Qt's offscreen platform, with no display.
// The windows run on a throw-away application folder with one example configuration; the
// language files beside this program are used when present.
#include "app/MessageBoxes.h"
#include "app/Startup.h"
#include "app/TFVaduvizuFirmWare.h"
#include "app/UrlOpener.h"
#include "texts/HttpClient.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr char ExampleProject[] = "Example";

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files))
        QFile::copy(entry.filePath(), to + QLatin1Char('/') + entry.fileName());
}

bool render(QWidget& window, const QString& path, QTextStream& out) {
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(path, "PNG");
    window.hide();
    out << (saved ? "  " : "  could not write ") << QDir::toNativeSeparators(path) << "\n";
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    using namespace vaduvizu;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments[0].startsWith('-'))) {
        err << "Usage: vaduvizu-screenshots [FOLDER]\n";
        return 2;
    }
    const QString output =
        QFileInfo(arguments.value(0, QStringLiteral("screenshots"))).absoluteFilePath();
    if (!QDir().mkpath(output)) {
        err << "vaduvizu-screenshots: cannot create " << QDir::toNativeSeparators(output) << "\n";
        return 2;
    }

    QTemporaryDir applicationFolder;
    if (!applicationFolder.isValid()) {
        err << "vaduvizu-screenshots: cannot create a temporary folder\n";
        return 2;
    }
    copyFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/LANGUAGE"),
               applicationFolder.filePath(QStringLiteral("LANGUAGE")));
    QDir().mkpath(
        applicationFolder.filePath(QStringLiteral("PROJECTS/%1/bin").arg(ExampleProject)));
    {
        QFile settings(applicationFolder.filePath(QStringLiteral("Vaduvizu.xml")));
        if (settings.open(QIODevice::WriteOnly))
            settings.write(QStringLiteral("<Conf_Settings><lastproj><projectname>%1</projectname>"
                                          "</lastproj></Conf_Settings>")
                               .arg(ExampleProject)
                               .toUtf8());
    }

    QtMessageBoxes boxes;
    CurlHttpClient http; // never asked: the version check is off in these settings
    QtUrlOpener urls;
    Startup startup(applicationFolder.path(), boxes, http, urls);

    out << "Rendering the windows to " << QDir::toNativeSeparators(output) << ":\n";
    bool allSaved =
        render(startup.mainWindow(), output + QStringLiteral("/TFVaduvizuFirmWare.png"), out);
    for (QDialog* dialog :
         startup.mainWindow().findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly))
        allSaved &= render(*dialog, output + QLatin1Char('/') + dialog->objectName() + ".png", out);
    out.flush();
    return allSaved ? 0 : 1;
}
