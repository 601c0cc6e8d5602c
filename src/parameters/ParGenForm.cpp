#include "parameters/ParGenForm.h"

#include "parameters/RegionalPlan.h"

namespace vaduvizu {

namespace {

using E = ParameterElement;

const std::array<QString, 4> DefaultIp = {"192", "168", "0", "5"};
const std::array<QString, 4> DefaultMask = {"255", "255", "255", "0"};
const std::array<QString, 4> DefaultGateway = {"192", "168", "0", "1"};
const QString DefaultPort = QStringLiteral("502");

// Position 7 of the AS923 list: what a project without a parameter file starts with.
constexpr int NewProjectDataRatePosition = 6;

constexpr std::array<E, 4> IpElements = {E::Modbus_TCP_Slave_IP1, E::Modbus_TCP_Slave_IP2,
                                         E::Modbus_TCP_Slave_IP3, E::Modbus_TCP_Slave_IP4};
constexpr std::array<E, 4> MaskElements = {E::Modbus_TCP_Slave_SM1, E::Modbus_TCP_Slave_SM2,
                                           E::Modbus_TCP_Slave_SM3, E::Modbus_TCP_Slave_SM4};
constexpr std::array<E, 4> GatewayElements = {E::Modbus_TCP_Slave_GAT1, E::Modbus_TCP_Slave_GAT2,
                                              E::Modbus_TCP_Slave_GAT3, E::Modbus_TCP_Slave_GAT4};

QString checkText(bool ticked) {
    return ticked ? QStringLiteral("1") : QStringLiteral("0");
}

// Only the exact text "1" ticks a check box.
bool ticked(const ParameterValues& values, E e) {
    return values.text(e) == QStringLiteral("1");
}

// A stored list text selects its item without regard to letter case; a missing element
// selects the list's default item, if the list has one (the data-rate list of an unknown
// band is empty and stays without a selection).
void selectStored(ChoiceList& list, const ParameterValues& values, E e, int defaultPosition) {
    if (const auto text = values.text(e))
        list.select(*text);
    else
        list.selected = defaultPosition < list.items.size() ? defaultPosition : -1;
}

void readOctets(std::array<QString, 4>& boxes, const ParameterValues& values,
                const std::array<E, 4>& elements, const std::array<QString, 4>& defaults) {
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = values.textOr(elements[i], defaults[i]);
}

} // namespace

QStringList networkTypeItems() {
    return {QStringLiteral("Private"), QStringLiteral("Public")};
}

QStringList transmissionTypeItems() {
    return {QStringLiteral("Unconfirmed"), QStringLiteral("Confirmed")};
}

QStringList activationMethodItems() {
    return {QStringLiteral("Activation by Personalization [ABP]"),
            QStringLiteral("Over-the-Air Activation [OTAA]")};
}

QStringList fportItems() {
    return {QStringLiteral("Fixed"), QStringLiteral("Variable")};
}

ParGenForm::ParGenForm() {
    CB_LoRa_RF_Band.setItems(bandNames());
    CB_LoRa_Network_Type.setItems(networkTypeItems());
    CB_LoRa_Transmission_Type.setItems(transmissionTypeItems());
    CB_LoRa_Activation_Method.setItems(activationMethodItems());
    CB_LoRa_FPort.setItems(fportItems());
}

bool ParGenForm::abpRowsVisible() const {
    return CB_LoRa_Activation_Method.selected == 0;
}

ParGenForm defaultParGenForm() {
    ParGenForm form;
    form.CB_LoRa_RF_Band.selected = 0;
    Change_LoRa_DataRate(form.CB_LoRa_RF_Band.text(), form.CB_LoRa_DataRate);
    form.CB_LoRa_Network_Type.selected = 0;
    form.CB_LoRa_Adaptive_DataRate = false;
    form.CB_LoRa_DataRate.selected = NewProjectDataRatePosition;
    form.CB_LoRa_Transmission_Type.selected = 0;
    form.E_LoRa_Payload_Size = QStringLiteral("0");
    form.CB_LoRa_Activation_Method.selected = 0;
    form.CB_LoRa_FPort.selected = 0;
    form.E_ModbusTCPSlave_IP = DefaultIp;
    form.E_ModbusTCPSlave_SM = DefaultMask;
    form.E_ModbusTCPSlave_GAT = DefaultGateway;
    form.CB_ModbusTCPSlave_En_GAT = false;
    form.E_ModbusTCPSlave_Port = DefaultPort;
    form.CB_ModbusTCPSlave_ReadInput = false;
    Set_Max_Payload_Size(form);
    return form;
}

ParGenForm parGenFormFrom(const ParameterValues& values) {
    if (!values.fileFound())
        return defaultParGenForm();

    ParGenForm form;
    selectStored(form.CB_LoRa_RF_Band, values, E::LoRa_RF_Band, 0);
    // The data rate is looked up in the list of the band now selected.
    Change_LoRa_DataRate(form.CB_LoRa_RF_Band.text(), form.CB_LoRa_DataRate);
    selectStored(form.CB_LoRa_Network_Type, values, E::LoRa_Network_Type, 0);
    form.CB_LoRa_Adaptive_DataRate = ticked(values, E::LoRa_Adaptive_DataRate);
    selectStored(form.CB_LoRa_DataRate, values, E::LoRa_DataRate, 0);
    if (form.CB_LoRa_DataRate.selected < 0 && !form.CB_LoRa_DataRate.items.isEmpty())
        form.CB_LoRa_DataRate.selected = 0;
    selectStored(form.CB_LoRa_Transmission_Type, values, E::LoRa_Transmission_Type, 0);
    form.E_LoRa_Payload_Size = values.textOr(E::LoRa_Payload_Size, QStringLiteral("0"));
    selectStored(form.CB_LoRa_Activation_Method, values, E::LoRa_Activation_Method, 0);
    form.E_LoRa_Device_Address = values.textOr(E::LoRa_Device_Address, {});
    form.E_LoRa_JoinEUI = values.textOr(E::LoRa_JoinEUI, {});
    form.E_LoRa_Network_Session_Key = values.textOr(E::LoRa_Network_Session_Key, {});
    form.E_LoRa_Application_Session_Key = values.textOr(E::LoRa_Application_Session_Key, {});
    form.E_LoRa_Application_Key = values.textOr(E::LoRa_Application_Key, {});
    selectStored(form.CB_LoRa_FPort, values, E::LoRa_FPort, 0);
    readOctets(form.E_ModbusTCPSlave_IP, values, IpElements, DefaultIp);
    readOctets(form.E_ModbusTCPSlave_SM, values, MaskElements, DefaultMask);
    readOctets(form.E_ModbusTCPSlave_GAT, values, GatewayElements, DefaultGateway);
    form.CB_ModbusTCPSlave_En_GAT = ticked(values, E::Modbus_TCP_Slave_EN_GAT);
    form.E_ModbusTCPSlave_Port = values.textOr(E::Modbus_TCP_Slave_Port, DefaultPort);
    form.CB_ModbusTCPSlave_ReadInput = ticked(values, E::Modbus_TCP_Slave_Read_Input_Register);
    // Whatever the file held, the payload box shows the largest payload of the selection.
    Set_Max_Payload_Size(form);
    return form;
}

ParGenForm openParGenForm(const QString& parGenPath) {
    return parGenFormFrom(readParameterFile(parGenPath));
}

void bandChanged(ParGenForm& form) {
    Change_LoRa_DataRate(form.CB_LoRa_RF_Band.text(), form.CB_LoRa_DataRate);
    Set_Max_Payload_Size(form);
}

void dataRateChanged(ParGenForm& form) {
    Set_Max_Payload_Size(form);
}

void Set_Max_Payload_Size(ParGenForm& form) {
    Set_Max_Payload_Size(form.CB_LoRa_RF_Band.text(), form.CB_LoRa_DataRate.text(),
                         form.E_LoRa_Payload_Size);
}

ParameterTexts parameterTexts(const ParGenForm& form) {
    ParameterTexts texts;
    const auto set = [&texts](E e, const QString& text) { parameterText(texts, e) = text; };
    set(E::LoRa_RF_Band, form.CB_LoRa_RF_Band.text());
    set(E::LoRa_Network_Type, form.CB_LoRa_Network_Type.text());
    set(E::LoRa_Adaptive_DataRate, checkText(form.CB_LoRa_Adaptive_DataRate));
    set(E::LoRa_DataRate, form.CB_LoRa_DataRate.text());
    set(E::LoRa_Transmission_Type, form.CB_LoRa_Transmission_Type.text());
    set(E::LoRa_Payload_Size, form.E_LoRa_Payload_Size);
    set(E::LoRa_Activation_Method, form.CB_LoRa_Activation_Method.text());
    set(E::LoRa_Device_Address, form.E_LoRa_Device_Address);
    set(E::LoRa_JoinEUI, form.E_LoRa_JoinEUI);
    set(E::LoRa_Network_Session_Key, form.E_LoRa_Network_Session_Key);
    set(E::LoRa_Application_Session_Key, form.E_LoRa_Application_Session_Key);
    set(E::LoRa_Application_Key, form.E_LoRa_Application_Key);
    set(E::LoRa_FPort, form.CB_LoRa_FPort.text());
    for (std::size_t i = 0; i < 4; ++i) {
        set(IpElements[i], form.E_ModbusTCPSlave_IP[i]);
        set(MaskElements[i], form.E_ModbusTCPSlave_SM[i]);
        set(GatewayElements[i], form.E_ModbusTCPSlave_GAT[i]);
    }
    set(E::Modbus_TCP_Slave_EN_GAT, checkText(form.CB_ModbusTCPSlave_En_GAT));
    set(E::Modbus_TCP_Slave_Port, form.E_ModbusTCPSlave_Port);
    set(E::Modbus_TCP_Slave_Read_Input_Register, checkText(form.CB_ModbusTCPSlave_ReadInput));
    return texts;
}

void saveParGenForm(const ParGenForm& form, const QString& parGenPath) {
    writeParameterFile(parGenPath, parameterTexts(form));
}

} // namespace vaduvizu
