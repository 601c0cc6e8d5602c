#include "app/AppState.h"
#include "app/SettingsFile.h"
#include "support/StartedApp.h"
#include "support/TempDir.h"
#include "texts/LanguageFile.h"
#include "texts/VersionCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <pugixml.hpp>

namespace vaduvizu::test {
namespace {

using testing::ElementsAre;

// The settings file as written: root name and each value by its path.
struct WrittenSettings {
    bool exists = false;
    std::string root;
    std::map<std::string, std::string> values;
};

WrittenSettings readWritten(const QString& path) {
    WrittenSettings result;
    pugi::xml_document doc;
    if (!doc.load_file(path.toUtf8().constData()))
        return result;
    result.exists = true;
    const pugi::xml_node root = doc.first_child();
    result.root = root.name();
    for (const pugi::xml_node group : root.children())
        for (const pugi::xml_node value : group.children())
            result.values[std::string(group.name()) + "/" + value.name()] = value.child_value();
    return result;
}

QByteArray settingsXml(const QString& project, const char* internet, const char* update) {
    return QStringLiteral("<Conf_Settings><lastproj><projectname>%1</projectname></lastproj>"
                          "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
                          "<lastlang><language>English</language></lastlang><lastinternet>"
                          "<enable_internet>%2</enable_internet><enable_update>%3</enable_update>"
                          "<enable_jump_field_tables>1</enable_jump_field_tables>"
                          "<Double_Click_Auto_Size>0</Double_Click_Auto_Size>"
                          "</lastinternet></Conf_Settings>")
        .arg(project, QLatin1String(internet), QLatin1String(update))
        .toUtf8();
}

class MainWindowTest : public testing::Test {
protected:
    StartedApp& start() {
        m_app = std::make_unique<StartedApp>(dir.path());
        return *m_app;
    }
    QString settingsPath() const { return dir.file(QStringLiteral("Vaduvizu.xml")); }
    QString labelText(const char* name) { return m_app->find<QLabel>(name)->text(); }
    void click(const char* button) {
        QTest::mouseClick(m_app->find<QPushButton>(button), Qt::LeftButton);
    }

    TempDir dir;
    std::unique_ptr<StartedApp> m_app;
};

TEST_F(MainWindowTest, FirstStartInAnEmptyFolderUsesTheDefaultsAndWritesThemAtClose) {
    StartedApp& app = start();

    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(QFileInfo(dir.file(QLatin1String(folder))).isDir()) << folder;
    EXPECT_FALSE(app.state().hasActiveProject());
    EXPECT_EQ(app.state().deviceIpAddress, "192.168.2.205");
    EXPECT_EQ(app.state().currentLanguage, "English");
    auto* timer = app.find<QTimer>("Timer_Update");
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 60000);
    EXPECT_EQ(labelText("L_Name_Conf"), app.texts()[9]);
    EXPECT_EQ(labelText("L_Name_Conf_L2"), app.texts()[10]);
    EXPECT_EQ(app.window().windowTitle(),
              "Vivarod - Configurator VUD3O58 Modbus TCP Slave / LoRaWAN ");
    EXPECT_FALSE(QFileInfo::exists(settingsPath())) << "written only at close";

    app.window().show();
    EXPECT_TRUE(app.window().close());

    const WrittenSettings written = readWritten(settingsPath());
    ASSERT_TRUE(written.exists);
    EXPECT_EQ(written.root, "Conf_Settings");
    const std::map<std::string, std::string> expected = {
        {"lastproj/projectname", ""},
        {"lastipadd/ipaddress", "192.168.2.205"},
        {"lastlang/language", "English"},
        {"lastinternet/enable_internet", "0"},
        {"lastinternet/enable_update", "0"},
        {"lastinternet/enable_jump_field_tables", "0"},
        {"lastinternet/Double_Click_Auto_Size", "0"},
    };
    EXPECT_EQ(written.values, expected);
    EXPECT_TRUE(app.boxes.shown.empty());
}

TEST_F(MainWindowTest, EveryOtherWindowIsCreatedOnceInTheStartUpOrder) {
    StartedApp& app = start();
    QStringList created;
    for (const QDialog* dialog :
         app.window().findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly))
        created << dialog->objectName();
    EXPECT_EQ(created, (QStringList{"TFNew_Project", "TFOpenConf", "TFAbout", "TFSoftOptions",
                                    "TFParGen", "TFBoot", "TFLoRa_Set_Access"}));
}

TEST_F(MainWindowTest, EveryControlSitsAtItsPlaceInAFixedSizeWindow) {
    StartedApp& app = start();
    EXPECT_EQ(app.window().size(), QSize(694, 396));
    EXPECT_EQ(app.window().minimumSize(), app.window().maximumSize());

    struct Place {
        const char* name;
        QPoint topLeft;
        QSize size; // empty: sized by its text
    };
    const Place places[] = {
        {"L_SW_Code", {16, 8}, {}},
        {"L_SW_Desc", {16, 42}, {}},
        {"LL_Update", {208, 19}, {}},
        {"Btn_Info", {516, 8}, {50, 50}},
        {"Btn_Opz", {574, 8}, {50, 50}},
        {"Btn_Close", {632, 8}, {50, 50}},
        {"L_Begin", {16, 84}, {}},
        {"Shape2", {80, 70}, {348, 36}},
        {"L_Name_Conf", {87, 75}, {}},
        {"L_Name_Conf_L2", {87, 88}, {}},
        {"L_Step_1", {16, 128}, {}},
        {"L_Step_2", {16, 172}, {}},
        {"L_Step_3", {16, 216}, {}},
        {"L_Step_4", {16, 260}, {}},
        {"Btn_New", {80, 112}, {170, 36}},
        {"Btn_Open", {258, 112}, {170, 36}},
        {"Btn_Prm_Gen", {80, 156}, {170, 36}},
        {"Btn_LoRaWAN_Access", {80, 200}, {170, 36}},
        {"Btn_CreateBin", {80, 244}, {170, 36}},
        {"L_Maker_Link", {565, 260}, {}},
        {"Shape1", {10, 295}, {674, 1}},
    };
    for (const Place& place : places) {
        const QWidget* control = app.find<QWidget>(place.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->pos(), place.topLeft) << place.name;
        if (!place.size.isEmpty()) {
            EXPECT_EQ(control->size(), place.size) << place.name;
        }
    }
    EXPECT_EQ(labelText("L_SW_Code"), "VUD3O58");
    EXPECT_EQ(labelText("L_SW_Desc"), "Modbus TCP Slave / LoRaWAN - Converter");
    EXPECT_FALSE(app.find<QLabel>("LL_Update")->isVisibleTo(&app.window()));

    // Captions and hints come from the text table.
    struct Text {
        const char* button;
        int caption; // -1: a picture button
        int hint;
    };
    const Text texts[] = {{"Btn_Info", -1, 12},           {"Btn_Opz", -1, 13},
                          {"Btn_Close", -1, 14},          {"Btn_New", 15, 22},
                          {"Btn_Open", 16, 23},           {"Btn_Prm_Gen", 20, 24},
                          {"Btn_LoRaWAN_Access", 21, 25}, {"Btn_CreateBin", 17, 26}};
    for (const Text& text : texts) {
        const QPushButton* button = app.find<QPushButton>(text.button);
        EXPECT_EQ(button->toolTip(), app.texts()[text.hint]) << text.button;
        if (text.caption >= 0) {
            EXPECT_EQ(button->text(), app.texts()[text.caption]) << text.button;
        } else {
            EXPECT_FALSE(button->icon().isNull()) << text.button;
        }
    }
}

TEST_F(MainWindowTest, TheTimerRunsOnlyWhenInternetAndUpdateCheckAreBothOn) {
    struct Case {
        const char* internet;
        const char* update;
        bool armed;
    };
    for (const Case& c : {Case{"1", "1", true}, Case{"0", "1", false}, Case{"1", "0", false},
                          Case{"1", "true", false}}) {
        dir.write("Vaduvizu.xml", settingsXml("", c.internet, c.update));
        StartedApp& app = start();
        EXPECT_EQ(app.find<QTimer>("Timer_Update")->isActive(), c.armed)
            << c.internet << " " << c.update;
        EXPECT_EQ(app.find<QTimer>("Timer_Update")->interval(), 60000);
    }
}

TEST_F(MainWindowTest, ARememberedLanguageWithoutItsFileFallsBackToEnglishAndIsWrittenSo) {
    dir.write("Vaduvizu.xml", "<Conf_Settings><lastlang><language>Klingon</language></lastlang>"
                              "</Conf_Settings>");
    dir.write("LANGUAGE/English.lng", "STR15 = Start a configuration\n");
    StartedApp& app = start();
    EXPECT_EQ(app.state().currentLanguage, "English");
    EXPECT_EQ(app.find<QPushButton>("Btn_New")->text(), "Start a configuration");
    app.window().close();
    EXPECT_EQ(readWritten(settingsPath()).values["lastlang/language"], "English");
}

class StepWithoutProjectTest : public MainWindowTest,
                               public testing::WithParamInterface<const char*> {};

TEST_P(StepWithoutProjectTest, IsRefusedWithMessage18AndOpensNothing) {
    StartedApp& app = start();
    app.window().show();
    QString opened;
    onNextModalDialog(&opened, [](QDialog&) {});
    click(GetParam());
    QApplication::processEvents();

    EXPECT_EQ(opened, "");
    ASSERT_EQ(app.boxes.shown.size(), 1u);
    EXPECT_EQ(app.boxes.shown[0].kind, "error");
    EXPECT_EQ(app.boxes.shown[0].text, app.texts()[18]);
}

INSTANTIATE_TEST_SUITE_P(Steps2To4, StepWithoutProjectTest,
                         testing::Values("Btn_Prm_Gen", "Btn_LoRaWAN_Access", "Btn_CreateBin"));

// With a project active, each button reaches its window; without one, only Step 1, the
// information, options and close buttons work.
TEST_F(MainWindowTest, EachButtonOpensItsWindow) {
    QDir().mkpath(dir.file("PROJECTS/Plant/bin"));
    const QByteArray settings = settingsXml("Plant", "0", "0");
    dir.write("Vaduvizu.xml", settings);
    StartedApp& app = start();
    ASSERT_TRUE(app.state().hasActiveProject());
    app.window().show();

    struct Case {
        const char* button;
        const char* dialog;
    };
    const Case cases[] = {{"Btn_New", "TFNew_Project"}, {"Btn_Open", "TFOpenConf"},
                          {"Btn_Info", "TFAbout"},      {"Btn_Opz", "TFSoftOptions"},
                          {"Btn_Prm_Gen", "TFParGen"},  {"Btn_LoRaWAN_Access", "TFLoRa_Set_Access"},
                          {"Btn_CreateBin", "TFBoot"}};
    for (const Case& c : cases) {
        QString opened;
        onNextModalDialog(&opened, [](QDialog& dialog) { dialog.reject(); });
        click(c.button);
        EXPECT_EQ(opened, c.dialog) << c.button;
    }
    EXPECT_TRUE(app.boxes.shown.empty());
    EXPECT_EQ(app.state().activeProjectName, "Plant") << "cancelled dialogs change nothing";
    EXPECT_EQ(TempDir::read(settingsPath()), settings) << "cancelled options write nothing";
}

TEST_F(MainWindowTest, ClosingByAnyMeansWritesTheSettings) {
    for (const bool closeBox : {true, false}) {
        QFile::remove(settingsPath());
        StartedApp& app = start();
        app.state().deviceIpAddress = QStringLiteral("10.1.2.3");
        app.window().show();
        if (closeBox)
            app.window().close();
        else
            click("Btn_Close");
        EXPECT_FALSE(app.window().isVisible());
        EXPECT_EQ(readWritten(settingsPath()).values["lastipadd/ipaddress"], "10.1.2.3")
            << (closeBox ? "close box" : "Btn_Close");
    }
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowStillCloses) {
    StartedApp& app = start();
    QDir().mkpath(settingsPath()); // a folder where the file should go: writing it fails
    app.window().show();
    EXPECT_TRUE(app.window().close());
    EXPECT_FALSE(app.window().isVisible());
    ASSERT_EQ(app.boxes.shown.size(), 1u);
    EXPECT_EQ(app.boxes.shown[0].kind, "error");
    EXPECT_THAT(app.boxes.shown[0].text.toStdString(), testing::HasSubstr("Vaduvizu.xml"));
}

TEST_F(MainWindowTest, OptionsOkWritesTheSettingsAndArmsTheTimerCancelWritesNothing) {
    StartedApp& app = start();
    app.window().show();
    QString opened;
    onNextModalDialog(&opened, [](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("Btn_Cancel"), Qt::LeftButton);
    });
    click("Btn_Opz");
    EXPECT_EQ(opened, "TFSoftOptions");
    EXPECT_FALSE(QFileInfo::exists(settingsPath()));

    // The dialog shows the options as they stand and stores them on OK.
    app.state().enableInternet = app.state().enableUpdate = true;
    onNextModalDialog(&opened, [](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);
    });
    click("Btn_Opz");
    EXPECT_EQ(readWritten(settingsPath()).values["lastinternet/enable_update"], "1");
    EXPECT_TRUE(app.find<QTimer>("Timer_Update")->isActive());
    EXPECT_TRUE(app.boxes.shown.empty());
}

TEST_F(MainWindowTest, OptionsOkWithAnUnwritableSettingsFileReportsItAndKeepsTheOptions) {
    StartedApp& app = start();
    app.window().show();
    QDir().mkpath(settingsPath());
    app.state().enableInternet = app.state().enableUpdate = true;
    QString opened;
    onNextModalDialog(&opened, [](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);
    });
    click("Btn_Opz");
    ASSERT_EQ(app.boxes.shown.size(), 1u);
    EXPECT_EQ(app.boxes.shown[0].kind, "error");
    EXPECT_TRUE(app.find<QTimer>("Timer_Update")->isActive());
    EXPECT_TRUE(app.window().isVisible()) << "the application goes on";
}

TEST_F(MainWindowTest, ARememberedProjectWhoseFolderIsGoneComesBackWhenTheFolderDoes) {
    dir.write("Vaduvizu.xml", settingsXml("Gone", "0", "0"));
    {
        StartedApp& app = start();
        EXPECT_FALSE(app.state().hasActiveProject());
        EXPECT_EQ(labelText("L_Name_Conf"), app.texts()[9]);
        EXPECT_EQ(labelText("L_Name_Conf_L2"), app.texts()[10]);
        click("Btn_Prm_Gen");
        EXPECT_EQ(app.boxes.texts(), QStringList{app.texts()[18]});
        app.window().close();
        EXPECT_EQ(readWritten(settingsPath()).values["lastproj/projectname"], "Gone");
    }
    QDir().mkpath(dir.file("PROJECTS/Gone/bin"));
    StartedApp& app = start();
    EXPECT_TRUE(app.state().hasActiveProject());
    EXPECT_EQ(labelText("L_Name_Conf"), app.texts()[11]);
    EXPECT_EQ(labelText("L_Name_Conf_L2"), "Gone");
    EXPECT_EQ(app.window().projectFiles().parameterFile, dir.file("PROJECTS/Gone/ParGen.xml"));
}

// A language file replaces the texts; Change_Language carries them into every window, and the
// active-configuration labels follow their rule in the new language.
TEST_F(MainWindowTest, ALanguageSwitchRetranslatesEveryWindow) {
    dir.write("LANGUAGE/Deutsch.lng", "STR9 = Keine Konfiguration\nSTR10 = Schritt 1 benutzen\n"
                                      "STR11 = Geoeffnet :\nSTR15 = Neu\nSTR13 = Optionen\n"
                                      "STR100 = Neue Konfiguration\nSTR200 = Oeffnen\n"
                                      "STR300 = Einstellungen\n");
    for (const bool withProject : {false, true}) {
        if (withProject) {
            QDir().mkpath(dir.file("PROJECTS/Anlage/bin"));
            dir.write("Vaduvizu.xml", settingsXml("Anlage", "0", "0"));
        }
        StartedApp& app = start();
        app.state().currentLanguage = QStringLiteral("Deutsch");
        Load_Texts(app.app->texts, app.state());
        app.app->context.changeLanguage();

        EXPECT_EQ(labelText("L_Name_Conf"), withProject ? "Geoeffnet :" : "Keine Konfiguration");
        EXPECT_EQ(labelText("L_Name_Conf_L2"), withProject ? "Anlage" : "Schritt 1 benutzen");
        EXPECT_EQ(app.find<QPushButton>("Btn_New")->text(), "Neu");
        EXPECT_EQ(app.find<QPushButton>("Btn_Opz")->toolTip(), "Optionen");
        EXPECT_EQ(app.find<QDialog>("TFNew_Project")->windowTitle(), "Neue Konfiguration");
        EXPECT_EQ(app.find<QDialog>("TFOpenConf")->windowTitle(), "Oeffnen");
        EXPECT_EQ(app.find<QDialog>("TFSoftOptions")->windowTitle(), "Einstellungen");
    }
}

// Picking a language in the options dialog re-translates every window at once; the current
// language (and so the settings file) changes only with OK.
TEST_F(MainWindowTest, ALanguagePickedInTheOptionsTakesEffectAtOnceAndIsKeptOnlyOnOk) {
    dir.write("LANGUAGE/Deutsch.lng", "STR15 = Neu\nSTR100 = Neue Konfiguration\n");
    dir.write("LANGUAGE/English.lng", "STR15 = New Configuration\n");
    StartedApp& app = start();
    app.window().show();
    auto pickDeutsch = [](QDialog& dialog) {
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->objectName().startsWith("L_L") && label->text() == "Deutsch") {
                QTest::mouseClick(label, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no language slot shows Deutsch";
    };

    for (const char* leaveWith : {"Btn_Cancel", "Btn_OK"}) {
        QString opened;
        QString languageWhileOpen;
        onNextModalDialog(&opened, [&](QDialog& dialog) {
            pickDeutsch(dialog);
            languageWhileOpen = app.state().currentLanguage;
            QTest::mouseClick(dialog.findChild<QPushButton*>(leaveWith), Qt::LeftButton);
        });
        click("Btn_Opz");

        EXPECT_EQ(languageWhileOpen, "English") << leaveWith;
        EXPECT_EQ(app.find<QPushButton>("Btn_New")->text(), "Neu") << leaveWith;
        EXPECT_EQ(app.find<QDialog>("TFNew_Project")->windowTitle(), "Neue Konfiguration");
        const bool ok = std::string(leaveWith) == "Btn_OK";
        EXPECT_EQ(app.state().currentLanguage, ok ? "Deutsch" : "English");
        EXPECT_EQ(readWritten(settingsPath()).values["lastlang/language"], ok ? "Deutsch" : "")
            << "written on OK only";
    }
    ASSERT_EQ(app.boxes.shown.size(), 2u);
    EXPECT_EQ(app.boxes.shown[0].kind, "confirm");
}

TEST_F(MainWindowTest, TheVersionCheckShowsOrHidesTheDownloadLinkAndRearmsForTwoHours) {
    dir.write("Vaduvizu.xml", settingsXml("", "1", "1"));
    StartedApp& app = start();
    app.window().show();
    auto* timer = app.find<QTimer>("Timer_Update");
    auto* link = app.find<QLabel>("LL_Update");

    app.http.answerWith("VER. 1.003");
    app.window().Timer_UpdateTimer();
    EXPECT_EQ(app.http.requested.size(), 1);
    EXPECT_TRUE(link->isVisible());
    EXPECT_THAT(link->text().toStdString(), testing::HasSubstr(downloadPageUrl().toStdString()));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 7200000);

    emit link->linkActivated(downloadPageUrl());
    EXPECT_EQ(app.urls.opened, QStringList{downloadPageUrl()});

    app.http.answerWith("VER. 1.002");
    app.window().Timer_UpdateTimer();
    EXPECT_FALSE(link->isVisible());
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(app.boxes.shown.empty());
}

TEST_F(MainWindowTest, TheMakerLinkOpensTheHomePage) {
    StartedApp& app = start();
    app.window().show();
    QTest::mouseClick(app.find<QLabel>("L_Maker_Link"), Qt::LeftButton);
    EXPECT_EQ(app.urls.opened, QStringList{homePageUrl()});
}

} // namespace
} // namespace vaduvizu::test
