#include "rules/GridRowCommands.h"

#include "app/MessageBoxes.h"
#include "texts/TextTable.h"

namespace vaduvizu {

QStringList Grid_Row_Buffer;

namespace {

bool isRecordRow(const GridTable& table, int row) {
    return row >= 1 && row < table.rowCount();
}

void copyFields(GridTable& table, int fromRow, int toRow) {
    for (int column = 1; column < table.columnCount(); ++column)
        table.setCell(toRow, column, table.cell(fromRow, column));
}

void emptyFields(GridTable& table, int row) {
    for (int column = 1; column < table.columnCount(); ++column)
        table.setCell(row, column, QString());
}

} // namespace

void Delete_Grid_Row(int row, GridTable& table) {
    if (!isRecordRow(table, row))
        return;
    const int last = table.rowCount() - 1;
    for (int i = row; i < last; ++i)
        copyFields(table, i + 1, i);
    emptyFields(table, last);
}

void Insert_Grid_Row(int row, GridTable& table, bool markEnabled) {
    if (!isRecordRow(table, row))
        return;
    for (int i = table.rowCount() - 2; i >= row; --i)
        copyFields(table, i, i + 1);
    emptyFields(table, row);
    if (markEnabled)
        table.setCell(row, 1, QStringLiteral("Y"));
}

void Copy_Grid_Row(const GridTable& table, int row) {
    Grid_Row_Buffer.clear();
    for (int column = 1; column < table.columnCount(); ++column)
        Grid_Row_Buffer.append(table.cell(row, column));
}

bool Paste_Grid_Row(GridTable& table, int row, bool copied, const TextTable& texts,
                    MessageBoxes& boxes, QWidget* parent) {
    if (!isRecordRow(table, row))
        return false;
    if (!copied) {
        boxes.error(parent, texts[TextPasteNoCopy]);
        return false;
    }
    if (Grid_Row_Buffer.size() != table.columnCount() - 1) {
        boxes.error(parent, texts[TextPasteWrongWidth]);
        return false;
    }
    if (isGridRowInUse(table, row) && !boxes.confirm(parent, texts[TextPasteOverwrite]))
        return false;
    for (int column = 1; column < table.columnCount(); ++column)
        table.setCell(row, column, Grid_Row_Buffer[column - 1]);
    return true;
}

bool isGridRowInUse(const GridTable& table, int row) {
    if (!isRecordRow(table, row))
        return false;
    for (int column = 1; column < table.columnCount(); ++column) {
        if (!table.isCheckBoxColumn(column) && !table.cell(row, column).trimmed().isEmpty())
            return true;
    }
    return false;
}

bool insertLosesLastRow(const GridTable& table) {
    return isGridRowInUse(table, table.rowCount() - 1);
}

std::optional<GridCell> nextGridField(const GridTable& table, GridCell focus) {
    if (!isRecordRow(table, focus.row) || focus.column < 1 || focus.column >= table.columnCount())
        return std::nullopt;
    for (int column = focus.column + 1; column < table.columnCount(); ++column) {
        if (!table.isColumnHidden(column))
            return GridCell{focus.row, column};
    }
    const int nextRow = focus.row + 1 < table.rowCount() ? focus.row + 1 : 1;
    return GridCell{nextRow, 1};
}

} // namespace vaduvizu
