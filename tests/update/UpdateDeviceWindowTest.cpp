#include "support/StartedApp.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace vaduvizu::test {
namespace {

// Step 4 run from the main window on a project "Plant" prepared by each case.
struct UpdateCase {
    const char* name;
    const char* parameterFile; // nullptr: no ParGen.xml
    const char* rulesFile;     // nullptr: no LoRaWAN_SetAccess.xml
    bool binFolder;
    bool dialogOpens;
    const char* message; // expected in the one error box; nullptr: no box
};

constexpr char Payload51[] = "<Par_Gen><LoRa_Payload_Size>51</LoRa_Payload_Size></Par_Gen>";
constexpr char Rule49Bytes[] =
    "<LoRaWAN_Set_Access><LoRaWAN_Uplink><Rule Enable=\"Y\" StartByte=\"0\" NumByte=\"49\"/>"
    "</LoRaWAN_Uplink><LoRaWAN_Downlink/></LoRaWAN_Set_Access>";
constexpr char Rule50Bytes[] =
    "<LoRaWAN_Set_Access><LoRaWAN_Uplink><Rule Enable=\"Y\" StartByte=\"0\" NumByte=\"50\"/>"
    "</LoRaWAN_Uplink><LoRaWAN_Downlink/></LoRaWAN_Set_Access>";

const UpdateCase Cases[] = {
    {"RuleFitsThePayload", Payload51, Rule49Bytes, true, true, nullptr},
    {"NoRulesFile", nullptr, nullptr, true, true, nullptr},
    {"RuleTooLongForThePayload", Payload51, Rule50Bytes, true, false,
     "Error in configuration, Num. Byte not conformed with Max Payload Size"},
    {"MalformedRulesFile", Payload51, "<LoRaWAN_Set_Access>", true, false, "LoRaWAN_SetAccess.xml"},
    {"MissingBinFolder", Payload51, Rule49Bytes, false, false, "bank1.bin"},
};

class UpdateDeviceWindowTest : public testing::TestWithParam<UpdateCase> {
protected:
    TempDir dir;
};

TEST_P(UpdateDeviceWindowTest, OpensTheUpdateDialogOnlyWithFreshImages) {
    const UpdateCase& c = GetParam();
    const QString project = dir.file(QStringLiteral("PROJECTS/Plant"));
    QDir().mkpath(c.binFolder ? project + QStringLiteral("/bin") : project);
    if (c.parameterFile)
        dir.write(QStringLiteral("PROJECTS/Plant/ParGen.xml"), c.parameterFile);
    if (c.rulesFile)
        dir.write(QStringLiteral("PROJECTS/Plant/LoRaWAN_SetAccess.xml"), c.rulesFile);
    dir.write(QStringLiteral("Vaduvizu.xml"),
              "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
              "</Conf_Settings>");

    StartedApp app(dir.path());
    ASSERT_TRUE(app.state().hasActiveProject());
    app.window().show();
    QString opened;
    onNextModalDialog(&opened, [](QDialog& dialog) { dialog.reject(); });
    QTest::mouseClick(app.find<QPushButton>("Btn_CreateBin"), Qt::LeftButton);
    QApplication::processEvents(); // a dialog that never opened leaves its timer behind

    EXPECT_EQ(opened, c.dialogOpens ? "TFBoot" : "");
    const QFileInfo bank1(project + QStringLiteral("/bin/bank1.bin"));
    const QFileInfo bank2(project + QStringLiteral("/bin/bank2.bin"));
    if (c.dialogOpens) {
        EXPECT_EQ(bank1.size(), 2048);
        EXPECT_EQ(bank2.size(), 8192);
        EXPECT_TRUE(app.boxes.shown.empty());
    } else {
        EXPECT_FALSE(bank1.exists());
        EXPECT_FALSE(bank2.exists());
        ASSERT_EQ(app.boxes.shown.size(), 1u);
        EXPECT_EQ(app.boxes.shown[0].kind, "error");
        EXPECT_TRUE(app.boxes.shown[0].text.contains(QLatin1String(c.message)))
            << app.boxes.shown[0].text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Step4, UpdateDeviceWindowTest, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<UpdateCase>& test) {
                             return std::string(test.param.name);
                         });

} // namespace
} // namespace vaduvizu::test
