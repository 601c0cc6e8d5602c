#pragma once

#include "support/TempDir.h"

#include <QDir>
#include <QString>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace vaduvizu::test {

// A project folder with its "bin" subfolder and helpers to write its two files.
class TestProject {
public:
    TestProject() { QDir(m_dir.path()).mkpath(QStringLiteral("bin")); }

    QString folder() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.file(name); }
    QString bin(const QString& name) const { return m_dir.file(QStringLiteral("bin/") + name); }

    // ParGen.xml with the given elements below a root called rootName, then the version comment.
    void writeParameters(const std::vector<std::pair<QString, QString>>& elements,
                         const QString& rootName = QStringLiteral("Par_Gen"),
                         const QString& before = {}) const {
        QString xml = before + "<" + rootName + ">";
        for (const auto& [name, text] : elements)
            xml += "<" + name + ">" + text.toHtmlEscaped() + "</" + name + ">";
        xml += "</" + rootName + "><!--SW_VERSION = 1.002-->";
        m_dir.write(QStringLiteral("ParGen.xml"), xml.toUtf8());
    }

    // LoRaWAN_SetAccess.xml with the given row elements in each list.
    void writeRules(const QString& uplinkRows, const QString& downlinkRows = {}) const {
        writeRulesXml("<LoRaWAN_Set_Access><LoRaWAN_Uplink>" + uplinkRows +
                      "</LoRaWAN_Uplink><LoRaWAN_Downlink>" + downlinkRows +
                      "</LoRaWAN_Downlink></LoRaWAN_Set_Access><!--SW_VERSION = 1.002-->");
    }

    void writeRulesXml(const QString& xml) const {
        writeFile(QStringLiteral("LoRaWAN_SetAccess.xml"), xml.toUtf8());
    }

    void writeFile(const QString& name, const QByteArray& bytes) const { m_dir.write(name, bytes); }

    // An uplink row as the rules editor writes it.
    static QString uplinkRow(const QString& enable, int start, int count, const QString& onChange,
                             const QString& onCmd, const QString& onTimer, const QString& time,
                             const QString& fport = QStringLiteral("2")) {
        return QStringLiteral(
                   "<row Enable=\"%1\" StartByte=\"%2\" NumByte=\"%3\" OnChange=\"%4\" "
                   "OnCMD=\"%5\" OnTimer=\"%6\" Time=\"%7\" FPort=\"%8\" Mnemonic=\"\"/>")
            .arg(enable)
            .arg(start)
            .arg(count)
            .arg(onChange, onCmd, onTimer, time, fport);
    }

    static QString downlinkRow(const QString& enable, int start, int count,
                               const QString& fport = QStringLiteral("2")) {
        return QStringLiteral("<row Enable=\"%1\" StartByte=\"%2\" NumByte=\"%3\" FPort=\"%4\" "
                              "Mnemonic=\"\"/>")
            .arg(enable)
            .arg(start)
            .arg(count)
            .arg(fport);
    }

private:
    TempDir m_dir;
};

// Bytes as "0A 00 04" for readable comparisons.
inline QString hexBytes(std::span<const std::uint8_t> bytes, std::size_t offset,
                        std::size_t count) {
    QStringList parts;
    for (std::size_t i = offset; i < offset + count && i < bytes.size(); ++i)
        parts << QStringLiteral("%1").arg(bytes[i], 2, 16, QChar(u'0')).toUpper();
    return parts.join(u' ');
}

} // namespace vaduvizu::test
