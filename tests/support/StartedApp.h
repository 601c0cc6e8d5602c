#pragma once

#include "app/Startup.h"
#include "app/TFVaduvizuFirmWare.h"
#include "support/FakeHttpClient.h"
#include "support/RecordingMessageBoxes.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace vaduvizu::test {

// The whole application started on an application folder, with recorded message boxes,
// HTTP answers and opened addresses.
class StartedApp {
public:
    explicit StartedApp(const QString& applicationFolder)
        : app(std::make_unique<Startup>(applicationFolder, boxes, http, urls)) {}

    TFVaduvizuFirmWare& window() { return app->mainWindow(); }
    AppState& state() { return app->state; }
    const TextTable& texts() { return app->texts; }

    template <class T> T* find(const char* name) {
        T* child = window().findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    // A control of one of the dialogs, e.g. control<QPushButton>("TFOpenConf", "Btn_OK").
    template <class T> T* control(const char* dialog, const char* name) {
        QDialog* window = find<QDialog>(dialog);
        T* child = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
        EXPECT_NE(child, nullptr) << dialog << "::" << name;
        return child;
    }

    RecordingMessageBoxes boxes;
    FakeHttpClient http;
    RecordingUrlOpener urls;
    std::unique_ptr<Startup> app;
};

// Runs act on the next modal dialog once its event loop runs; a dialog that act leaves open is
// cancelled, so a test never hangs. Records the dialog's object name in *opened.
inline void onNextModalDialog(QString* opened, std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [opened, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        *opened = dialog->objectName();
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace vaduvizu::test
