#pragma once

#include "app/AppState.h"

#include <QString>
#include <QStringList>

namespace vaduvizu {

// Paths of the project files, derived from the active project folder (empty while no
// project is active).
struct ProjectFiles {
    QString parameterFile;  // ParGen.xml
    QString rulesFile;      // LoRaWAN_SetAccess.xml
    QString binFolder;      // bin, created with the project
    QString parameterImage; // bin/bank1.bin
    QString rulesImage;     // bin/bank2.bin
};
ProjectFiles Set_Files(const AppState& state);

// The same paths inside any project folder (the command-line tool names the folder itself).
ProjectFiles projectFilesIn(const QString& projectFolder);

// False for a name that would not stay one folder below the projects folder: one holding
// "/" or "\" (either, on every platform) or a NUL character, and "." or "..".
bool isSafeProjectName(const QString& name);

// Creates projects folder + "/" + name and its "bin" subfolder and makes it the active
// project. Returns 0 on success, otherwise the index of the message text to show:
// 107 empty name, 106 the folder exists already, 105 the name is refused (a path
// separator, "." or "..", or a folder the file system will not create).
int createProject(AppState& state, const QString& name);

// Folders (not files, not hidden) of the projects folder in file-system order.
QStringList listProjects(const QString& projectsFolder);

// Index of the first entry equal to name without regard to letter case, or -1.
int Search_Open_Conf(const QStringList& names, const QString& name);

// Index of the entry the open dialog selects when it is shown: the active project (found
// without regard to letter case), otherwise the first entry; -1 when names is empty.
int preselectedProject(const QStringList& names, const AppState& state);

// Makes name the active project; an empty name leaves no project active.
void setActiveProject(AppState& state, const QString& name);

} // namespace vaduvizu
