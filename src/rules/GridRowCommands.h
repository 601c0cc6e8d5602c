#pragma once

#include "rules/GridTable.h"

#include <QStringList>
#include <optional>

class QWidget;

namespace vaduvizu {

class MessageBoxes;
class TextTable;

// Texts of the row commands.
inline constexpr int TextPasteOverwrite = 1100;  // "Row Already used. Do you want to overwrite..."
inline constexpr int TextPasteWrongWidth = 1101; // "Error in the Copy values!!! ..."
inline constexpr int TextPasteNoCopy = 1102;     // "Error!!! Copy a valid row before Paste it"
inline constexpr int TextInsertLosesLastRow = 1256;

// The one copied row shared by every table editor for the whole run: the texts of the field
// columns 1 .. C - 1 of the row copied last, in column order.
extern QStringList Grid_Row_Buffer;

// The row commands act on the field columns 1 .. C - 1 of record rows 1 .. R - 1, hidden
// columns included; the row-number column and the row count never change. A row outside the
// record rows changes nothing.

// Moves the rows below row up by one and empties the last row (check boxes too).
void Delete_Grid_Row(int row, GridTable& table);

// Moves row and the rows below it down by one, dropping the last row's record, and empties
// row; with markEnabled its column 1 becomes "Y". Ask insertLosesLastRow() first.
void Insert_Grid_Row(int row, GridTable& table, bool markEnabled);

// Replaces Grid_Row_Buffer with the field texts of row.
void Copy_Grid_Row(const GridTable& table, int row);

// Writes Grid_Row_Buffer into row. copied tells whether a row of this table was copied since
// its editor opened; without one, or with a buffer of another width, shows the error and stops.
// A row in use is overwritten only after a Yes to text 1100. Returns true when pasted.
bool Paste_Grid_Row(GridTable& table, int row, bool copied, const TextTable& texts,
                    MessageBoxes& boxes, QWidget* parent = nullptr);

// A record row is in use when a field cell that is not a check box holds more than blanks;
// a row holding only check-box values counts as free.
bool isGridRowInUse(const GridTable& table, int row);

// Insert_Grid_Row would drop the record in the table's last row; the editor asks text 1256
// first instead of losing it without a word.
bool insertLosesLastRow(const GridTable& table);

// Where Enter moves the focus when the option to jump into the next field is on: the next
// visible field column of the row, after the last visible one column 1 of the next row, after
// the last row column 1 of row 1. nullopt (the focus stays) on the header row or the row-number
// column. The caller consumes the key in every case.
struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};
std::optional<GridCell> nextGridField(const GridTable& table, GridCell focus);

} // namespace vaduvizu
