#pragma once

#include "rules/GridTable.h"
#include "rules/RulesFile.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace vaduvizu {

class MessageBoxes;
class TextTable;

// Texts of the rules editor's opening and check.
inline constexpr int TextPayloadSizeNotSet = 1242; // "Warning!! Max Payload Size not Set Up..."
inline constexpr int TextErrorRow = 1243;          // "Error row "
inline constexpr int TextUplinkStartByte = 1244;
inline constexpr int TextUplinkNumByte = 1245; // the limit follows
inline constexpr int TextUplinkTime = 1246;
inline constexpr int TextDownlinkStartByte = 1247;
inline constexpr int TextDownlinkNumByte = 1248; // the limit follows
inline constexpr int TextUplinkFPort = 1254;
inline constexpr int TextDownlinkFPort = 1255;

// What the rules editor holds while it is open: its two tables (header row 0, record rows
// 1 .. R - 1, column 0 the row number) and the values read from the parameter file.
struct RulesEditorModel {
    static constexpr int RecordRowsWithFixedPort = 256;
    static constexpr int RecordRowsWithVariablePort = 223;

    GridTable uplink{RecordRowsWithFixedPort + 1, UplinkColumn::Count};
    GridTable downlink{RecordRowsWithFixedPort + 1, DownlinkColumn::Count};
    int MaxPayloadSize = 0; // payload size of the parameter file, 0 when not set
    bool FPortFixed = true; // false while the parameter file's frame port is "VARIABLE"
    bool Do_Copy_Uplink = false;
    bool Do_Copy_Downlink = false;
    RulesFileReading rulesFile; // what the opening found in the rules file
};

// The parameter file's values the rules editor uses, with its own defaults: payload size 0 when
// the file, the element or a decimal integer is missing; the frame port variable only when
// LoRa_FPort, trimmed and upper-cased, is "VARIABLE". Throws FileError when the file exists
// but is not well-formed.
struct RulesEditorParameters {
    int MaxPayloadSize = 0;
    bool FPortFixed = true;
};
RulesEditorParameters readRulesEditorParameters(const QString& parGenPath);

// Gives both tables the row count and FPort visibility of the frame-port mode and resets every
// record row: its number r - 1, "Y" in Enable and nothing else, hidden cells included.
void resetRulesTables(RulesEditorModel& model);

// Opens the rules editor on a project: reads the parameter file, resets the tables, reports
// text 1242 through warn when the payload size is 0 (the opening goes on), then fills the tables
// from the rules file. Throws FileError when either file cannot be read or parsed.
RulesEditorModel openRulesEditor(const QString& parGenPath, const QString& rulesPath,
                                 const std::function<void(int textIndex)>& warn = {});

// The editor's two pages, each with its table.
enum class RulesPage { Uplink, Downlink };
GridTable& rulesTable(RulesEditorModel& model, RulesPage page);

// Copy Row on a page: fills Grid_Row_Buffer from the row and lets only this page's table take
// the paste (the other page's copy flag is cleared).
void copyRulesRow(RulesEditorModel& model, RulesPage page, int row);

// Paste Row on a page, passing that page's copy flag to Paste_Grid_Row.
bool pasteRulesRow(RulesEditorModel& model, RulesPage page, int row, const TextTable& texts,
                   MessageBoxes& boxes, QWidget* parent = nullptr);

// Checks the enabled rows of both tables before the first empty start byte, uplink first.
// Returns the message of the first failing check ("Error row " + r + the check's text, the
// Num. Byte limit last), or nullopt when all pass.
std::optional<QString> Controllo_dati(const RulesEditorModel& model, const TextTable& texts);

} // namespace vaduvizu
