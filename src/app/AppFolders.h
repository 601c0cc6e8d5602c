#pragma once

#include "app/AppState.h"

#include <QString>

namespace vaduvizu {

// Sets the application, master, projects and language folders from the folder that holds
// the executable and creates MASTER, PROJECTS and LANGUAGE, in that order, when missing.
// A folder that cannot be created is not reported here.
void setUpFolders(AppState& state, const QString& applicationFolder);

// The active project folder after start-up: projects folder + "/" + name when that folder
// exists, otherwise empty (the name is kept, so it is written back at close).
void resolveActiveProject(AppState& state);

} // namespace vaduvizu
