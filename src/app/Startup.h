#pragma once

#include "app/AppContext.h"
#include "app/AppState.h"
#include "texts/TextTable.h"

#include <QString>
#include <memory>

namespace vaduvizu {

class TFVaduvizuFirmWare;

// The application as it stands after start-up: the state and text table of the run, the main
// window (created first, its FormCreate reading the folders below applicationFolder) and every
// other window, created once in the fixed order. Nothing is shown yet.
class Startup {
public:
    Startup(const QString& applicationFolder, MessageBoxes& boxes, HttpClient& http,
            UrlOpener& urls);
    ~Startup();
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

    AppState state;
    TextTable texts;
    AppContext context;

    TFVaduvizuFirmWare& mainWindow() { return *m_mainWindow; }

private:
    std::unique_ptr<TFVaduvizuFirmWare> m_mainWindow;
};

} // namespace vaduvizu
