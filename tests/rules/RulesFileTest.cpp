#include "rules/RulesFile.h"
#include "app/FileError.h"
#include "rules/RulesEditorModel.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vaduvizu;
using vaduvizu::test::TempDir;

namespace {

const QString RulesFileName = QStringLiteral("LoRaWAN_SetAccess.xml");

void setRow(GridTable& table, int row, const QStringList& fields) {
    for (int k = 0; k < fields.size(); ++k)
        table.setCell(row, k + 1, fields[k]);
}

QStringList rowFields(const GridTable& table, int row) {
    QStringList fields;
    for (int column = 1; column < table.columnCount(); ++column)
        fields << table.cell(row, column);
    return fields;
}

// Empty editor tables as the opening leaves them (port fixed: FPort hidden, 256 rows).
class RulesFileTest : public ::testing::Test {
protected:
    TempDir dir;
    RulesEditorModel model;
    QString path = dir.file(RulesFileName);

    void SetUp() override { resetRulesTables(model); }

    std::string written() {
        writeRulesFile(path, model.uplink, model.downlink);
        return TempDir::read(path).toStdString();
    }
};

TEST_F(RulesFileTest, EmptyTablesGiveRootWithTwoEmptyListsThenTheComment) {
    model.uplink.setCell(2, UplinkColumn::StartByte, "5"); // below the empty first row
    EXPECT_EQ(written(), "<LoRaWAN_Set_Access><LoRaWAN_Uplink/><LoRaWAN_Downlink/>"
                         "</LoRaWAN_Set_Access><!--SW_VERSION = 1.002-->");
}

TEST_F(RulesFileTest, EveryAttributeInOrderWithTextsAsTyped) {
    // Disabled with nonsense, check boxes never touched, hidden FPort from an earlier file.
    setRow(model.uplink, 1, {"N", "abc", " 4", "", "", "", "", "9", "a \"b\" & <c>"});
    setRow(model.downlink, 1, {"Y", "0", "2", "", ""});
    EXPECT_EQ(written(),
              "<LoRaWAN_Set_Access><LoRaWAN_Uplink>"
              "<row Enable=\"N\" StartByte=\"abc\" NumByte=\" 4\" OnChange=\"\" OnCMD=\"\" "
              "OnTimer=\"\" Time=\"\" FPort=\"9\" Mnemonic=\"a &quot;b&quot; &amp; &lt;c>\"/>"
              "</LoRaWAN_Uplink><LoRaWAN_Downlink>"
              "<row Enable=\"Y\" StartByte=\"0\" NumByte=\"2\" FPort=\"\" Mnemonic=\"\"/>"
              "</LoRaWAN_Downlink></LoRaWAN_Set_Access><!--SW_VERSION = 1.002-->");
}

TEST_F(RulesFileTest, RoundTripKeepsEveryCellTextExactly) {
    const QStringList uplinkRows[] = {
        {"Y", "0", "49", "Y", "N", "Y", "30", "1", "  blanks both sides  "},
        {"N", " 12 ", "x", "N", "Y", "N", "", "", "tab\there\nnew line"},
        {"Y", "1536", "0", "", "", "", "86400", "223", "Grüße € 温度 'q' \"d\" <&>"},
    };
    const QStringList downlinkRows[] = {
        {"Y", "7", "1", "5", ""},
        {"N", "\t8", "", "", " "},
    };
    for (int k = 0; k < 3; ++k)
        setRow(model.uplink, k + 1, uplinkRows[k]);
    for (int k = 0; k < 2; ++k)
        setRow(model.downlink, k + 1, downlinkRows[k]);
    writeRulesFile(path, model.uplink, model.downlink);

    RulesEditorModel back;
    resetRulesTables(back);
    const RulesFileReading reading = readRulesFile(path, back.uplink, back.downlink);
    EXPECT_TRUE(reading.found);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(rowFields(back.uplink, k + 1), uplinkRows[k]) << "uplink row " << k + 1;
    for (int k = 0; k < 2; ++k)
        EXPECT_EQ(rowFields(back.downlink, k + 1), downlinkRows[k]) << "downlink row " << k + 1;
    EXPECT_EQ(rowFields(back.uplink, 4), rowFields(model.uplink, 4));
    // Saving what was read gives the same file.
    const QByteArray first = TempDir::read(path);
    writeRulesFile(path, back.uplink, back.downlink);
    EXPECT_EQ(TempDir::read(path), first);
}

struct NotSavedCase {
    const char* name;
    std::vector<std::pair<int, QStringList>> rows; // uplink rows to fill
    int saved;
    QList<int> notSaved;
};

class RowsNotSaved : public ::testing::TestWithParam<NotSavedCase> {};

// The writer stops at the first empty start byte; the editor asks before typed rows are lost.
TEST_P(RowsNotSaved, AreThoseWithTextFromTheFirstEmptyStartByteOn) {
    RulesEditorModel model;
    resetRulesTables(model);
    for (const auto& [row, fields] : GetParam().rows)
        setRow(model.uplink, row, fields);
    EXPECT_EQ(rulesToSave(model.uplink), GetParam().saved);
    EXPECT_EQ(rowsNotSaved(model.uplink), GetParam().notSaved);

    TempDir dir;
    writeRulesFile(dir.file(RulesFileName), model.uplink, model.downlink);
    RulesEditorModel back;
    resetRulesTables(back);
    readRulesFile(dir.file(RulesFileName), back.uplink, back.downlink);
    for (int row = 1; row <= GetParam().saved; ++row)
        EXPECT_EQ(rowFields(back.uplink, row), rowFields(model.uplink, row));
    EXPECT_EQ(back.uplink.cell(GetParam().saved + 1, UplinkColumn::StartByte), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowsNotSaved,
    ::testing::Values(
        NotSavedCase{"NothingTyped", {}, 0, {}},
        NotSavedCase{"RowsInARow", {{1, {"Y", "0"}}, {2, {"N", "1"}}}, 2, {}},
        NotSavedCase{"RowBelowAGapIsLost", {{1, {"Y", "0"}}, {3, {"Y", "8", "2"}}}, 1, {3}},
        NotSavedCase{"BlankStartByteEndsTheList",
                     {{1, {"Y", "0"}}, {2, {"Y", "  "}}, {3, {"Y", "4"}}},
                     1,
                     {3}},
        NotSavedCase{"RowWithEmptyStartByteButOtherTextIsLostToo",
                     {{1, {"Y", "0"}}, {2, {"Y", "", "4"}}},
                     1,
                     {2}},
        NotSavedCase{"CheckBoxesAloneAreNoRecord",
                     {{1, {"Y", "0"}}, {2, {"N", "", "", "Y", "Y", "Y"}}},
                     1,
                     {}},
        NotSavedCase{"LastRowTyped", {{256, {"Y", "", "", "", "", "", "", "", "m"}}}, 0, {256}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(RulesFileTest, ReadingFillsRowsByPositionWithTheEditorsDefaults) {
    // Root and rule names are not checked, the lists are found by name in any order,
    // comments between rules are no rules.
    dir.write(RulesFileName,
              "<Other>\n"
              "  <LoRaWAN_Downlink><r StartByte=\"3\"/><!-- c --><r/></LoRaWAN_Downlink>\n"
              "  <LoRaWAN_Uplink><x NumByte=\"2\" Time=\"60\"/></LoRaWAN_Uplink>\n"
              "</Other>");
    model.uplink.setCell(1, UplinkColumn::Mnemonic, "typed before");
    const RulesFileReading reading = readRulesFile(path, model.uplink, model.downlink);
    EXPECT_TRUE(reading.found);
    EXPECT_EQ(rowFields(model.uplink, 1), QStringList({"Y", "", "2", "N", "N", "N", "60", "", ""}));
    EXPECT_EQ(rowFields(model.uplink, 2), QStringList({"Y", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(rowFields(model.downlink, 1), QStringList({"Y", "3", "", "", ""}));
    EXPECT_EQ(rowFields(model.downlink, 2), QStringList({"Y", "", "", "", ""}));
    EXPECT_EQ(model.uplink.cell(1, 0), "0");
}

TEST_F(RulesFileTest, MissingFileLeavesTablesAsTheyAre) {
    model.uplink.setCell(1, UplinkColumn::StartByte, "5");
    EXPECT_FALSE(readRulesFile(path, model.uplink, model.downlink).found);
    EXPECT_EQ(model.uplink.cell(1, UplinkColumn::StartByte), "5");
}

TEST_F(RulesFileTest, RulesBeyondTheTableAreCounted) {
    QByteArray xml = "<LoRaWAN_Set_Access><LoRaWAN_Uplink>";
    for (int k = 0; k < 230; ++k)
        xml += "<row StartByte=\"" + QByteArray::number(k) + "\"/>";
    xml += "</LoRaWAN_Uplink><LoRaWAN_Downlink/></LoRaWAN_Set_Access>";
    dir.write(RulesFileName, xml);
    model.FPortFixed = false;
    resetRulesTables(model);
    const RulesFileReading reading = readRulesFile(path, model.uplink, model.downlink);
    EXPECT_EQ(reading.uplinkRulesNotShown, 7);
    EXPECT_EQ(reading.downlinkRulesNotShown, 0);
    EXPECT_EQ(model.uplink.cell(223, UplinkColumn::StartByte), "222");
}

struct BadFileCase {
    const char* name;
    const char* content;
    const char* says;
};

class BadRulesFile : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(BadRulesFile, IsReportedWithItsNameAndLeavesTablesAlone) {
    TempDir dir;
    const QString path = dir.write(RulesFileName, GetParam().content);
    RulesEditorModel model;
    resetRulesTables(model);
    model.uplink.setCell(1, UplinkColumn::StartByte, "kept");
    try {
        readRulesFile(path, model.uplink, model.downlink);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains(RulesFileName)) << error.what();
        EXPECT_TRUE(error.message().contains(GetParam().says)) << error.what();
    }
    EXPECT_EQ(model.uplink.cell(1, UplinkColumn::StartByte), "kept");
    EXPECT_EQ(model.uplink.cell(1, UplinkColumn::Enable), "Y");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadRulesFile,
    ::testing::Values(
        BadFileCase{"NotWellFormed", "<LoRaWAN_Set_Access><LoRaWAN_Uplink>", "not a valid XML"},
        BadFileCase{"Empty", "", "not a valid XML"},
        BadFileCase{"NoUplinkList", "<LoRaWAN_Set_Access><LoRaWAN_Downlink/></LoRaWAN_Set_Access>",
                    "LoRaWAN_Uplink"},
        BadFileCase{"NoDownlinkList",
                    "<LoRaWAN_Set_Access><LoRaWAN_Uplink><row/></LoRaWAN_Uplink>"
                    "</LoRaWAN_Set_Access>",
                    "LoRaWAN_Downlink"},
        BadFileCase{"CommentBeforeRoot",
                    "<!-- x --><LoRaWAN_Set_Access><LoRaWAN_Uplink/><LoRaWAN_Downlink/>"
                    "</LoRaWAN_Set_Access>",
                    "root element"},
        BadFileCase{"DeclarationBeforeRoot",
                    "<?xml version=\"1.0\"?><LoRaWAN_Set_Access><LoRaWAN_Uplink/>"
                    "<LoRaWAN_Downlink/></LoRaWAN_Set_Access>",
                    "root element"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(RulesFileTest, WriteFailureIsReportedAndNothingIsWritten) {
    const QString missingFolder = dir.file("no such project/" + QString(RulesFileName));
    EXPECT_THROW(writeRulesFile(missingFolder, model.uplink, model.downlink), FileError);
    EXPECT_FALSE(QFileInfo::exists(missingFolder));
}

} // namespace
