#pragma once

#include <QString>

namespace vaduvizu {

// The state that lives for the whole run; one instance per process, read and written in
// place. Paths are absolute, with "/" separators and no trailing separator.
struct AppState {
    QString applicationFolder;
    QString masterFolder;
    QString projectsFolder;
    QString languageFolder;

    // No project is active while activeProjectFolder is empty. Set both together.
    QString activeProjectName;
    QString activeProjectFolder;

    QString deviceIpAddress;
    QString currentLanguage;

    bool enableInternet = false;
    bool enableUpdate = false;
    bool enableJumpFieldTables = false;
    bool doubleClickAutoSize = false;

    // Remembered choices of the update dialog; not stored in the settings file.
    bool readBack = true;
    int updateOption = 0;

    bool hasActiveProject() const { return !activeProjectFolder.isEmpty(); }
};

} // namespace vaduvizu
