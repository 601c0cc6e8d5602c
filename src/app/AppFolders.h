#pragma once

#include "app/AppState.h"

#include <QString>

namespace vaduvizu {

// folder + "/" + name, without doubling the separator when folder is a root ("/", "C:/").
QString joinPath(const QString& folder, const QString& name);

// Sets the application, master, projects and language folders from the folder that holds
// the executable and creates MASTER, PROJECTS and LANGUAGE, in that order, when missing.
// A folder that cannot be created is not reported here.
void setUpFolders(AppState& state, const QString& applicationFolder);

// The active project folder after start-up: projects folder + "/" + name when that folder
// exists, otherwise empty (the name is kept, so it is written back at close).
// A remembered name that would lead outside the projects folder (a path separator, "."
// or "..") leaves no project active as well.
void resolveActiveProject(AppState& state);

} // namespace vaduvizu
