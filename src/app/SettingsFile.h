#pragma once

#include "app/AppState.h"

#include <QString>

namespace vaduvizu {

// Name of the settings file in the application folder.
inline constexpr char SettingsFileName[] = "Vaduvizu.xml";

// Reads the settings file into state: the active project name, device IP address, current
// language and the four options. A missing file, a file that is not well-formed, and each
// missing element give the defaults; start-up never fails on this file.
// Does not touch the active project folder (see resolveActiveProject).
void readSettings(AppState& state, const QString& path);

// Writes the settings file from state (root Conf_Settings). Throws FileError on failure,
// leaving the previous file as it was.
void writeSettings(const AppState& state, const QString& path);

} // namespace vaduvizu
