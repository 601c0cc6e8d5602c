#include "parameters/ParameterFile.h"

#include "app/XmlFile.h"

#include <pugixml.hpp>

namespace vaduvizu {

namespace {

constexpr std::array<const char*, ParameterElementCount> ElementNames = {
    "LoRa_RF_Band",
    "LoRa_Network_Type",
    "LoRa_Adaptive_DataRate",
    "LoRa_DataRate",
    "LoRa_Transmission_Type",
    "LoRa_Payload_Size",
    "LoRa_Activation_Method",
    "LoRa_Device_Address",
    "LoRa_JoinEUI",
    "LoRa_Network_Session_Key",
    "LoRa_Application_Session_Key",
    "LoRa_Application_Key",
    "LoRa_FPort",
    "Modbus_TCP_Slave_IP1",
    "Modbus_TCP_Slave_IP2",
    "Modbus_TCP_Slave_IP3",
    "Modbus_TCP_Slave_IP4",
    "Modbus_TCP_Slave_SM1",
    "Modbus_TCP_Slave_SM2",
    "Modbus_TCP_Slave_SM3",
    "Modbus_TCP_Slave_SM4",
    "Modbus_TCP_Slave_GAT1",
    "Modbus_TCP_Slave_GAT2",
    "Modbus_TCP_Slave_GAT3",
    "Modbus_TCP_Slave_GAT4",
    "Modbus_TCP_Slave_EN_GAT",
    "Modbus_TCP_Slave_Port",
    "Modbus_TCP_Slave_Read_Input_Register",
};

} // namespace

const char* parameterElementName(ParameterElement e) {
    return ElementNames[static_cast<std::size_t>(e)];
}

void writeParameterFile(const QString& path, const ParameterTexts& texts) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child(ParameterRootName);
    doc.append_child(pugi::node_comment).set_value(ParameterFileComment);
    for (int i = 0; i < ParameterElementCount; ++i) {
        pugi::xml_node element = root.append_child(ElementNames[static_cast<std::size_t>(i)]);
        const QByteArray text = texts[static_cast<std::size_t>(i)].toUtf8();
        if (!text.isEmpty())
            element.text().set(text.constData());
    }
    saveXmlFile(doc, path);
}

std::optional<QString> ParameterValues::text(const QString& elementName) const {
    const auto found = m_texts.constFind(elementName);
    if (found == m_texts.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<QString> ParameterValues::text(ParameterElement e) const {
    return text(QString::fromLatin1(parameterElementName(e)));
}

QString ParameterValues::textOr(ParameterElement e, const QString& fallback) const {
    return text(e).value_or(fallback);
}

ParameterValues readParameterFile(const QString& path) {
    ParameterValues values;
    pugi::xml_document doc;
    if (!loadXmlFile(doc, path))
        return values;
    values.m_fileFound = true;
    // The first node is the root whatever its name; a comment or processing instruction
    // in its place has no children, so every value is missing.
    const pugi::xml_node root = doc.first_child();
    if (root.type() != pugi::node_element)
        return values;
    for (const pugi::xml_node child : root.children()) {
        if (child.type() != pugi::node_element)
            continue;
        const QString name = QString::fromUtf8(child.name());
        if (!values.m_texts.contains(name)) // the first element of a name counts
            values.m_texts.insert(name, QString::fromUtf8(child.child_value()));
    }
    return values;
}

} // namespace vaduvizu
