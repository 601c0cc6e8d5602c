#pragma once

#include "rules/GridTable.h"

#include <QList>
#include <QString>

namespace vaduvizu {

// Columns of the rules editor's tables. The field columns hold the rule's attributes in file
// order: attribute k of a rule lives in column k + 1.
namespace UplinkColumn {
enum : int {
    Number,
    Enable,
    StartByte,
    NumByte,
    OnChange,
    OnCMD,
    OnTimer,
    Time,
    FPort,
    Mnemonic,
    Count
};
}
namespace DownlinkColumn {
enum : int { Number, Enable, StartByte, NumByte, FPort, Mnemonic, Count };
}

// Rows the writer takes from a table: rows 1 .. n, where row n + 1 is the first row whose
// start byte is empty after trimming blanks (or n is the last row).
int rulesToSave(const GridTable& table);

// Rows the writer leaves out although they hold typed text (a cell that is not a check box and
// holds more than blanks): the first row with an empty start byte and every row below it.
// The editor asks text 1257 before saving when there are any.
QList<int> rowsNotSaved(const GridTable& table);
inline constexpr int TextRowsNotSaved = 1257;

// Replaces the rules file at path with the rules of the two editor tables, every attribute
// written with its cell's text as it stands. Throws FileError when the file cannot be written.
void writeRulesFile(const QString& path, const GridTable& uplink, const GridTable& downlink);

// What reading a rules file into the editor's tables found.
struct RulesFileReading {
    bool found = false;          // the file exists
    int uplinkRulesNotShown = 0; // rules beyond the table's last row
    int downlinkRulesNotShown = 0;
};

// Fills the editor's tables from the rules file at path: rule k of a list into row k + 1,
// a missing attribute as "Y" for Enable, "N" for the uplink triggers and empty otherwise.
// No file leaves the tables as they are. Throws FileError naming the file when it is not
// well-formed XML or its root lacks one of the two lists; the tables are then unchanged.
RulesFileReading readRulesFile(const QString& path, GridTable& uplink, GridTable& downlink);

} // namespace vaduvizu
