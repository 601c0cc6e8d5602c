#include "update/UpdateCommand.h"
#include "image/ImageCompiler.h"
#include "image/TestProject.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vaduvizu;
using vaduvizu::test::TempDir;
using vaduvizu::test::TestProject;

namespace {

struct PayloadCase {
    const char* name;
    const char* payload; // nullptr: no parameter file
    const char* uplinkRows;
    bool passes;
};

class PayloadCheck : public testing::TestWithParam<PayloadCase> {};

} // namespace

TEST_P(PayloadCheck, ComparesEnabledUplinkRulesWithThePayload) {
    const PayloadCase& c = GetParam();
    TestProject project;
    if (c.payload)
        project.writeParameters({{"LoRa_Payload_Size", c.payload}});
    project.writeRules(c.uplinkRows, R"(<row Enable="Y" NumByte="999"/>)");
    EXPECT_EQ(Check_Config_LoraWAN(project.folder()), c.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PayloadCheck,
    testing::Values(
        PayloadCase{"Fits", "51", R"(<row Enable="Y" NumByte="49"/>)", true},
        PayloadCase{"OneTooMany", "51", R"(<row Enable="Y" NumByte="50"/>)", false},
        PayloadCase{"ZeroBytesInPayloadTwo", "2", R"(<row Enable="Y" NumByte="0"/>)", true},
        PayloadCase{"ZeroBytesInPayloadOne", "1", R"(<row Enable="Y" NumByte="0"/>)", false},
        PayloadCase{"NegativeCount", "51", R"(<row Enable="Y" NumByte="-1"/>)", false},
        PayloadCase{"MissingNumByte", "51", R"(<row Enable="Y"/>)", false},
        PayloadCase{"TextNumByte", "51", R"(<row Enable="Y" NumByte="four"/>)", false},
        PayloadCase{"LaterRuleFails", "51",
                    R"(<row Enable="Y" NumByte="1"/><row Enable="Y" NumByte="60"/>)", false},
        PayloadCase{"DisabledRulesIgnored", "51",
                    R"(<row Enable="N" NumByte="60"/><row Enable="y" NumByte="60"/>)"
                    R"(<row Enable=" Y" NumByte="60"/><row NumByte="60"/>)",
                    true},
        PayloadCase{"AllDisabledWithoutParameterFile", nullptr, R"(<row Enable="N" NumByte="4"/>)",
                    true},
        PayloadCase{"EnabledWithoutParameterFile", nullptr, R"(<row Enable="Y" NumByte="0"/>)",
                    false},
        PayloadCase{"PayloadNotANumber", "big", R"(<row Enable="Y" NumByte="0"/>)", false}),
    [](const testing::TestParamInfo<PayloadCase>& param) { return param.param.name; });

TEST(PayloadCheckFiles, MissingRulesFileOrUplinkListPasses) {
    TestProject project;
    EXPECT_TRUE(Check_Config_LoraWAN(project.folder()));
    project.writeRulesXml("<LoRaWAN_Set_Access><LoRaWAN_Downlink/></LoRaWAN_Set_Access>");
    EXPECT_TRUE(Check_Config_LoraWAN(project.folder()));
}

TEST(PayloadCheckFiles, PayloadIsTakenFromTheFirstNodeOnly) {
    TestProject project;
    project.writeParameters({{"LoRa_Payload_Size", "51"}}, "Par_Gen", "<!-- first -->");
    project.writeRules(R"(<row Enable="Y" NumByte="0"/>)");
    EXPECT_FALSE(Check_Config_LoraWAN(project.folder()));
}

namespace {

class UpdateDeviceSequence : public testing::Test {
protected:
    void writeOldImages() const {
        project.writeFile("bin/bank1.bin", "old parameter image");
        project.writeFile("bin/bank2.bin", "old rules image");
    }
    bool oldImagesUntouched() const {
        return TempDir::read(project.bin("bank1.bin")) == "old parameter image" &&
               TempDir::read(project.bin("bank2.bin")) == "old rules image";
    }

    TestProject project;
    image::ImageCompiler compiler;
};

} // namespace

TEST_F(UpdateDeviceSequence, WritesBothImagesWhenTheCheckPasses) {
    writeOldImages();
    project.writeParameters({{"LoRa_Payload_Size", "51"}});
    project.writeRules(R"(<row Enable="Y" StartByte="0" NumByte="49"/>)");
    const UpdateDeviceResult result = Update_Device(compiler, project.folder());
    EXPECT_EQ(result.outcome, UpdateDeviceResult::Outcome::ImagesWritten);
    EXPECT_EQ(QFileInfo(project.bin("bank1.bin")).size(), 2048);
    EXPECT_EQ(QFileInfo(project.bin("bank2.bin")).size(), 8192);
}

TEST_F(UpdateDeviceSequence, ProjectWithoutFilesIsBuiltFromTheDefaults) {
    EXPECT_EQ(Update_Device(compiler, project.folder()).outcome,
              UpdateDeviceResult::Outcome::ImagesWritten);
    EXPECT_EQ(QFileInfo(project.bin("bank2.bin")).size(), 8192);
}

TEST_F(UpdateDeviceSequence, FailedPayloadCheckLeavesEarlierImagesUntouched) {
    writeOldImages();
    project.writeParameters({{"LoRa_Payload_Size", "51"}});
    project.writeRules(R"(<row Enable="Y" StartByte="0" NumByte="50"/>)");
    EXPECT_EQ(Update_Device(compiler, project.folder()).outcome,
              UpdateDeviceResult::Outcome::PayloadCheckFailed);
    EXPECT_TRUE(oldImagesUntouched());
}

TEST_F(UpdateDeviceSequence, ProblemsEndItWithAMessageAndWriteNothing) {
    struct Case {
        const char* parameters;
        const char* rules;
        const char* named; // what the message must name
    };
    const Case cases[] = {
        {"<Par_Gen><LoRa_Payload_Size>51</Par_Gen>", nullptr, "ParGen.xml"},
        {nullptr, "<LoRaWAN_Set_Access>", "LoRaWAN_SetAccess.xml"},
        {"<Par_Gen><LoRa_JoinEUI>01020304050607080</LoRa_JoinEUI></Par_Gen>", nullptr,
         "LoRa_JoinEUI"},
        {nullptr, "<LoRaWAN_Set_Access><LoRaWAN_Uplink/></LoRaWAN_Set_Access>", "LoRaWAN_Downlink"},
    };
    for (const Case& c : cases) {
        TestProject other;
        other.writeFile("bin/bank1.bin", "old parameter image");
        if (c.parameters)
            other.writeFile("ParGen.xml", c.parameters);
        if (c.rules)
            other.writeRulesXml(c.rules);
        const UpdateDeviceResult result = Update_Device(compiler, other.folder());
        EXPECT_EQ(result.outcome, UpdateDeviceResult::Outcome::Failed) << c.named;
        EXPECT_TRUE(result.message.contains(c.named)) << result.message.toStdString();
        EXPECT_EQ(TempDir::read(other.bin("bank1.bin")), "old parameter image");
        EXPECT_FALSE(QFileInfo::exists(other.bin("bank2.bin")));
    }
}

TEST_F(UpdateDeviceSequence, FailedWriteIsReportedNotPassedOver) {
    QDir(project.file("bin")).removeRecursively();
    const UpdateDeviceResult result = Update_Device(compiler, project.folder());
    EXPECT_EQ(result.outcome, UpdateDeviceResult::Outcome::Failed);
    EXPECT_TRUE(result.message.contains("bin")) << result.message.toStdString();
}
