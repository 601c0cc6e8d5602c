#include "projects/ProjectStore.h"

#include "app/AppFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace vaduvizu {

namespace {

// Message texts of the new-project dialog.
constexpr int TextNameRefused = 105;
constexpr int TextFolderExists = 106;
constexpr int TextNameEmpty = 107;

} // namespace

ProjectFiles projectFilesIn(const QString& projectFolder) {
    const QString bin = joinPath(projectFolder, QStringLiteral("bin"));
    return {joinPath(projectFolder, QStringLiteral("ParGen.xml")),
            joinPath(projectFolder, QStringLiteral("LoRaWAN_SetAccess.xml")), bin,
            joinPath(bin, QStringLiteral("bank1.bin")), joinPath(bin, QStringLiteral("bank2.bin"))};
}

ProjectFiles Set_Files(const AppState& state) {
    if (!state.hasActiveProject())
        return {};
    return projectFilesIn(state.activeProjectFolder);
}

bool isSafeProjectName(const QString& name) {
    // A NUL would cut the path short, so a different folder than the name would be made.
    return name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

int createProject(AppState& state, const QString& name) {
    if (name.isEmpty())
        return TextNameEmpty;
    // Refused before anything is created, so that no folder appears outside PROJECTS.
    if (!isSafeProjectName(name))
        return TextNameRefused;
    const QString folder = joinPath(state.projectsFolder, name);
    if (QFileInfo(folder).isDir())
        return TextFolderExists;
    if (!QDir().mkdir(folder))
        return TextNameRefused;
    QDir().mkdir(projectFilesIn(folder).binFolder); // a failure here is not reported
    setActiveProject(state, name);
    return 0;
}

QStringList listProjects(const QString& projectsFolder) {
    QStringList names;
    if (projectsFolder.isEmpty())
        return names;
    // No QDir::Hidden or QDir::System: hidden entries are not listed. The iterator keeps
    // the order in which the file system returns the entries.
    QDirIterator it(projectsFolder, QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext())
        names.append(it.nextFileInfo().fileName());
    return names;
}

int Search_Open_Conf(const QStringList& names, const QString& name) {
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

int preselectedProject(const QStringList& names, const AppState& state) {
    // The active project's name as it appears in its folder's path.
    QString active;
    const QString prefix = joinPath(state.projectsFolder, QString());
    if (state.hasActiveProject() && state.activeProjectFolder.startsWith(prefix))
        active = state.activeProjectFolder.mid(prefix.size());
    const int found = Search_Open_Conf(names, active);
    if (found >= 0)
        return found;
    return names.isEmpty() ? -1 : 0;
}

void setActiveProject(AppState& state, const QString& name) {
    state.activeProjectName = name;
    state.activeProjectFolder = name.isEmpty() ? QString() : joinPath(state.projectsFolder, name);
}

} // namespace vaduvizu
