#pragma once

#include <QList>
#include <QString>
#include <vector>

namespace vaduvizu {

// A table editor's grid as the core sees it: row 0 is the header row, column 0 the row-number
// column, every other cell a text. Columns are addressed by their place among all columns;
// a hidden column keeps its cells. Check-box columns hold "Y" (ticked) or "N" (unticked),
// or nothing when never touched.
class GridTable {
public:
    GridTable() = default;
    GridTable(int rowCount, int columnCount);

    int rowCount() const { return m_rowCount; }
    int columnCount() const { return m_columnCount; }

    // Rows added at the end are empty; rows removed at the end lose their cells.
    void setRowCount(int rowCount);

    // Cells outside the table read as empty and ignore writes.
    const QString& cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);

    bool isCheckBoxColumn(int column) const;
    void setCheckBoxColumn(int column, bool checkBox);

    bool isColumnHidden(int column) const;
    void setColumnHidden(int column, bool hidden);

    bool contains(int row, int column) const {
        return row >= 0 && row < m_rowCount && column >= 0 && column < m_columnCount;
    }

private:
    int m_rowCount = 0;
    int m_columnCount = 0;
    std::vector<QString> m_cells; // row by row
    std::vector<bool> m_checkBox;
    std::vector<bool> m_hidden;
};

} // namespace vaduvizu
