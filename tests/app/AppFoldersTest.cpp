#include "app/AppFolders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace vaduvizu;
using vaduvizu::test::TempDir;

namespace {

class SetUpFolders : public testing::TestWithParam<const char*> {};

// However the executable's folder is spelled, the paths are clean and the folders exist.
TEST_P(SetUpFolders, CreatesTheThreeFoldersBelowTheApplicationFolder) {
    TempDir dir;
    const QString app = QDir::cleanPath(dir.path());
    AppState state;
    setUpFolders(state, dir.path() + GetParam());

    EXPECT_EQ(state.applicationFolder, app);
    EXPECT_EQ(state.masterFolder, app + "/MASTER");
    EXPECT_EQ(state.projectsFolder, app + "/PROJECTS");
    EXPECT_EQ(state.languageFolder, app + "/LANGUAGE");
    for (const QString& folder : {state.masterFolder, state.projectsFolder, state.languageFolder})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_EQ(QDir(app).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"LANGUAGE", "MASTER", "PROJECTS"}));
}

INSTANTIATE_TEST_SUITE_P(Spellings, SetUpFolders, testing::Values("", "/", "/./", "/x/.."));

TEST(SetUpFoldersExisting, KeepsWhatIsThereAndIgnoresAFolderThatCannotBeMade) {
    TempDir dir;
    dir.write("MASTER/firmware.bin", "fw");
    dir.write("PROJECTS", "a file where the folder should be");
    AppState state;
    EXPECT_NO_THROW(setUpFolders(state, dir.path()));
    EXPECT_EQ(TempDir::read(dir.file("MASTER/firmware.bin")), "fw");
    EXPECT_TRUE(QFileInfo(dir.file("PROJECTS")).isFile());
    EXPECT_TRUE(QFileInfo(dir.file("LANGUAGE")).isDir());
}

TEST(JoinPath, AddsOneSeparator) {
    EXPECT_EQ(joinPath("/a/b", "c"), "/a/b/c");
    EXPECT_EQ(joinPath("/", "c"), "/c");
}

struct ResolveCase {
    const char* name;
    QString activeName;
    bool expectActive;
};
void PrintTo(const ResolveCase& c, std::ostream* os) {
    *os << c.name;
}

// PROJECTS holds the folders "Plant" and "a/b" and the file "notes.txt".
const ResolveCase ResolveCases[] = {
    {"NoProject", "", false},         {"FolderExists", "Plant", true},
    {"FolderDeleted", "Gone", false}, {"NameOfAFile", "notes.txt", false},
    {"Parent", "..", false},          {"Self", ".", false},
    {"NestedPath", "a/b", false},     {"BackslashPath", "a\\b", false},
};

class ResolveActiveProject : public testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveActiveProject, ActiveOnlyWhenTheProjectFolderExists) {
    TempDir dir;
    AppState state;
    setUpFolders(state, dir.path());
    QDir().mkpath(state.projectsFolder + "/Plant");
    QDir().mkpath(state.projectsFolder + "/a/b");
    dir.write("PROJECTS/notes.txt", "");

    state.activeProjectName = GetParam().activeName;
    state.activeProjectFolder = "/stale";
    resolveActiveProject(state);

    // The name is kept either way, so it is written back at close.
    EXPECT_EQ(state.activeProjectName, GetParam().activeName);
    EXPECT_EQ(state.activeProjectFolder, GetParam().expectActive
                                             ? state.projectsFolder + "/" + GetParam().activeName
                                             : QString());
}

INSTANTIATE_TEST_SUITE_P(Cases, ResolveActiveProject, testing::ValuesIn(ResolveCases),
                         [](const auto& tc) { return std::string(tc.param.name); });

TEST(ResolveActiveProjectAgain, ProjectComesBackWhenItsFolderReappears) {
    TempDir dir;
    AppState state;
    setUpFolders(state, dir.path());
    state.activeProjectName = "Plant";
    resolveActiveProject(state);
    EXPECT_FALSE(state.hasActiveProject());
    QDir().mkdir(state.projectsFolder + "/Plant");
    resolveActiveProject(state);
    EXPECT_EQ(state.activeProjectFolder, state.projectsFolder + "/Plant");
}

} // namespace
