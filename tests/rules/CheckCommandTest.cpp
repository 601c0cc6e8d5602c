#include "parameters/ParGenForm.h"
#include "parameters/ParameterFile.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "texts/TextTable.h"

#include <gtest/gtest.h>

using namespace vaduvizu;
using vaduvizu::test::CliResult;
using vaduvizu::test::runCli;
using vaduvizu::test::TempDir;

namespace {

enum class Parameters { None, Valid, BadPort, StoredPayloadZero, Malformed };

void writeParameters(const TempDir& project, Parameters parameters) {
    const QString path = project.file("ParGen.xml");
    ParGenForm form = defaultParGenForm();
    switch (parameters) {
    case Parameters::None:
        return;
    case Parameters::Valid:
        saveParGenForm(form, path);
        return;
    case Parameters::BadPort:
        form.E_ModbusTCPSlave_Port = "10000";
        saveParGenForm(form, path);
        return;
    case Parameters::StoredPayloadZero: {
        // The parameters dialog recomputes the payload; the rules editor takes the stored one.
        ParameterTexts texts = parameterTexts(form);
        parameterText(texts, ParameterElement::LoRa_Payload_Size) = "0";
        writeParameterFile(path, texts);
        return;
    }
    case Parameters::Malformed:
        project.write("ParGen.xml", "<Par_Gen><LoRa_FPort>");
        return;
    }
}

QByteArray rulesFile(const QByteArray& uplinkRule) {
    return "<LoRaWAN_Set_Access><LoRaWAN_Uplink>" + uplinkRule +
           "</LoRaWAN_Uplink><LoRaWAN_Downlink/></LoRaWAN_Set_Access>";
}

const std::string PayloadWarning =
    "Warning!! Max Payload Size not Set Up. Set it in \"Set Communication\" section\n";

struct CheckCase {
    const char* name;
    Parameters parameters;
    QByteArray rules; // empty: no rules file
    int exitCode;
    std::string out;    // exactly
    std::string errHas; // a part of stderr; empty: stderr is empty
    std::string errHasToo = {};
};

class CheckCommand : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckCommand, JudgesTheProjectAsBothDialogsDo) {
    const CheckCase& c = GetParam();
    TempDir project;
    writeParameters(project, c.parameters);
    if (!c.rules.isEmpty())
        project.write("LoRaWAN_SetAccess.xml", c.rules);
    const QByteArray before = TempDir::read(project.file("LoRaWAN_SetAccess.xml"));

    const CliResult result = runCli({"check", project.path()});
    const std::string out = result.out.toStdString();
    const std::string err = result.err.toStdString();
    EXPECT_EQ(result.exitCode, c.exitCode) << err;
    EXPECT_EQ(out, c.out);
    if (c.errHas.empty()) {
        EXPECT_EQ(err, "");
    }
    EXPECT_NE(err.find(c.errHas), std::string::npos) << err;
    EXPECT_NE(err.find(c.errHasToo), std::string::npos) << err;
    EXPECT_EQ(TempDir::read(project.file("LoRaWAN_SetAccess.xml")), before); // nothing written
}

const QByteArray GoodRule = "<row Enable=\"Y\" StartByte=\"0\" NumByte=\"10\"/>";
const QByteArray BadStartByte = "<row Enable=\"Y\" StartByte=\"2000\" NumByte=\"10\"/>";

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckCommand,
    ::testing::Values(
        CheckCase{"BothPass", Parameters::Valid, rulesFile(GoodRule), 0, "", ""},
        CheckCase{"ParametersAreCheckedFirst", Parameters::BadPort, rulesFile(BadStartByte), 1,
                  "Error Modbus TCP Slave!! Port must be between 0 and 65535, and different "
                  "from 10000\n",
                  ""},
        CheckCase{"RulesFail", Parameters::Valid, rulesFile(BadStartByte), 1,
                  "Error row 1!! [LoraWAN Uplink] Start Byte must be between 0 and 1536\n", ""},
        CheckCase{"NoFilesWarnOnStderr", Parameters::None, {}, 0, "", PayloadWarning},
        CheckCase{"StoredPayloadZeroFailsEnabledRules", Parameters::StoredPayloadZero,
                  rulesFile(GoodRule), 1,
                  "Error row 1!! [LoraWAN Uplink] Number Byte must be between 0 and -2\n",
                  PayloadWarning},
        CheckCase{"MalformedRulesFile", Parameters::Valid, "<LoRaWAN_Set_Access>", 2, "",
                  "LoRaWAN_SetAccess.xml", "not a valid XML"},
        CheckCase{"RulesFileWithoutLists", Parameters::Valid, "<LoRaWAN_Set_Access/>", 2, "",
                  "LoRaWAN_SetAccess.xml", "LoRaWAN_Uplink"},
        CheckCase{"MalformedParameterFile", Parameters::Malformed, rulesFile(GoodRule), 2, "",
                  "ParGen.xml", "not a valid XML"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(CheckCommandUsage, NeedsOneExistingProjectFolder) {
    TempDir dir;
    for (const QStringList& args :
         {QStringList{"check"}, QStringList{"check", dir.path(), dir.path()},
          QStringList{"check", dir.file("no such project")}}) {
        const CliResult result = runCli(args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
}

} // namespace
