#include "projects/ProjectStore.h"
#include "app/AppFolders.h"
#include "support/TempDir.h"

#include <QDirIterator>
#include <gtest/gtest.h>
#include <ostream>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

using namespace vaduvizu;
using vaduvizu::test::TempDir;

namespace {

// Every entry below folder, as paths relative to it, to see what an operation created.
QStringList tree(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(folder).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

class ProjectsFixture : public testing::Test {
protected:
    ProjectsFixture() { setUpFolders(state, dir.path()); }
    TempDir dir;
    AppState state;
};

// ---- Creating a project ----

struct CreateCase {
    const char* name;
    QString projectName;
    int expected; // 0, or the message text
};
void PrintTo(const CreateCase& c, std::ostream* os) {
    *os << c.name;
}

const CreateCase CreateCases[] = {
    {"Plain", "Plant 1", 0},
    {"KeptAsTyped", "  padded name  ", 0},
    {"NonAscii", "Anlage \u00dcberlauf \u65e5\u672c", 0},
    {"Empty", "", 107},
    {"FolderExists", "Existing", 106},
    {"NameOfAFile", "notes.txt", 105},
    {"Slash", "a/b", 105},
    {"SlashIntoExisting", "Existing/inner", 105},
    {"Backslash", "a\\b", 105},
    {"Parent", "..", 105},
    {"Self", ".", 105},
    {"EscapesUpward", "../escaped", 105},
    {"Absolute", "/tmp/escaped", 105},
    {"Nul", QString("cut") + QChar(0) + "off", 105},
    {"TooLong", QString(300, 'x'), 105},
};

class CreateProject : public ProjectsFixture, public testing::WithParamInterface<CreateCase> {};

TEST_P(CreateProject, CreatesFolderWithBinOrReportsWhyNot) {
    const CreateCase& c = GetParam();
    dir.write("PROJECTS/Existing/ParGen.xml", "<ParGen/>");
    dir.write("PROJECTS/notes.txt", "notes");
    setActiveProject(state, "Existing");
    const QStringList before = tree(dir.path());

    EXPECT_EQ(createProject(state, c.projectName), c.expected);

    if (c.expected == 0) {
        const QString folder = state.projectsFolder + "/" + c.projectName;
        EXPECT_EQ(state.activeProjectName, c.projectName);
        EXPECT_EQ(state.activeProjectFolder, folder);
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"bin"});
        EXPECT_TRUE(QFileInfo(folder + "/bin").isDir());
        EXPECT_TRUE(listProjects(state.projectsFolder).contains(c.projectName));
    } else {
        // Nothing created or changed anywhere, and the previous project stays active.
        EXPECT_EQ(tree(dir.path()), before);
        EXPECT_EQ(TempDir::read(dir.file("PROJECTS/Existing/ParGen.xml")), "<ParGen/>");
        EXPECT_EQ(state.activeProjectName, "Existing");
        EXPECT_EQ(state.activeProjectFolder, state.projectsFolder + "/Existing");
    }
}

INSTANTIATE_TEST_SUITE_P(Names, CreateProject, testing::ValuesIn(CreateCases),
                         [](const auto& tc) { return std::string(tc.param.name); });

TEST_F(ProjectsFixture, CreateWithoutProjectsFolderIsRefused) {
    QDir(state.projectsFolder).removeRecursively();
    EXPECT_EQ(createProject(state, "Plant"), 105);
    EXPECT_FALSE(QFileInfo::exists(state.projectsFolder));
    EXPECT_FALSE(state.hasActiveProject());
}

TEST_F(ProjectsFixture, SecondCreateOfTheSameNameIsRefused) {
    ASSERT_EQ(createProject(state, "Plant"), 0);
    dir.write("PROJECTS/Plant/ParGen.xml", "data");
    EXPECT_EQ(createProject(state, "Plant"), 106);
    EXPECT_EQ(TempDir::read(dir.file("PROJECTS/Plant/ParGen.xml")), "data");
}

// ---- Listing, searching and preselecting ----

TEST_F(ProjectsFixture, ListsFoldersOnlyWithoutHiddenOnesInFileSystemOrder) {
    for (const char* name : {"Zeta", "alpha", "Mid dle", "beta"})
        QDir().mkdir(state.projectsFolder + "/" + name);
    QDir().mkdir(state.projectsFolder + "/.hidden");
    dir.write("PROJECTS/file.xml", "");
    dir.write("PROJECTS/Zeta/inner/deep.xml", "");

    const QStringList listed = listProjects(state.projectsFolder);
    QStringList sorted = listed;
    sorted.sort();
    EXPECT_EQ(sorted, QStringList({"Mid dle", "Zeta", "alpha", "beta"}));

#ifdef Q_OS_UNIX
    // The order is the one the directory itself returns, not sorted.
    QStringList raw;
    if (DIR* d = opendir(QFile::encodeName(state.projectsFolder).constData())) {
        while (const dirent* entry = readdir(d)) {
            const QString name = QFile::decodeName(entry->d_name);
            if (sorted.contains(name))
                raw << name;
        }
        closedir(d);
    }
    EXPECT_EQ(listed, raw);
#endif
}

TEST(ListProjects, MissingOrUnsetFolderGivesAnEmptyList) {
    TempDir dir;
    EXPECT_TRUE(listProjects(dir.file("PROJECTS")).isEmpty());
    EXPECT_TRUE(listProjects(QString()).isEmpty());
}

struct SearchCase {
    QStringList names;
    QString name;
    int expected;
};

class SearchOpenConf : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchOpenConf, FindsTheFirstEntryIgnoringLetterCase) {
    EXPECT_EQ(Search_Open_Conf(GetParam().names, GetParam().name), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchOpenConf,
                         testing::Values(SearchCase{{"a", "Plant", "b"}, "Plant", 1},
                                         SearchCase{{"a", "Plant", "b"}, "pLANT", 1},
                                         SearchCase{{"x", "PLANT", "plant"}, "Plant", 1},
                                         SearchCase{{"\u00c4rger"}, "\u00e4RGER", 0},
                                         SearchCase{{"Plant"}, "Plan", -1},
                                         SearchCase{{"Plant"}, "Plant ", -1},
                                         SearchCase{{"Plant"}, "", -1},
                                         SearchCase{{}, "Plant", -1}));

struct PreselectCase {
    const char* name;
    QStringList names;
    QString active; // empty: no active project
    int expected;
};
void PrintTo(const PreselectCase& c, std::ostream* os) {
    *os << c.name;
}

const PreselectCase PreselectCases[] = {
    {"ActiveProject", {"a", "Plant", "b"}, "Plant", 1},
    {"ActiveInOtherLetterCase", {"a", "PLANT", "b"}, "plant", 1},
    {"NoActiveProject", {"a", "b"}, "", 0},
    {"ActiveNotListed", {"a", "b"}, "Gone", 0},
    {"EmptyList", {}, "Plant", -1},
    {"EmptyListNoProject", {}, "", -1},
};

class PreselectedProject : public testing::TestWithParam<PreselectCase> {};

TEST_P(PreselectedProject, SelectsTheActiveProjectElseTheFirst) {
    AppState state;
    state.projectsFolder = "/app/PROJECTS";
    setActiveProject(state, GetParam().active);
    EXPECT_EQ(preselectedProject(GetParam().names, state), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PreselectedProject, testing::ValuesIn(PreselectCases),
                         [](const auto& tc) { return std::string(tc.param.name); });

// ---- Active project and its files ----

TEST(ActiveProject, NameAndFolderChangeTogether) {
    AppState state;
    state.projectsFolder = "/app/PROJECTS";
    setActiveProject(state, "Plant");
    EXPECT_EQ(state.activeProjectName, "Plant");
    EXPECT_EQ(state.activeProjectFolder, "/app/PROJECTS/Plant");
    const ProjectFiles files = Set_Files(state);
    EXPECT_EQ(files.parameterFile, "/app/PROJECTS/Plant/ParGen.xml");
    EXPECT_EQ(files.rulesFile, "/app/PROJECTS/Plant/LoRaWAN_SetAccess.xml");

    setActiveProject(state, "");
    EXPECT_TRUE(state.activeProjectName.isEmpty());
    EXPECT_FALSE(state.hasActiveProject());
    EXPECT_TRUE(Set_Files(state).parameterFile.isEmpty());
    EXPECT_TRUE(Set_Files(state).rulesFile.isEmpty());
}

} // namespace
