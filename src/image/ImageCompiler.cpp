#include "image/ImageCompiler.h"

#include "app/FileError.h"
#include "app/SafeSave.h"
#include "app/XmlFile.h"
#include "image/ImageBuildError.h"
#include "image/ImageConversions.h"
#include "projects/ProjectStore.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <cstring>
#include <optional>
#include <stdexcept>

namespace vaduvizu::image {

namespace {

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Reads the texts of one parameter file; every value has its own default.
class ParameterTexts {
public:
    ParameterTexts(const pugi::xml_node& root, const QString& path) : m_root(root), m_path(path) {}

    XmlValue text(const char* name) const { return childText(m_root, name); }

    std::int32_t integer(const char* name, std::int32_t fallback) const {
        const XmlValue value = text(name);
        if (!value.found)
            return fallback;
        return decimalInteger(value.text).value_or(fallback);
    }

    std::uint8_t byte(const char* name, std::int32_t fallback) const {
        return static_cast<std::uint8_t>(integer(name, fallback));
    }

    // A key longer than its field is refused: the device must never get a cut key.
    void hex(const char* name, std::span<std::uint8_t> field) const {
        const QString digits = text(name).text;
        const int width = static_cast<int>(2 * field.size());
        if (digits.size() > width)
            throw ImageBuildError(
                QStringLiteral("\"%1\": the element %2 holds %3 characters, more than the %4 "
                               "hexadecimal digits of its field. No image was built.")
                    .arg(nativePath(m_path), QLatin1String(name))
                    .arg(digits.size())
                    .arg(width));
        Hex_To_Bytes(Pad_Zero(digits, width), field);
    }

private:
    pugi::xml_node m_root;
    QString m_path;
};

// The attributes of one rule, found in one pass over them (the first of each name counts);
// nullptr stands for a missing attribute.
struct RuleAttributes {
    const char* enable = nullptr;
    const char* startByte = nullptr;
    const char* numByte = nullptr;
    const char* onChange = nullptr;
    const char* onCmd = nullptr;
    const char* onTimer = nullptr;
    const char* time = nullptr;
    const char* fport = nullptr;

    explicit RuleAttributes(const pugi::xml_node& rule) {
        for (pugi::xml_attribute a = rule.first_attribute(); a; a = a.next_attribute())
            if (const char** slot = slotFor(a.name()); slot && !*slot)
                *slot = a.value();
    }

private:
    // Where the value of the attribute called name goes, or nullptr for other attributes.
    const char** slotFor(const char* name) {
        const auto is = [name](const char* known) { return std::strcmp(name, known) == 0; };
        switch (name[0]) {
        case 'E':
            return is("Enable") ? &enable : nullptr;
        case 'S':
            return is("StartByte") ? &startByte : nullptr;
        case 'N':
            return is("NumByte") ? &numByte : nullptr;
        case 'O':
            return is("OnChange")  ? &onChange
                   : is("OnCMD")   ? &onCmd
                   : is("OnTimer") ? &onTimer
                                   : nullptr;
        case 'T':
            return is("Time") ? &time : nullptr;
        case 'F':
            return is("FPort") ? &fport : nullptr;
        default:
            return nullptr;
        }
    }
};

std::int32_t integerOr(const char* text, std::int32_t fallback) {
    return text ? decimalInteger(std::string_view(text)).value_or(fallback) : fallback;
}

bool isY(std::string_view text) {
    return text == "Y" || text == "y";
}

// The rule is in force when Enable, trimmed and upper-cased, is "Y", or when it is missing.
bool ruleTaken(const RuleAttributes& rule) {
    return !rule.enable || isY(trimmedText(std::string_view(rule.enable)));
}

// A trigger is set when its text, upper-cased but not trimmed, is "Y".
std::uint8_t triggerBit(const char* text, std::uint8_t bit) {
    return text && isY(text) ? bit : 0;
}

enum class Direction { Uplink, Downlink };

// Fills table from the rules of list in file order; returns the number of entries in use.
std::uint16_t readRuleList(const pugi::xml_node& list, Direction direction, bool variablePort,
                           std::span<RuleEntry, RuleTableEntries> table, const QString& path) {
    std::size_t count = 0;
    for (pugi::xml_node node = list.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element)
            continue;
        const RuleAttributes rule(node);
        if (!ruleTaken(rule))
            continue;
        if (count == table.size())
            throw ImageBuildError(
                QStringLiteral("\"%1\": the list %2 holds more than %3 enabled rules, the most "
                               "the rules image can carry. No image was built.")
                    .arg(nativePath(path), QLatin1String(list.name()))
                    .arg(table.size()));
        RuleEntry& entry = table[count++];
        entry.startByte = static_cast<std::uint16_t>(integerOr(rule.startByte, 0));
        entry.numBytes = static_cast<std::uint16_t>(integerOr(rule.numByte, 0));
        if (direction == Direction::Uplink) {
            entry.triggers = triggerBit(rule.onChange, TriggerOnChange) |
                             triggerBit(rule.onCmd, TriggerOnCommand) |
                             triggerBit(rule.onTimer, TriggerOnTimer);
            entry.time = static_cast<std::uint32_t>(integerOr(rule.time, 30));
        }
        entry.framePort = variablePort
                              ? static_cast<std::uint8_t>(integerOr(rule.fport, DefaultFramePort))
                              : DefaultFramePort;
    }
    return static_cast<std::uint16_t>(count);
}

} // namespace

ImageCompiler::ImageCompiler()
    : m_parameterBuffer(OutputBufferSize), m_rulesBuffer(OutputBufferSize) {}

void ImageCompiler::Build_Images(const QString& projectFolder) {
    m_parameterLength = 0;
    m_rulesLength = 0;
    m_projectFolder = projectFolder;

    m_parameters.Set_Default_Parameters();
    m_rules.Set_Default_LoRaWAN();
    Read_Parameter_File();
    putLe32(m_parameters.bytes, RulesAddressOffset, RulesImageBase);
    Read_Rules_File(RulesImageBase);

    const std::size_t parameterLength = m_parameters.Save_Parameter_Bank(m_parameterBuffer, 0);
    const std::size_t rulesLength = m_rules.Save_LoRaWAN_Bank(m_rulesBuffer, 0);
    m_parameterLength = parameterLength;
    m_rulesLength = rulesLength;
}

void ImageCompiler::Read_Parameter_File() {
    const QString path = projectFilesIn(m_projectFolder).parameterFile;
    pugi::xml_document doc;
    if (!loadXmlFile(doc, path))
        return; // no parameter file: the defaults stand
    const ParameterTexts file(doc.first_child(), path);
    LoRaWANSettings& lora = m_rules.header;

    lora.bandCode = Get_Band_Code(file.text("LoRa_RF_Band").text);
    lora.networkType = Get_Network_Type(file.text("LoRa_Network_Type").text);
    lora.adaptiveDataRate = file.byte("LoRa_Adaptive_DataRate", 0);
    lora.dataRate = dataRateNumber(file.text("LoRa_DataRate").text);
    lora.confirmed = Get_Transmission_Type(file.text("LoRa_Transmission_Type").text);
    lora.payloadSize = file.byte("LoRa_Payload_Size", 1);
    file.hex("LoRa_JoinEUI", lora.joinEui);
    lora.transmitInterval = static_cast<std::uint32_t>(file.integer("LoRa_Transmit_Interval", 1));
    lora.activationMethod = Get_Activation_Method(file.text("LoRa_Activation_Method").text);
    if (lora.activationMethod == 0) {
        file.hex("LoRa_Device_Address", lora.deviceAddress);
        file.hex("LoRa_Network_Session_Key", lora.networkSessionKey);
        file.hex("LoRa_Application_Session_Key", lora.applicationSessionKey);
    } else {
        file.hex("LoRa_Application_Key", lora.applicationKey);
    }
    if (upperAscii(trimmedText(file.text("LoRa_FPort").text)) == u"VARIABLE")
        lora.variableFramePort = 1;

    std::span<std::uint8_t> record = m_parameters.bytes;
    putLe32(record, ParameterRecord::WordTableEntry6Offset, 19200);
    record[ParameterRecord::ByteTable1Entry6Offset] = 0;
    record[ParameterRecord::ByteTable2Entry6Offset] = 1;
    record[ParameterRecord::EightBytesEntry6Offset] = 8;

    struct Octets {
        const char* prefix;
        std::size_t offset;
        std::array<std::int32_t, 4> defaults;
    };
    static constexpr std::array<Octets, 3> Addresses{{
        {"Modbus_TCP_Slave_IP", ParameterRecord::IpAddressOffset, {192, 168, 0, 5}},
        {"Modbus_TCP_Slave_SM", ParameterRecord::SubnetMaskOffset, {255, 255, 255, 0}},
        {"Modbus_TCP_Slave_GAT", ParameterRecord::GatewayOffset, {192, 168, 0, 1}},
    }};
    for (const Octets& address : Addresses)
        for (std::size_t i = 0; i < 4; ++i) {
            const QByteArray name = address.prefix + QByteArray::number(qsizetype(i + 1));
            record[address.offset + i] = file.byte(name.constData(), address.defaults[i]);
        }
    // Only the exact text "1" enables the gateway.
    if (file.text("Modbus_TCP_Slave_EN_GAT").text != u"1")
        std::fill_n(record.begin() + ParameterRecord::GatewayOffset, 4, std::uint8_t{0xFF});

    const auto port = static_cast<std::uint16_t>(file.integer("Modbus_TCP_Slave_Port", 502));
    putLe16(record, ParameterRecord::PortOffset, port);
    putLe16(record, ParameterRecord::PortCopyOffset, port);
}

void ImageCompiler::Read_Rules_File(std::uint32_t base) {
    LoRaWANSettings& lora = m_rules.header;
    lora.uplinkTableAddress = base + UplinkTableOffset;
    lora.downlinkTableAddress = base + DownlinkTableOffset;
    lora.uplinkCount = 0;
    lora.downlinkCount = 0;

    const QString path = projectFilesIn(m_projectFolder).rulesFile;
    pugi::xml_document doc;
    if (!loadXmlFile(doc, path))
        return; // no rules file: both tables stay empty
    const pugi::xml_node root = doc.first_child();
    // Both lists must be there before any rule is taken: never a half-read rules file.
    const pugi::xml_node uplink = root.child("LoRaWAN_Uplink");
    const pugi::xml_node downlink = root.child("LoRaWAN_Downlink");
    for (const auto& [list, name] :
         {std::pair{uplink, "LoRaWAN_Uplink"}, std::pair{downlink, "LoRaWAN_Downlink"}})
        if (!list) {
            // The first node is the root; say so when something else comes before the root.
            const QString where = root.type() == pugi::node_element
                                      ? QStringLiteral("below its root element")
                                      : QStringLiteral("because its first node is not the root "
                                                       "element");
            throw ImageBuildError(
                QStringLiteral("\"%1\": the rules file has no list %2 %3. No image was built.")
                    .arg(nativePath(path), QLatin1String(name), where));
        }

    const bool variablePort = lora.variableFramePort == 1;
    lora.uplinkCount = readRuleList(uplink, Direction::Uplink, variablePort, m_rules.uplink, path);
    lora.downlinkCount =
        readRuleList(downlink, Direction::Downlink, variablePort, m_rules.downlink, path);
}

void ImageCompiler::Write_Images() const {
    if (m_parameterLength == 0 || m_rulesLength == 0)
        throw std::logic_error("Write_Images without a successful Build_Images");
    const ProjectFiles files = projectFilesIn(m_projectFolder);
    if (!QFileInfo(files.binFolder).isDir())
        throw FileError(QStringLiteral("Cannot write \"%1\": the folder \"%2\" does not exist.")
                            .arg(nativePath(files.parameterImage), nativePath(files.binFolder)));
    const auto bytes = [](const std::vector<std::uint8_t>& buffer, std::size_t length) {
        return QByteArray::fromRawData(reinterpret_cast<const char*>(buffer.data()),
                                       static_cast<qsizetype>(length));
    };
    saveFile(files.parameterImage, bytes(m_parameterBuffer, m_parameterLength));
    saveFile(files.rulesImage, bytes(m_rulesBuffer, m_rulesLength));
}

std::span<const std::uint8_t> ImageCompiler::parameterImage() const {
    return {m_parameterBuffer.data(), m_parameterLength};
}

std::span<const std::uint8_t> ImageCompiler::rulesImage() const {
    return {m_rulesBuffer.data(), m_rulesLength};
}

} // namespace vaduvizu::image
