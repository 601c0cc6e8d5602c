#include "rules/RulesFile.h"

#include "app/FileError.h"
#include "app/SafeSave.h"
#include "app/XmlFile.h"
#include "rules/GridRowCommands.h"

#include <QDir>
#include <pugixml.hpp>
#include <sstream>

namespace vaduvizu {

namespace {

constexpr char RootName[] = "LoRaWAN_Set_Access";
constexpr char UplinkListName[] = "LoRaWAN_Uplink";
constexpr char DownlinkListName[] = "LoRaWAN_Downlink";
constexpr char RuleName[] = "row";
constexpr char VersionComment[] = "SW_VERSION = 1.002";

// Attribute k of a rule lives in column k + 1; the default is what the editor shows when the
// attribute is missing.
struct Attribute {
    const char* name;
    const char* missingText;
};
constexpr Attribute UplinkAttributes[] = {
    {"Enable", "Y"},  {"StartByte", ""}, {"NumByte", ""}, {"OnChange", "N"}, {"OnCMD", "N"},
    {"OnTimer", "N"}, {"Time", ""},      {"FPort", ""},   {"Mnemonic", ""},
};
constexpr Attribute DownlinkAttributes[] = {
    {"Enable", "Y"}, {"StartByte", ""}, {"NumByte", ""}, {"FPort", ""}, {"Mnemonic", ""},
};
static_assert(std::size(UplinkAttributes) == UplinkColumn::Count - 1);
static_assert(std::size(DownlinkAttributes) == DownlinkColumn::Count - 1);

// Start byte column of both tables.
constexpr int StartByteColumn = 2;
static_assert(UplinkColumn::StartByte == StartByteColumn &&
              DownlinkColumn::StartByte == StartByteColumn);

template <size_t N>
void appendRules(pugi::xml_node list, const GridTable& table, const Attribute (&attributes)[N]) {
    const int rules = rulesToSave(table);
    for (int row = 1; row <= rules; ++row) {
        pugi::xml_node rule = list.append_child(RuleName);
        for (size_t k = 0; k < N; ++k)
            rule.append_attribute(attributes[k].name)
                .set_value(table.cell(row, static_cast<int>(k) + 1).toUtf8().constData());
    }
}

// Fills rows 1 .. of table from the rules of list; returns how many rules found no row.
template <size_t N>
int fillRules(GridTable& table, pugi::xml_node list, const Attribute (&attributes)[N]) {
    int row = 1;
    int notShown = 0;
    for (pugi::xml_node rule : list.children()) {
        if (rule.type() != pugi::node_element)
            continue;
        if (row >= table.rowCount()) {
            ++notShown;
            continue;
        }
        for (size_t k = 0; k < N; ++k) {
            const pugi::xml_attribute value = rule.attribute(attributes[k].name);
            table.setCell(row, static_cast<int>(k) + 1,
                          value ? QString::fromUtf8(value.value())
                                : QString::fromLatin1(attributes[k].missingText));
        }
        ++row;
    }
    return notShown;
}

QByteArray rawXmlBytes(const pugi::xml_document& doc) {
    // The rules file carries no indentation or line breaks of its own.
    std::ostringstream stream;
    doc.save(stream, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return QByteArray::fromStdString(stream.str());
}

} // namespace

int rulesToSave(const GridTable& table) {
    int row = 1;
    while (row < table.rowCount() && !table.cell(row, StartByteColumn).trimmed().isEmpty())
        ++row;
    return row - 1;
}

QList<int> rowsNotSaved(const GridTable& table) {
    QList<int> rows;
    for (int row = rulesToSave(table) + 1; row < table.rowCount(); ++row) {
        if (isGridRowInUse(table, row))
            rows.append(row);
    }
    return rows;
}

void writeRulesFile(const QString& path, const GridTable& uplink, const GridTable& downlink) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child(RootName);
    doc.append_child(pugi::node_comment).set_value(VersionComment);
    appendRules(root.append_child(UplinkListName), uplink, UplinkAttributes);
    appendRules(root.append_child(DownlinkListName), downlink, DownlinkAttributes);
    saveFile(path, rawXmlBytes(doc));
}

RulesFileReading readRulesFile(const QString& path, GridTable& uplink, GridTable& downlink) {
    pugi::xml_document doc;
    if (!loadXmlFile(doc, path))
        return {};
    // The first node is the root whatever its name; it must hold both lists.
    const pugi::xml_node root = doc.first_child();
    const QString file = QDir::toNativeSeparators(path);
    if (root.type() != pugi::node_element)
        throw FileError(QStringLiteral("\"%1\" is not a rules file: it must begin with its "
                                       "root element, not with a declaration or comment")
                            .arg(file));
    for (const char* listName : {UplinkListName, DownlinkListName}) {
        if (!root.child(listName))
            throw FileError(QStringLiteral("\"%1\" is not a rules file: its root element "
                                           "holds no %2 list")
                                .arg(file, QLatin1String(listName)));
    }
    RulesFileReading reading;
    reading.found = true;
    reading.uplinkRulesNotShown = fillRules(uplink, root.child(UplinkListName), UplinkAttributes);
    reading.downlinkRulesNotShown =
        fillRules(downlink, root.child(DownlinkListName), DownlinkAttributes);
    return reading;
}

} // namespace vaduvizu
