#include "rules/GridRowCommands.h"
#include "rules/RulesEditorModel.h"
#include "support/RecordingMessageBoxes.h"
#include "texts/TextTable.h"

#include <gtest/gtest.h>

using namespace vaduvizu;
using vaduvizu::test::RecordingMessageBoxes;

namespace {

// A small editor table: 4 record rows; column 1 a check box, columns 2 and 3 text, column 3
// hidden (it must behave like any other field column).
GridTable smallTable() {
    GridTable table(5, 4);
    table.setCheckBoxColumn(1, true);
    table.setColumnHidden(3, true);
    for (int row = 1; row < 5; ++row) {
        table.setCell(row, 0, QString::number(row - 1));
        table.setCell(row, 1, "Y");
        table.setCell(row, 2, QStringLiteral("s%1").arg(row));
        table.setCell(row, 3, QStringLiteral("h%1").arg(row));
    }
    return table;
}

// Field texts of every record row, "|"-joined, rows separated by "/"; the number column too.
QString rowsOf(const GridTable& table) {
    QStringList rows;
    for (int row = 1; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells << table.cell(row, column);
        rows << cells.join('|');
    }
    return rows.join('/');
}

struct MoveCase {
    const char* name;
    bool insert;
    int row;
    bool markEnabled;
    const char* expected;
};

class GridRowMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(GridRowMove, ShiftsFieldColumnsAndKeepsNumbers) {
    const MoveCase& c = GetParam();
    GridTable table = smallTable();
    if (c.insert)
        Insert_Grid_Row(c.row, table, c.markEnabled);
    else
        Delete_Grid_Row(c.row, table);
    EXPECT_EQ(rowsOf(table), c.expected);
    EXPECT_EQ(table.rowCount(), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridRowMove,
    ::testing::Values(MoveCase{"DeleteMovesRowsUpAndEmptiesLastIncludingCheckBox", false, 2, false,
                               "0|Y|s1|h1/1|Y|s3|h3/2|Y|s4|h4/3|||"},
                      MoveCase{"DeleteFirstRow", false, 1, false,
                               "0|Y|s2|h2/1|Y|s3|h3/2|Y|s4|h4/3|||"},
                      MoveCase{"DeleteLastRowOnlyEmptiesIt", false, 4, false,
                               "0|Y|s1|h1/1|Y|s2|h2/2|Y|s3|h3/3|||"},
                      MoveCase{"InsertAtFirstRowDropsLastRecord", true, 1, true,
                               "0|Y||/1|Y|s1|h1/2|Y|s2|h2/3|Y|s3|h3"},
                      MoveCase{"InsertWithoutFlagLeavesRowEmpty", true, 2, false,
                               "0|Y|s1|h1/1|||/2|Y|s2|h2/3|Y|s3|h3"},
                      MoveCase{"InsertAtLastRowOnlyEmptiesIt", true, 4, true,
                               "0|Y|s1|h1/1|Y|s2|h2/2|Y|s3|h3/3|Y||"},
                      MoveCase{"DeleteOfHeaderRowChangesNothing", false, 0, false,
                               "0|Y|s1|h1/1|Y|s2|h2/2|Y|s3|h3/3|Y|s4|h4"},
                      MoveCase{"InsertBeyondLastRowChangesNothing", true, 5, true,
                               "0|Y|s1|h1/1|Y|s2|h2/2|Y|s3|h3/3|Y|s4|h4"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(GridRowCommands, DeleteInAFullRulesTableMovesEveryRowBelowUp) {
    RulesEditorModel model;
    resetRulesTables(model);
    GridTable& table = model.uplink;
    for (int row = 1; row < table.rowCount(); ++row)
        table.setCell(row, UplinkColumn::StartByte, QString::number(row));
    Delete_Grid_Row(3, table);
    EXPECT_EQ(table.cell(3, UplinkColumn::StartByte), "4");
    EXPECT_EQ(table.cell(255, UplinkColumn::StartByte), "256");
    EXPECT_EQ(table.cell(256, UplinkColumn::StartByte), "");
    EXPECT_EQ(table.cell(256, UplinkColumn::Enable), "");
    for (int row = 1; row < table.rowCount(); ++row)
        ASSERT_EQ(table.cell(row, 0), QString::number(row - 1));
}

struct InUseCase {
    const char* name;
    int column;
    const char* text;
    bool inUse;
};

class LastRowInUse : public ::testing::TestWithParam<InUseCase> {};

// The editor asks before inserting when the last row's record would be dropped.
TEST_P(LastRowInUse, DependsOnTextCellsOnly) {
    const InUseCase& c = GetParam();
    GridTable table(4, 4);
    table.setCheckBoxColumn(1, true);
    table.setColumnHidden(3, true);
    table.setCell(3, 0, "2"); // the row number never counts
    table.setCell(3, c.column, c.text);
    EXPECT_EQ(insertLosesLastRow(table), c.inUse);
    EXPECT_EQ(isGridRowInUse(table, 3), c.inUse);
}

INSTANTIATE_TEST_SUITE_P(Cases, LastRowInUse,
                         ::testing::Values(InUseCase{"Empty", 2, "", false},
                                           InUseCase{"OnlyCheckBox", 1, "Y", false},
                                           InUseCase{"OnlyBlanks", 2, " \t ", false},
                                           InUseCase{"TextTyped", 2, "0", true},
                                           InUseCase{"HiddenColumnTyped", 3, "7", true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(GridRowCommands, InsertIntoFullRulesTableIsFlaggedBeforeTheLastRecordIsLost) {
    RulesEditorModel model;
    resetRulesTables(model);
    EXPECT_FALSE(insertLosesLastRow(model.downlink)); // numbers and "Y" only
    model.downlink.setCell(256, DownlinkColumn::Mnemonic, "last");
    EXPECT_TRUE(insertLosesLastRow(model.downlink));
}

class GridPaste : public ::testing::Test {
protected:
    TextTable texts;
    RecordingMessageBoxes boxes;
    GridTable table = smallTable();

    void SetUp() override {
        table.setCell(4, 1, "N");
        table.setCell(4, 2, "");
        table.setCell(4, 3, ""); // row 4: only a check box value, so free
    }
};

TEST_F(GridPaste, CopyThenPasteIntoFreeRowCarriesHiddenColumnWithoutAsking) {
    Copy_Grid_Row(table, 2);
    EXPECT_EQ(Grid_Row_Buffer, QStringList({"Y", "s2", "h2"}));
    EXPECT_TRUE(Paste_Grid_Row(table, 4, true, texts, boxes));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(rowsOf(table), "0|Y|s1|h1/1|Y|s2|h2/2|Y|s3|h3/3|Y|s2|h2");
    // The buffer stays for a further paste.
    EXPECT_EQ(Grid_Row_Buffer, QStringList({"Y", "s2", "h2"}));
}

TEST_F(GridPaste, RowInUseIsOverwrittenOnlyAfterYes) {
    Copy_Grid_Row(table, 1);
    boxes.nextAnswers = {false, true};
    EXPECT_FALSE(Paste_Grid_Row(table, 3, true, texts, boxes));
    EXPECT_EQ(table.cell(3, 2), "s3");
    EXPECT_TRUE(Paste_Grid_Row(table, 3, true, texts, boxes));
    EXPECT_EQ(table.cell(3, 2), "s1");
    ASSERT_EQ(boxes.shown.size(), 2u);
    for (const auto& box : boxes.shown) {
        EXPECT_EQ(box.kind, "confirm");
        EXPECT_EQ(box.text, "Row Already used. Do you want to overwrite the values?");
    }
}

TEST_F(GridPaste, RefusedPastesShowTheirErrorAndChangeNothing) {
    const QString before = rowsOf(table);

    // A row copied elsewhere (another editor or an earlier opening) does not count.
    Copy_Grid_Row(table, 1);
    EXPECT_FALSE(Paste_Grid_Row(table, 4, false, texts, boxes));

    // A row of a table of another width.
    Copy_Grid_Row(GridTable(3, 6), 1);
    EXPECT_FALSE(Paste_Grid_Row(table, 4, true, texts, boxes));

    EXPECT_EQ(rowsOf(table), before);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].kind, "error");
    EXPECT_EQ(boxes.shown[0].text, "Error!!! Copy a valid row before Paste it");
    EXPECT_EQ(boxes.shown[1].kind, "error");
    EXPECT_EQ(boxes.shown[1].text, "Error in the Copy values!!! Copy a valid row before Paste it");
}

} // namespace

namespace {

// A copied row can be pasted only into the table it came from, and only within one opening.
TEST(RulesRowCopy, PastesOnlyIntoTheTableCopiedFrom) {
    const TextTable texts;
    RecordingMessageBoxes boxes;
    RulesEditorModel model;
    resetRulesTables(model);
    model.uplink.setCell(1, UplinkColumn::StartByte, "8");
    model.uplink.setCell(1, UplinkColumn::FPort, "5"); // hidden while the port is fixed

    copyRulesRow(model, RulesPage::Uplink, 1);
    EXPECT_FALSE(pasteRulesRow(model, RulesPage::Downlink, 2, texts, boxes));
    EXPECT_TRUE(pasteRulesRow(model, RulesPage::Uplink, 2, texts, boxes));
    EXPECT_EQ(model.uplink.cell(2, UplinkColumn::StartByte), "8");
    EXPECT_EQ(model.uplink.cell(2, UplinkColumn::FPort), "5");

    copyRulesRow(model, RulesPage::Downlink, 1);
    EXPECT_FALSE(pasteRulesRow(model, RulesPage::Uplink, 3, texts, boxes));

    // The buffer outlives the editor; the next opening needs a new copy.
    RulesEditorModel reopened = openRulesEditor("", "");
    EXPECT_FALSE(pasteRulesRow(reopened, RulesPage::Downlink, 1, texts, boxes));

    ASSERT_EQ(boxes.texts(), QStringList(3, "Error!!! Copy a valid row before Paste it"));
}

} // namespace

namespace {

struct JumpCase {
    const char* name;
    GridCell focus;
    std::optional<GridCell> next;
};

class NextGridField : public ::testing::TestWithParam<JumpCase> {};

// Uplink table with the port fixed: 256 record rows, column 8 hidden.
TEST_P(NextGridField, MovesRightThenToTheNextRow) {
    RulesEditorModel model;
    resetRulesTables(model);
    EXPECT_EQ(nextGridField(model.uplink, GetParam().focus), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Cases, NextGridField,
                         ::testing::Values(JumpCase{"Right", {3, 2}, GridCell{3, 3}},
                                           JumpCase{"OverTheHiddenColumn", {3, 7}, GridCell{3, 9}},
                                           JumpCase{"LastColumnToNextRow", {3, 9}, GridCell{4, 1}},
                                           JumpCase{"LastRowToFirstRow", {256, 9}, GridCell{1, 1}},
                                           JumpCase{"HeaderRowStays", {0, 2}, std::nullopt},
                                           JumpCase{"NumberColumnStays", {5, 0}, std::nullopt}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
