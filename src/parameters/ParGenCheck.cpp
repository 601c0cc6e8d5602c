#include "parameters/ParGenCheck.h"

#include "parameters/DecimalNumber.h"
#include "parameters/RegionalPlan.h"

namespace vaduvizu {

namespace {

// Text of the message naming a range whose upper limit is the largest payload.
constexpr int PayloadRangeText = 497;

// A box that does not hold a decimal integer counts as -1, which every range refuses.
qint64 numberOf(const QString& box) {
    return decimalOr(box, -1);
}

bool outside(const QString& box, qint64 low, qint64 high) {
    const qint64 value = numberOf(box);
    return value < low || value > high;
}

// The first of four octet boxes outside 0..255, as 0..3; -1 when all are valid.
int firstBadOctet(const std::array<QString, 4>& boxes) {
    for (int i = 0; i < 4; ++i) {
        if (outside(boxes[static_cast<std::size_t>(i)], 0, 255))
            return i;
    }
    return -1;
}

// Replaces the first "%d" of the message by value, as the message's format expects.
QString withNumber(QString message, int value) {
    const qsizetype at = message.indexOf(QStringLiteral("%d"));
    if (at >= 0)
        message.replace(at, 2, QString::number(value));
    return message;
}

} // namespace

std::optional<QString> Controllo_Dati(const ParGenForm& form, const TextTable& texts) {
    if (form.CB_LoRa_RF_Band.text().trimmed().isEmpty())
        return texts[493];
    if (form.CB_LoRa_Network_Type.text().trimmed().isEmpty())
        return texts[494];
    if (form.CB_LoRa_DataRate.text().trimmed().isEmpty())
        return texts[495];
    if (form.CB_LoRa_Transmission_Type.text().trimmed().isEmpty())
        return texts[496];
    const int maxPayload =
        Find_Max_PayLoad(form.CB_LoRa_RF_Band.text(), form.CB_LoRa_DataRate.text());
    if (outside(form.E_LoRa_Payload_Size, 1, maxPayload))
        return withNumber(texts[PayloadRangeText], maxPayload);
    if (form.CB_LoRa_Activation_Method.text().trimmed().isEmpty())
        return texts[499];

    // Address, mask and (when enabled) gateway octets: texts 728-731, 732-735, 736-739.
    if (const int bad = firstBadOctet(form.E_ModbusTCPSlave_IP); bad >= 0)
        return texts[728 + bad];
    if (const int bad = firstBadOctet(form.E_ModbusTCPSlave_SM); bad >= 0)
        return texts[732 + bad];
    if (form.CB_ModbusTCPSlave_En_GAT) {
        if (const int bad = firstBadOctet(form.E_ModbusTCPSlave_GAT); bad >= 0)
            return texts[736 + bad];
    }

    // Port 10000 is the device's own update port.
    const qint64 port = numberOf(form.E_ModbusTCPSlave_Port);
    if (port < 0 || port > 65535 || port == 10000)
        return texts[740];
    return std::nullopt;
}

} // namespace vaduvizu
