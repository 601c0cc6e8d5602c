#include "rules/RulesEditorModel.h"
#include "app/FileError.h"
#include "support/TempDir.h"
#include "texts/TextTable.h"

#include <gtest/gtest.h>

using namespace vaduvizu;
using vaduvizu::test::TempDir;

namespace {

const QString RulesFileName = QStringLiteral("LoRaWAN_SetAccess.xml");

QByteArray parGen(const QByteArray& payload, const QByteArray& port) {
    return "<Par_Gen><LoRa_RF_Band>EU868</LoRa_RF_Band><LoRa_Payload_Size>" + payload +
           "</LoRa_Payload_Size><LoRa_FPort>" + port +
           "</LoRa_FPort></Par_Gen>"
           "<!--SW_VERSION = 1.002-->";
}

struct OpeningCase {
    const char* name;
    QByteArray parGen; // empty: no parameter file
    int payload;
    bool fixed;
};

class RulesEditorOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(RulesEditorOpening, ReadsPayloadAndPortAndResetsEveryRow) {
    const OpeningCase& c = GetParam();
    TempDir dir;
    if (!c.parGen.isEmpty())
        dir.write("ParGen.xml", c.parGen);
    // A rules file from a former opening must not leave anything in rows it does not fill.
    dir.write(RulesFileName, "<LoRaWAN_Set_Access><LoRaWAN_Uplink><row StartByte=\"1\" "
                             "FPort=\"77\"/></LoRaWAN_Uplink><LoRaWAN_Downlink/>"
                             "</LoRaWAN_Set_Access>");
    QList<int> warnings;
    const RulesEditorModel model = openRulesEditor(dir.file("ParGen.xml"), dir.file(RulesFileName),
                                                   [&](int text) { warnings << text; });

    EXPECT_EQ(model.MaxPayloadSize, c.payload);
    EXPECT_EQ(model.FPortFixed, c.fixed);
    EXPECT_EQ(warnings, c.payload == 0 ? QList<int>{TextPayloadSizeNotSet} : QList<int>{});
    EXPECT_FALSE(model.Do_Copy_Uplink || model.Do_Copy_Downlink);

    const int rows = c.fixed ? 256 : 223;
    for (const GridTable* table : {&model.uplink, &model.downlink}) {
        ASSERT_EQ(table->rowCount(), rows + 1);
        EXPECT_EQ(table->cell(1, 0), "0");
        EXPECT_EQ(table->cell(rows, 0), QString::number(rows - 1));
        EXPECT_EQ(table->cell(rows, 1), "Y");
        EXPECT_TRUE(table->isCheckBoxColumn(1));
    }
    EXPECT_EQ(model.uplink.isColumnHidden(UplinkColumn::FPort), c.fixed);
    EXPECT_EQ(model.downlink.isColumnHidden(DownlinkColumn::FPort), c.fixed);
    // The hidden column still shows what the file holds.
    EXPECT_EQ(model.uplink.cell(1, UplinkColumn::FPort), "77");
    EXPECT_EQ(model.uplink.cell(2, UplinkColumn::StartByte), "");
    EXPECT_EQ(model.uplink.cell(2, UplinkColumn::OnTimer), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RulesEditorOpening,
    ::testing::Values(
        OpeningCase{"NoParameterFile", {}, 0, true},
        OpeningCase{"FixedPort", parGen("51", "Fixed"), 51, true},
        OpeningCase{"VariableAnyCaseWithBlanks", parGen("242", "  vaRIable \t"), 242, false},
        OpeningCase{"PayloadNotANumber", parGen("5l", "Variable"), 0, false},
        OpeningCase{"PayloadWithBlank", parGen(" 51", "Fixed"), 0, true},
        OpeningCase{"PayloadBeyondInt", parGen("4294967347", "Fixed"), 0, true},
        OpeningCase{"LowestIntPayload", parGen("-2147483648", "Fixed"), -2147483647 - 1, true},
        OpeningCase{"OtherPortTextIsFixed", parGen("11", "VARIABLES"), 11, true},
        OpeningCase{"ElementsMissing", "<Par_Gen><LoRa_RF_Band>EU868</LoRa_RF_Band></Par_Gen>", 0,
                    true},
        OpeningCase{"RootOfAnotherName",
                    "<Whatever><LoRa_Payload_Size>53</LoRa_Payload_Size>"
                    "<LoRa_FPort>VARIABLE</LoRa_FPort></Whatever>",
                    53, false},
        OpeningCase{"CommentBeforeRootYieldsDefaults",
                    "<!--x--><Par_Gen><LoRa_Payload_Size>53</LoRa_Payload_Size>"
                    "<LoRa_FPort>VARIABLE</LoRa_FPort></Par_Gen>",
                    0, true}),
    [](const auto& test) { return std::string(test.param.name); });

// The warning comes before the rules file is read, as the editor shows it before filling.
TEST(RulesEditorOpeningErrors, UnreadableFilesAreReportedWithTheirNames) {
    TempDir dir;
    QList<int> warnings;
    const auto warn = [&](int text) { warnings << text; };
    dir.write(RulesFileName, "<LoRaWAN_Set_Access>");
    try {
        openRulesEditor(dir.file("ParGen.xml"), dir.file(RulesFileName), warn);
        FAIL();
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains(RulesFileName)) << error.what();
    }
    EXPECT_EQ(warnings, QList<int>{TextPayloadSizeNotSet});

    dir.write("ParGen.xml", "<Par_Gen><LoRa_Payload_Size>51</Par_Gen>");
    try {
        openRulesEditor(dir.file("ParGen.xml"), dir.file(RulesFileName), warn);
        FAIL();
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains("ParGen.xml")) << error.what();
    }
}

struct Row {
    int row;
    QStringList fields;
};

struct CheckCase {
    const char* name;
    int payload;
    bool variablePort;
    std::vector<Row> uplink;
    std::vector<Row> downlink;
    const char* message; // empty: every check passes
};

class RulesCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(RulesCheck, GivesTheFirstFailingMessageExactly) {
    const CheckCase& c = GetParam();
    RulesEditorModel model;
    model.MaxPayloadSize = c.payload;
    model.FPortFixed = !c.variablePort;
    resetRulesTables(model);
    for (const Row& row : c.uplink)
        for (int k = 0; k < row.fields.size(); ++k)
            model.uplink.setCell(row.row, k + 1, row.fields[k]);
    for (const Row& row : c.downlink)
        for (int k = 0; k < row.fields.size(); ++k)
            model.downlink.setCell(row.row, k + 1, row.fields[k]);

    const TextTable texts;
    const std::optional<QString> message = Controllo_dati(model, texts);
    if (c.message[0] == '\0')
        EXPECT_EQ(message, std::nullopt);
    else
        EXPECT_EQ(message.value_or("(passed)").toStdString(), c.message);
}

// Uplink fields: Enable, StartByte, NumByte, OnChange, OnCMD, OnTimer, Time, FPort, Mnemonic.
// Downlink fields: Enable, StartByte, NumByte, FPort, Mnemonic.
INSTANTIATE_TEST_SUITE_P(
    Cases, RulesCheck,
    ::testing::Values(
        CheckCase{"EmptyTables", 0, false, {}, {}, ""},
        CheckCase{"Bounds",
                  51,
                  false,
                  {{1, {"Y", "1536", "49", "N", "N", "Y", "30"}},
                   {2, {"Y", "0", "0", "N", "N", "Y", "86400"}}},
                  {{1, {"Y", "1536", "49"}}},
                  ""},
        CheckCase{"StartByteAboveRange",
                  51,
                  false,
                  {{1, {"Y", "1537", "1"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Start Byte must be between 0 and 1536"},
        CheckCase{"NumByteWithTheLimitLast",
                  51,
                  false,
                  {{1, {"Y", "0", "1"}}, {2, {"Y", "0", "1"}}, {3, {"Y", "0", "60"}}},
                  {},
                  "Error row 3!! [LoraWAN Uplink] Number Byte must be between 0 and 49"},
        CheckCase{"NumByteOneAboveLimit",
                  51,
                  false,
                  {{1, {"Y", "0", "50"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Number Byte must be between 0 and 49"},
        CheckCase{"PayloadNotSetFailsEveryEnabledRule",
                  0,
                  false,
                  {{1, {"Y", "0", "0"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Number Byte must be between 0 and -2"},
        CheckCase{"NotANumberFails",
                  51,
                  false,
                  {{1, {"Y", "abc", "1"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Start Byte must be between 0 and 1536"},
        CheckCase{"LowestPayloadLimitDoesNotWrap",
                  -2147483647 - 1,
                  false,
                  {{1, {"Y", "0", "0"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Number Byte must be between 0 and -2147483650"},
        CheckCase{"HugeNumberFails",
                  51,
                  false,
                  {{1, {"Y", "4294967296", "1"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Start Byte must be between 0 and 1536"},
        CheckCase{"BlankAroundNumberFails",
                  51,
                  false,
                  {{1, {"Y", "5 ", "1"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Start Byte must be between 0 and 1536"},
        CheckCase{"TimeUncheckedWithoutTimer",
                  51,
                  false,
                  {{1, {"Y", "0", "1", "N", "N", "N", ""}}, {2, {"Y", "0", "1", "", "", "", "x"}}},
                  {},
                  ""},
        CheckCase{"TimeCheckedWithTimer",
                  51,
                  false,
                  {{1, {"Y", "0", "1", "N", "N", " Y ", ""}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Time (s) must be between 30 and 86400"},
        CheckCase{"TimeBelowRange",
                  51,
                  false,
                  {{1, {"Y", "0", "1", "N", "N", "Y", "29"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Time (s) must be between 30 and 86400"},
        CheckCase{"TimeAboveRange",
                  51,
                  false,
                  {{1, {"Y", "0", "1", "N", "N", "Y", "86401"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Time (s) must be between 30 and 86400"},
        CheckCase{"DisabledRowsAreNotChecked",
                  51,
                  true,
                  {{1, {"N", "abc", "x", "", "", "Y", "y", "z", "m"}}},
                  {{1, {"", "-5", "x", "0"}}, {2, {" n", "9999"}}},
                  ""},
        CheckCase{"EnableIsTrimmed",
                  51,
                  false,
                  {{1, {" Y\t", "2000"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Start Byte must be between 0 and 1536"},
        CheckCase{"RowsBelowAnEmptyStartByteAreNotChecked",
                  51,
                  false,
                  {{1, {"Y", "1", "1"}}, {2, {"Y", "  ", "999"}}, {3, {"Y", "9999", "999"}}},
                  {{2, {"Y", "9999"}}},
                  ""},
        CheckCase{"FPortUncheckedWhileFixed",
                  51,
                  false,
                  {{1, {"Y", "0", "1", "", "", "", "", ""}}},
                  {{1, {"Y", "0", "1", "0"}}},
                  ""},
        CheckCase{"EmptyUplinkFPortFailsWhileVariable",
                  51,
                  true,
                  {{1, {"Y", "0", "1"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] FPort must be between 1 and 223"},
        CheckCase{"DownlinkFPortBounds",
                  51,
                  true,
                  {{1, {"Y", "0", "1", "", "", "", "", "223"}}},
                  {{1, {"Y", "0", "1", "1"}}, {2, {"Y", "0", "1", "224"}}},
                  "Error row 2!! [LoraWAN Downlink] FPort must be between 1 and 223"},
        CheckCase{"DownlinkStartByte",
                  51,
                  false,
                  {},
                  {{1, {"Y", "-1", "1"}}},
                  "Error row 1!! [LoraWAN Downlink] Start Byte must be between 0 and 1536"},
        CheckCase{"DownlinkNumByte",
                  11,
                  false,
                  {},
                  {{1, {"Y", "3", "10"}}},
                  "Error row 1!! [LoraWAN Downlink] Number Byte must be between 0 and 9"},
        CheckCase{"UplinkBeforeDownlink",
                  51,
                  false,
                  {{4, {}}, {1, {"Y", "0", "1"}}, {2, {"Y", "0", "99"}}},
                  {{1, {"Y", "9999", "1"}}},
                  "Error row 2!! [LoraWAN Uplink] Number Byte must be between 0 and 49"},
        CheckCase{"StartByteBeforeNumByteInARow",
                  51,
                  false,
                  {{1, {"Y", "x", "x"}}},
                  {},
                  "Error row 1!! [LoraWAN Uplink] Start Byte must be between 0 and 1536"}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
