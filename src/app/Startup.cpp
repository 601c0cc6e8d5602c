#include "app/Startup.h"

#include "app/TFVaduvizuFirmWare.h"

namespace vaduvizu {

Startup::Startup(const QString& applicationFolder, MessageBoxes& boxes, HttpClient& http,
                 UrlOpener& urls)
    : context{state, texts, boxes, http, urls, [this] { m_mainWindow->Change_Language(); }},
      m_mainWindow(std::make_unique<TFVaduvizuFirmWare>(context, applicationFolder)) {
    m_mainWindow->Create_Windows();
}

Startup::~Startup() = default;

} // namespace vaduvizu
