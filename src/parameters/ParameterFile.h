#pragma once

#include <QHash>
#include <QString>
#include <array>
#include <optional>

namespace vaduvizu {

// The elements of the parameter file, in writing order.
enum class ParameterElement {
    LoRa_RF_Band,
    LoRa_Network_Type,
    LoRa_Adaptive_DataRate,
    LoRa_DataRate,
    LoRa_Transmission_Type,
    LoRa_Payload_Size,
    LoRa_Activation_Method,
    LoRa_Device_Address,
    LoRa_JoinEUI,
    LoRa_Network_Session_Key,
    LoRa_Application_Session_Key,
    LoRa_Application_Key,
    LoRa_FPort,
    Modbus_TCP_Slave_IP1,
    Modbus_TCP_Slave_IP2,
    Modbus_TCP_Slave_IP3,
    Modbus_TCP_Slave_IP4,
    Modbus_TCP_Slave_SM1,
    Modbus_TCP_Slave_SM2,
    Modbus_TCP_Slave_SM3,
    Modbus_TCP_Slave_SM4,
    Modbus_TCP_Slave_GAT1,
    Modbus_TCP_Slave_GAT2,
    Modbus_TCP_Slave_GAT3,
    Modbus_TCP_Slave_GAT4,
    Modbus_TCP_Slave_EN_GAT,
    Modbus_TCP_Slave_Port,
    Modbus_TCP_Slave_Read_Input_Register,
};

inline constexpr int ParameterElementCount = 28;

// Root element name, and the comment that follows the root at document level.
inline constexpr const char* ParameterRootName = "Par_Gen";
inline constexpr const char* ParameterFileComment = "SW_VERSION = 1.002";

// The element name of e, as written in the file.
const char* parameterElementName(ParameterElement e);

// All 28 texts to write, indexed by ParameterElement.
using ParameterTexts = std::array<QString, ParameterElementCount>;

inline QString& parameterText(ParameterTexts& texts, ParameterElement e) {
    return texts[static_cast<std::size_t>(e)];
}
inline const QString& parameterText(const ParameterTexts& texts, ParameterElement e) {
    return texts[static_cast<std::size_t>(e)];
}

// Replaces the whole file: root Par_Gen with the 28 elements in table order, then the
// version comment; no XML declaration. Throws FileError when the file cannot be written.
void writeParameterFile(const QString& path, const ParameterTexts& texts);

// What a reader finds in the parameter file. Each reader applies its own defaults to the
// values that are missing.
class ParameterValues {
public:
    // False when there was no parameter file at all.
    bool fileFound() const { return m_fileFound; }

    // Text of the first child of the root with that name; nullopt when missing (also when
    // the document's first node is not an element).
    std::optional<QString> text(const QString& elementName) const;
    std::optional<QString> text(ParameterElement e) const;

    // The text, or fallback when the element is missing.
    QString textOr(ParameterElement e, const QString& fallback) const;

private:
    friend ParameterValues readParameterFile(const QString& path);
    bool m_fileFound = false;
    QHash<QString, QString> m_texts;
};

// Reads the parameter file at path. A missing file gives no values (fileFound() false).
// Throws FileError naming the file when it cannot be read or is not well-formed XML.
ParameterValues readParameterFile(const QString& path);

} // namespace vaduvizu
