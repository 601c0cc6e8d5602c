#include "app/AppState.h"
#include "projects/ProjectStore.h"
#include "support/StartedApp.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindowStateChangeEvent>

namespace vaduvizu::test {
namespace {

enum class Confirm { OkButton, EnterKey };

class ProjectDialogsTest : public testing::Test {
protected:
    StartedApp& start() {
        m_app = std::make_unique<StartedApp>(dir.path());
        m_app->window().show();
        return *m_app;
    }
    QString projects(const QString& name = {}) const {
        return dir.file(QStringLiteral("PROJECTS")) + (name.isEmpty() ? "" : "/" + name);
    }
    void click(const char* button) {
        QTest::mouseClick(m_app->find<QPushButton>(button), Qt::LeftButton);
    }
    QString labelText(const char* name) { return m_app->find<QLabel>(name)->text(); }

    // Types name into the new-project dialog opened from the main window and confirms it;
    // returns what the name box held when the dialog was left (it stays open on an error).
    QString createFromMainWindow(const QString& name, Confirm confirm, bool* stayedOpen) {
        QString opened;
        QString left;
        onNextModalDialog(&opened, [&](QDialog& dialog) {
            auto* box = dialog.findChild<QLineEdit*>("E_New_Proj");
            QTest::keyClicks(box, name);
            if (confirm == Confirm::EnterKey)
                QTest::keyClick(box, Qt::Key_Return);
            else
                QTest::mouseClick(dialog.findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);
            *stayedOpen = dialog.isVisible();
            left = box->text();
        });
        click("Btn_New");
        EXPECT_EQ(opened, "TFNew_Project");
        return left;
    }

    TempDir dir;
    std::unique_ptr<StartedApp> m_app;
};

TEST_F(ProjectDialogsTest, ANewProjectBecomesActiveWithItsBinFolder) {
    for (const Confirm confirm : {Confirm::OkButton, Confirm::EnterKey}) {
        const QString name = confirm == Confirm::OkButton ? "Plant A" : "Plant B";
        StartedApp& app = start();
        bool stayedOpen = true;
        createFromMainWindow(name, confirm, &stayedOpen);

        EXPECT_FALSE(stayedOpen) << qPrintable(name);
        EXPECT_EQ(QDir(projects(name)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"bin"});
        EXPECT_EQ(app.state().activeProjectName, name);
        EXPECT_EQ(labelText("L_Name_Conf"), app.texts()[11]);
        EXPECT_EQ(labelText("L_Name_Conf_L2"), name);
        EXPECT_EQ(app.window().projectFiles().rulesFile, projects(name) + "/LoRaWAN_SetAccess.xml");
        EXPECT_TRUE(app.boxes.shown.empty());
        EXPECT_FALSE(QFileInfo::exists(dir.file("Vaduvizu.xml"))) << "written only at close";
    }
}

TEST_F(ProjectDialogsTest, ARefusedNameIsReportedAndTheDialogStaysOpenWithTheName) {
    struct Case {
        QString name;
        int message;
        Confirm confirm;
    };
    const Case cases[] = {
        {"", 107, Confirm::OkButton},         {"", 107, Confirm::EnterKey},
        {"Existing", 106, Confirm::OkButton}, {"Existing", 106, Confirm::EnterKey},
        {"one/two", 105, Confirm::OkButton},
    };
    dir.write("PROJECTS/Existing/notes.txt", "kept");
    for (const Case& c : cases) {
        StartedApp& app = start();
        bool stayedOpen = false;
        const QString left = createFromMainWindow(c.name, c.confirm, &stayedOpen);

        EXPECT_TRUE(stayedOpen) << c.message;
        EXPECT_EQ(left, c.name);
        EXPECT_EQ(app.boxes.texts(), QStringList{app.texts()[c.message]});
        ASSERT_FALSE(app.boxes.shown.empty());
        EXPECT_EQ(app.boxes.shown[0].kind, "error");
        EXPECT_FALSE(app.state().hasActiveProject());
        EXPECT_EQ(labelText("L_Name_Conf"), app.texts()[9]);
    }
    EXPECT_EQ(QDir(projects("Existing")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"notes.txt"});
    EXPECT_FALSE(QFileInfo::exists(projects("one")));
}

TEST_F(ProjectDialogsTest, TheNewProjectDialogStartsEmptyWithTheFocusInTheNameBox) {
    start();
    bool stayedOpen = false;
    createFromMainWindow("left over", Confirm::OkButton, &stayedOpen); // created; fine
    QString opened;
    QString shownText = "not shown";
    bool focused = false;
    onNextModalDialog(&opened, [&](QDialog& dialog) {
        auto* box = dialog.findChild<QLineEdit*>("E_New_Proj");
        shownText = box->text();
        focused = dialog.focusWidget() == box;
    });
    click("Btn_New");
    EXPECT_EQ(shownText, "");
    EXPECT_TRUE(focused);
}

// Opens the open dialog from the main window and returns the preselected entry; act may
// change the selection and confirms or cancels.
QString openFromMainWindow(StartedApp& app, const std::function<void(QDialog&)>& act) {
    QString opened;
    QString preselected = "none";
    onNextModalDialog(&opened, [&](QDialog& dialog) {
        const auto* list = dialog.findChild<QListWidget*>("ListBox1");
        preselected = list->currentItem() ? list->currentItem()->text() : QString();
        act(dialog);
    });
    QTest::mouseClick(app.find<QPushButton>("Btn_Open"), Qt::LeftButton);
    EXPECT_EQ(opened, "TFOpenConf");
    return preselected;
}

void pressOk(QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);
}

TEST_F(ProjectDialogsTest, TheOpenDialogPreselectsTheActiveProjectElseTheFirst) {
    for (const char* name : {"North", "South", "West"})
        QDir().mkpath(projects(name) + "/bin");
    dir.write("PROJECTS/a-file.xml", "");
    StartedApp& app = start();
    const QStringList listed = listProjects(projects());
    ASSERT_EQ(listed.size(), 3);

    EXPECT_EQ(openFromMainWindow(app, pressOk), listed.first());
    EXPECT_EQ(app.state().activeProjectName, listed.first());

    setActiveProject(app.state(), listed.last());
    EXPECT_EQ(openFromMainWindow(app, [](QDialog& dialog) { dialog.reject(); }), listed.last());
    EXPECT_EQ(app.state().activeProjectName, listed.last());
}

TEST_F(ProjectDialogsTest, TheChosenProjectOpensWithOkOrEnter) {
    for (const char* name : {"North", "South"})
        QDir().mkpath(projects(name) + "/bin");
    for (const Confirm confirm : {Confirm::OkButton, Confirm::EnterKey}) {
        StartedApp& app = start();
        openFromMainWindow(app, [confirm](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>("ListBox1");
            const auto items = list->findItems("South", Qt::MatchExactly);
            ASSERT_EQ(items.size(), 1);
            list->setCurrentItem(items[0]);
            if (confirm == Confirm::EnterKey)
                QTest::keyClick(list, Qt::Key_Return);
            else
                pressOk(dialog);
        });
        EXPECT_EQ(app.state().activeProjectName, "South");
        EXPECT_EQ(app.state().activeProjectFolder, projects("South"));
        EXPECT_EQ(labelText("L_Name_Conf"), app.texts()[11]);
        EXPECT_EQ(labelText("L_Name_Conf_L2"), "South");
        EXPECT_EQ(app.window().projectFiles().parameterFile, projects("South") + "/ParGen.xml");
    }
}

// Brings a dialog back from minimised, as the window system does after "show desktop".
void restoreFromMinimised(QDialog& dialog) {
    QWindowStateChangeEvent restored(Qt::WindowMinimized);
    QApplication::sendEvent(&dialog, &restored);
}

// What the user typed or picked survives the window coming back; only a new showing resets it.
TEST_F(ProjectDialogsTest, RestoringAMinimisedDialogKeepsTheNameAndTheChoice) {
    for (const char* name : {"North", "South"})
        QDir().mkpath(projects(name) + "/bin");
    StartedApp& app = start();

    QString opened;
    QString nameAfterRestore;
    onNextModalDialog(&opened, [&](QDialog& dialog) {
        auto* box = dialog.findChild<QLineEdit*>("E_New_Proj");
        QTest::keyClicks(box, "Half typed");
        restoreFromMinimised(dialog);
        nameAfterRestore = box->text();
    });
    click("Btn_New");
    EXPECT_EQ(opened, "TFNew_Project");
    EXPECT_EQ(nameAfterRestore, "Half typed");

    QString chosen;
    openFromMainWindow(app, [&](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>("ListBox1");
        list->setCurrentRow(1);
        chosen = list->currentItem()->text();
        restoreFromMinimised(dialog);
        pressOk(dialog);
    });
    EXPECT_EQ(app.state().activeProjectName, chosen);
}

TEST_F(ProjectDialogsTest, OkOnAnEmptyListLeavesNoProjectActiveAndTheStepsRefuse) {
    QDir().mkpath(dir.file("PROJECTS/Old/bin"));
    dir.write("Vaduvizu.xml", "<Conf_Settings><lastproj><projectname>Old</projectname>"
                              "</lastproj></Conf_Settings>");
    StartedApp& app = start();
    ASSERT_TRUE(app.state().hasActiveProject());
    QDir(projects("Old")).removeRecursively();

    EXPECT_EQ(openFromMainWindow(app, pressOk), "");
    EXPECT_FALSE(app.state().hasActiveProject());
    EXPECT_EQ(labelText("L_Name_Conf"), app.texts()[9]);
    EXPECT_EQ(labelText("L_Name_Conf_L2"), app.texts()[10]);
    click("Btn_CreateBin");
    EXPECT_EQ(app.boxes.texts(), QStringList{app.texts()[18]});
}

TEST_F(ProjectDialogsTest, DialogsShowTheirTextsAndSizes) {
    StartedApp& app = start();
    struct Text {
        const char* dialog;
        const char* control;
        int text;
        bool hint;
    };
    const Text texts[] = {
        {"TFNew_Project", "L_SW_Desc", 101, false}, {"TFNew_Project", "Label1", 102, false},
        {"TFNew_Project", "Btn_OK", 103, false},    {"TFNew_Project", "Btn_Cancel", 104, false},
        {"TFNew_Project", "E_New_Proj", 108, true}, {"TFNew_Project", "Btn_OK", 109, true},
        {"TFNew_Project", "Btn_Cancel", 110, true}, {"TFOpenConf", "L_SW_Desc", 201, false},
        {"TFOpenConf", "Label1", 202, false},       {"TFOpenConf", "Btn_OK", 203, false},
        {"TFOpenConf", "Btn_Cancel", 204, false},   {"TFOpenConf", "ListBox1", 205, true},
        {"TFOpenConf", "Btn_OK", 206, true},        {"TFOpenConf", "Btn_Cancel", 207, true},
    };
    for (const Text& t : texts) {
        const QWidget* control = app.control<QWidget>(t.dialog, t.control);
        ASSERT_NE(control, nullptr);
        const QString shown = t.hint ? control->toolTip() : control->property("text").toString();
        EXPECT_EQ(shown, app.texts()[t.text]) << t.dialog << "::" << t.control;
    }
    for (const char* dialog : {"TFNew_Project", "TFOpenConf"})
        EXPECT_EQ(app.control<QLabel>(dialog, "L_SW_Code")->text(), "VUD3O58");
    EXPECT_EQ(app.find<QDialog>("TFNew_Project")->windowTitle(), app.texts()[100]);
    EXPECT_EQ(app.find<QDialog>("TFOpenConf")->windowTitle(), app.texts()[200]);
    EXPECT_EQ(app.find<QDialog>("TFNew_Project")->size(), QSize(331, 162));
    EXPECT_EQ(app.find<QDialog>("TFNew_Project")->minimumSize(),
              app.find<QDialog>("TFNew_Project")->maximumSize());
    EXPECT_EQ(app.find<QDialog>("TFOpenConf")->size(), QSize(377, 351));
}

} // namespace
} // namespace vaduvizu::test
