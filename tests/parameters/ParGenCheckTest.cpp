#include "parameters/ParGenCheck.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vaduvizu;

namespace {

using Fault = std::function<void(ParGenForm&)>;

struct CheckCase {
    const char* name;
    std::vector<Fault> faults;           // applied to a valid form
    std::optional<QString> firstMessage; // nullopt: the form passes
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const CheckCase& row, std::ostream* os) {
    *os << row.name;
}

std::string caseName(const testing::TestParamInfo<CheckCase>& p) {
    return p.param.name;
}

Fault noSelection(ChoiceList ParGenForm::*list) {
    return [list](ParGenForm& f) { (f.*list).selected = -1; };
}
Fault payload(const QString& text) {
    return [text](ParGenForm& f) { f.E_LoRa_Payload_Size = text; };
}
Fault ip(int i, const QString& text) {
    return [i, text](ParGenForm& f) { f.E_ModbusTCPSlave_IP[static_cast<std::size_t>(i)] = text; };
}
Fault mask(int i, const QString& text) {
    return [i, text](ParGenForm& f) { f.E_ModbusTCPSlave_SM[static_cast<std::size_t>(i)] = text; };
}
Fault gateway(int i, const QString& text) {
    return [i, text](ParGenForm& f) { f.E_ModbusTCPSlave_GAT[static_cast<std::size_t>(i)] = text; };
}
Fault gatewayEnabled(bool on) {
    return [on](ParGenForm& f) { f.CB_ModbusTCPSlave_En_GAT = on; };
}
Fault port(const QString& text) {
    return [text](ParGenForm& f) { f.E_ModbusTCPSlave_Port = text; };
}
// The data-rate list holds a text that is no item of the band: its largest payload is 0.
Fault foreignDataRate() {
    return [](ParGenForm& f) {
        f.CB_LoRa_DataRate.setItems({"7 - FSK: 50kbps 50000 [bit/s]"});
        f.CB_LoRa_DataRate.selected = 0;
    };
}

const Fault NoBand = noSelection(&ParGenForm::CB_LoRa_RF_Band);
const Fault NoNetwork = noSelection(&ParGenForm::CB_LoRa_Network_Type);
const Fault NoDataRate = noSelection(&ParGenForm::CB_LoRa_DataRate);
const Fault NoTransmission = noSelection(&ParGenForm::CB_LoRa_Transmission_Type);
const Fault NoActivation = noSelection(&ParGenForm::CB_LoRa_Activation_Method);
const Fault NoFPort = noSelection(&ParGenForm::CB_LoRa_FPort);

const QString Band = "Error LoRa!! RF Band cannot be empty";
const QString Network = "Error LoRa!! Network Type cannot be empty";
const QString DataRate = "Error LoRa!! DataRate cannot be empty";
const QString Transmission = "Error LoRa!! Transmission Type cannot be empty";
const QString Payload230 = "Error LoRa!! Payload Size must be between 1 and 230";
const QString Activation = "Error LoRa!! Activation Method cannot be empty";
QString ipMessage(int n) {
    return QString("Error Modbus TCP Slave!! IP Address %1 must be between 0 and 255").arg(n);
}
QString maskMessage(int n) {
    return QString("Error Modbus TCP Slave!! SUBNET Mask %1 must be between 0 and 255").arg(n);
}
QString gatewayMessage(int n) {
    return QString("Error Modbus TCP Slave!! GATEWAY IP %1 must be between 0 and 255").arg(n);
}
const QString Port =
    "Error Modbus TCP Slave!! Port must be between 0 and 65535, and different from 10000";

class ParGenCheck : public testing::TestWithParam<CheckCase> {};

} // namespace

TEST_P(ParGenCheck, ReportsTheFirstFailingCheck) {
    const CheckCase& c = GetParam();
    ParGenForm form = defaultParGenForm();
    ASSERT_EQ(Controllo_Dati(form, TextTable()), std::nullopt) << "the defaults must pass";
    for (const Fault& fault : c.faults)
        fault(form);
    EXPECT_EQ(Controllo_Dati(form, TextTable()), c.firstMessage);
}

INSTANTIATE_TEST_SUITE_P(
    OneFault, ParGenCheck,
    testing::Values(
        CheckCase{"Band", {NoBand}, Band}, CheckCase{"Network", {NoNetwork}, Network},
        CheckCase{"DataRate", {NoDataRate}, DataRate},
        CheckCase{"Transmission", {NoTransmission}, Transmission},
        CheckCase{"PayloadZero", {payload("0")}, Payload230},
        CheckCase{"PayloadAboveLargest", {payload("231")}, Payload230},
        CheckCase{"PayloadNotANumber", {payload("E6")}, Payload230},
        CheckCase{"PayloadEmpty", {payload("")}, Payload230},
        CheckCase{"PayloadOfUnknownDataRate",
                  {foreignDataRate()},
                  "Error LoRa!! Payload Size must be between 1 and 0"},
        CheckCase{"Activation", {NoActivation}, Activation},
        CheckCase{"Ip1Above", {ip(0, "256")}, ipMessage(1)},
        CheckCase{"Ip2Negative", {ip(1, "-1")}, ipMessage(2)},
        CheckCase{"Ip3Empty", {ip(2, "")}, ipMessage(3)},
        CheckCase{"Ip4Letters", {ip(3, "x")}, ipMessage(4)},
        CheckCase{"Mask1", {mask(0, "300")}, maskMessage(1)},
        CheckCase{"Mask2", {mask(1, "2 5")}, maskMessage(2)},
        CheckCase{"Mask3", {mask(2, "0x1")}, maskMessage(3)},
        CheckCase{"Mask4", {mask(3, "99999999999999999999")}, maskMessage(4)},
        CheckCase{"Gateway1", {gatewayEnabled(true), gateway(0, "256")}, gatewayMessage(1)},
        CheckCase{"Gateway2", {gatewayEnabled(true), gateway(1, "")}, gatewayMessage(2)},
        CheckCase{"Gateway3", {gatewayEnabled(true), gateway(2, "abc")}, gatewayMessage(3)},
        CheckCase{"Gateway4", {gatewayEnabled(true), gateway(3, "-5")}, gatewayMessage(4)},
        CheckCase{"Port10000", {port("10000")}, Port},
        CheckCase{"PortAbove", {port("65536")}, Port},
        CheckCase{"PortNegative", {port("-1")}, Port}, CheckCase{"PortEmpty", {port("")}, Port},
        CheckCase{"PortWithBlank", {port(" 502")}, Port}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    TwoFaults, ParGenCheck,
    testing::Values(CheckCase{"BandBeforePort", {port("10000"), NoBand}, Band},
                    CheckCase{"NetworkBeforeDataRate", {NoDataRate, NoNetwork}, Network},
                    CheckCase{"DataRateBeforeTransmission", {NoTransmission, NoDataRate}, DataRate},
                    CheckCase{
                        "TransmissionBeforePayload", {payload("0"), NoTransmission}, Transmission},
                    CheckCase{"PayloadBeforeActivation", {NoActivation, payload("0")}, Payload230},
                    CheckCase{"ActivationBeforeAddress", {ip(0, "256"), NoActivation}, Activation},
                    CheckCase{"FirstBadAddressOctet", {ip(3, "256"), ip(1, "256")}, ipMessage(2)},
                    CheckCase{"AddressBeforeMask", {mask(0, "256"), ip(3, "256")}, ipMessage(4)},
                    CheckCase{"MaskBeforeGateway",
                              {gatewayEnabled(true), gateway(0, "256"), mask(3, "256")},
                              maskMessage(4)},
                    CheckCase{"GatewayBeforePort",
                              {gatewayEnabled(true), port("10000"), gateway(3, "256")},
                              gatewayMessage(4)},
                    CheckCase{"MaskBeforePort", {port("x"), mask(2, "")}, maskMessage(3)}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Accepted, ParGenCheck,
    testing::Values(
        CheckCase{"GatewayDisabledIsNotChecked",
                  {gateway(0, "300"), gateway(1, "abc"), gateway(3, "")},
                  std::nullopt},
        CheckCase{"PortZero", {port("0")}, std::nullopt},
        CheckCase{"PortHighest", {port("65535")}, std::nullopt},
        CheckCase{"LeadingZeros", {port("00502"), ip(3, "005"), mask(3, "000")}, std::nullopt},
        CheckCase{"OctetLimits",
                  {gatewayEnabled(true), ip(0, "0"), ip(1, "255"), gateway(3, "255")},
                  std::nullopt},
        CheckCase{"PayloadOne", {payload("1")}, std::nullopt},
        CheckCase{"KeysAreNotChecked",
                  {[](ParGenForm& f) {
                      f.E_LoRa_Device_Address = "ABC";
                      f.E_LoRa_Network_Session_Key = "0 1";
                  }},
                  std::nullopt},
        CheckCase{"FramePortIsNotChecked", {NoFPort}, std::nullopt}),
    caseName);

TEST(ParGenCheckText, LargestPayloadReplacesTheFirstPlaceholderOnly) {
    ParGenForm form = defaultParGenForm();
    form.CB_LoRa_RF_Band.select("US915");
    bandChanged(form);
    form.E_LoRa_Payload_Size = "12";
    TextTable texts;
    EXPECT_EQ(Controllo_Dati(form, texts),
              QString("Error LoRa!! Payload Size must be between 1 and 11"));
    // A translation may hold the placeholder twice, or not at all.
    texts.set(497, "Nutzlast %d..%d");
    EXPECT_EQ(Controllo_Dati(form, texts), QString("Nutzlast 11..%d"));
    texts.set(497, "Nutzlast falsch");
    EXPECT_EQ(Controllo_Dati(form, texts), QString("Nutzlast falsch"));
}
