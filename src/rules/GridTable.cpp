#include "rules/GridTable.h"

#include <algorithm>

namespace vaduvizu {

namespace {
const QString NoText;
}

GridTable::GridTable(int rowCount, int columnCount)
    : m_columnCount(std::max(columnCount, 0)),
      m_checkBox(static_cast<size_t>(m_columnCount), false),
      m_hidden(static_cast<size_t>(m_columnCount), false) {
    setRowCount(rowCount);
}

void GridTable::setRowCount(int rowCount) {
    m_rowCount = std::max(rowCount, 0);
    m_cells.resize(static_cast<size_t>(m_rowCount) * static_cast<size_t>(m_columnCount));
}

const QString& GridTable::cell(int row, int column) const {
    if (!contains(row, column))
        return NoText;
    return m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_columnCount) +
                   static_cast<size_t>(column)];
}

void GridTable::setCell(int row, int column, const QString& text) {
    if (!contains(row, column))
        return;
    m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_columnCount) +
            static_cast<size_t>(column)] = text;
}

bool GridTable::isCheckBoxColumn(int column) const {
    return column >= 0 && column < m_columnCount && m_checkBox[static_cast<size_t>(column)];
}

void GridTable::setCheckBoxColumn(int column, bool checkBox) {
    if (column >= 0 && column < m_columnCount)
        m_checkBox[static_cast<size_t>(column)] = checkBox;
}

bool GridTable::isColumnHidden(int column) const {
    return column >= 0 && column < m_columnCount && m_hidden[static_cast<size_t>(column)];
}

void GridTable::setColumnHidden(int column, bool hidden) {
    if (column >= 0 && column < m_columnCount)
        m_hidden[static_cast<size_t>(column)] = hidden;
}

} // namespace vaduvizu
