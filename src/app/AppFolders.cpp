#include "app/AppFolders.h"

#include "projects/ProjectStore.h"

#include <QDir>
#include <QFileInfo>

namespace vaduvizu {

QString joinPath(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

void setUpFolders(AppState& state, const QString& applicationFolder) {
    // absolutePath() also turns "\" into "/" on Windows and drops a trailing separator.
    state.applicationFolder = QDir::cleanPath(QDir(applicationFolder).absolutePath());
    state.masterFolder = joinPath(state.applicationFolder, QStringLiteral("MASTER"));
    state.projectsFolder = joinPath(state.applicationFolder, QStringLiteral("PROJECTS"));
    state.languageFolder = joinPath(state.applicationFolder, QStringLiteral("LANGUAGE"));

    // Failures are left to the operations that need the folder later.
    for (const QString* folder :
         {&state.masterFolder, &state.projectsFolder, &state.languageFolder})
        if (!QFileInfo(*folder).isDir())
            QDir().mkdir(*folder);
}

void resolveActiveProject(AppState& state) {
    state.activeProjectFolder.clear();
    if (state.activeProjectName.isEmpty() || !isSafeProjectName(state.activeProjectName))
        return;
    const QString folder = joinPath(state.projectsFolder, state.activeProjectName);
    if (QFileInfo(folder).isDir())
        state.activeProjectFolder = folder;
}

} // namespace vaduvizu
