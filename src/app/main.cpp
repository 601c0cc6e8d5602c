#include "app/GeneralErrorHandler.h"
#include "app/MessageBoxes.h"
#include "app/Startup.h"
#include "app/TFVaduvizuFirmWare.h"
#include "app/TerminationSignals.h"
#include "app/UrlOpener.h"
#include "texts/HttpClient.h"

#include <QTextStream>

int main(int argc, char** argv) {
    using namespace vaduvizu;
    GuardedApplication app(argc, argv);
    QtMessageBoxes boxes;
    app.setMessageBoxes(&boxes);
    CurlHttpClient http;
    QtUrlOpener urls;
    try {
        // Caught from the start, so a logout during start-up is not lost: the signal waits
        // for the event loop, then closes the main window like its close box and the settings
        // are written. Closing also ends any modal dialog's loop.
        TerminationSignals terminationSignals;
        Startup startup(QCoreApplication::applicationDirPath(), boxes, http, urls);
        TFVaduvizuFirmWare& mainWindow = startup.mainWindow();
        QObject::connect(&terminationSignals, &TerminationSignals::received, &mainWindow,
                         [&mainWindow] {
                             mainWindow.close();
                             QCoreApplication::quit();
                         });

        mainWindow.show();
        return app.exec();
    } catch (...) {
        const QString text = failureText(std::current_exception());
        QTextStream(stderr) << "vaduvizu: " << text << "\n";
        boxes.error(nullptr, text);
        return 1;
    }
}
