#include "rules/RulesEditorModel.h"

#include "parameters/DecimalNumber.h"
#include "parameters/ParameterFile.h"
#include "rules/GridRowCommands.h"
#include "texts/TextTable.h"

#include <limits>
#include <vector>

namespace vaduvizu {

namespace {

constexpr int MaxStartByte = 1536;
constexpr int MinTime = 30;
constexpr int MaxTime = 86400;
constexpr int MinFPort = 1;
constexpr int MaxFPort = 223;

void resetTable(GridTable& table, int recordRows, int fportColumn, bool fportHidden) {
    table.setRowCount(recordRows + 1);
    table.setColumnHidden(fportColumn, fportHidden);
    table.setCheckBoxColumn(1, true); // Enable in both tables
    for (int row = 1; row < table.rowCount(); ++row) {
        table.setCell(row, 0, QString::number(row - 1));
        table.setCell(row, 1, QStringLiteral("Y"));
        for (int column = 2; column < table.columnCount(); ++column)
            table.setCell(row, column, QString());
    }
}

// A cell read for the checks: a text that is not a decimal integer counts as -1.
qint64 cellNumber(const GridTable& table, int row, int column) {
    return decimalOr(table.cell(row, column), -1);
}

bool inRange(qint64 value, qint64 low, qint64 high) {
    return value >= low && value <= high;
}

// One check of a row: the column, its inclusive bounds, and the text that names it.
struct RangeCheck {
    int column;
    qint64 low;
    qint64 high;
    int text;
    bool limitFollows; // the upper bound is appended to the message
};

std::optional<QString> checkTable(const GridTable& table, const std::vector<RangeCheck>& checks,
                                  int onTimerColumn, int timeColumn, const TextTable& texts) {
    const int rows = rulesToSave(table);
    for (int row = 1; row <= rows; ++row) {
        if (table.cell(row, 1).trimmed() != u"Y")
            continue;
        for (const RangeCheck& check : checks) {
            if (check.column == timeColumn && table.cell(row, onTimerColumn).trimmed() != u"Y")
                continue;
            if (table.isColumnHidden(check.column))
                continue;
            if (inRange(cellNumber(table, row, check.column), check.low, check.high))
                continue;
            QString message = texts[TextErrorRow] + QString::number(row) + texts[check.text];
            if (check.limitFollows)
                message += QString::number(check.high);
            return message;
        }
    }
    return std::nullopt;
}

} // namespace

RulesEditorParameters readRulesEditorParameters(const QString& parGenPath) {
    RulesEditorParameters parameters;
    const ParameterValues values = readParameterFile(parGenPath);
    if (const auto size = values.text(ParameterElement::LoRa_Payload_Size)) {
        // A size beyond int is no valid payload size either.
        const qint64 number = decimalOr(*size, 0);
        if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
            parameters.MaxPayloadSize = static_cast<int>(number);
    }
    if (const auto port = values.text(ParameterElement::LoRa_FPort))
        parameters.FPortFixed = port->trimmed().toUpper() != u"VARIABLE";
    return parameters;
}

void resetRulesTables(RulesEditorModel& model) {
    const int recordRows = model.FPortFixed ? RulesEditorModel::RecordRowsWithFixedPort
                                            : RulesEditorModel::RecordRowsWithVariablePort;
    resetTable(model.uplink, recordRows, UplinkColumn::FPort, model.FPortFixed);
    for (int column : {UplinkColumn::OnChange, UplinkColumn::OnCMD, UplinkColumn::OnTimer})
        model.uplink.setCheckBoxColumn(column, true);
    resetTable(model.downlink, recordRows, DownlinkColumn::FPort, model.FPortFixed);
}

RulesEditorModel openRulesEditor(const QString& parGenPath, const QString& rulesPath,
                                 const std::function<void(int)>& warn) {
    RulesEditorModel model;
    const RulesEditorParameters parameters = readRulesEditorParameters(parGenPath);
    model.MaxPayloadSize = parameters.MaxPayloadSize;
    model.FPortFixed = parameters.FPortFixed;
    resetRulesTables(model);
    if (model.MaxPayloadSize == 0 && warn)
        warn(TextPayloadSizeNotSet);
    model.rulesFile = readRulesFile(rulesPath, model.uplink, model.downlink);
    return model;
}

GridTable& rulesTable(RulesEditorModel& model, RulesPage page) {
    return page == RulesPage::Uplink ? model.uplink : model.downlink;
}

void copyRulesRow(RulesEditorModel& model, RulesPage page, int row) {
    Copy_Grid_Row(rulesTable(model, page), row);
    model.Do_Copy_Uplink = page == RulesPage::Uplink;
    model.Do_Copy_Downlink = page == RulesPage::Downlink;
}

bool pasteRulesRow(RulesEditorModel& model, RulesPage page, int row, const TextTable& texts,
                   MessageBoxes& boxes, QWidget* parent) {
    const bool copied = page == RulesPage::Uplink ? model.Do_Copy_Uplink : model.Do_Copy_Downlink;
    return Paste_Grid_Row(rulesTable(model, page), row, copied, texts, boxes, parent);
}

std::optional<QString> Controllo_dati(const RulesEditorModel& model, const TextTable& texts) {
    const qint64 numByteLimit = qint64{model.MaxPayloadSize} - 2;
    const std::vector<RangeCheck> uplinkChecks = {
        {UplinkColumn::StartByte, 0, MaxStartByte, TextUplinkStartByte, false},
        {UplinkColumn::NumByte, 0, numByteLimit, TextUplinkNumByte, true},
        {UplinkColumn::Time, MinTime, MaxTime, TextUplinkTime, false},
        {UplinkColumn::FPort, MinFPort, MaxFPort, TextUplinkFPort, false},
    };
    if (auto failure = checkTable(model.uplink, uplinkChecks, UplinkColumn::OnTimer,
                                  UplinkColumn::Time, texts))
        return failure;
    const std::vector<RangeCheck> downlinkChecks = {
        {DownlinkColumn::StartByte, 0, MaxStartByte, TextDownlinkStartByte, false},
        {DownlinkColumn::NumByte, 0, numByteLimit, TextDownlinkNumByte, true},
        {DownlinkColumn::FPort, MinFPort, MaxFPort, TextDownlinkFPort, false},
    };
    return checkTable(model.downlink, downlinkChecks, -1, -1, texts);
}

} // namespace vaduvizu
