#pragma once

#include "parameters/ChoiceList.h"
#include "parameters/ParameterFile.h"

#include <QString>
#include <QStringList>
#include <array>

namespace vaduvizu {

// The fixed item lists of the communication parameters dialog (never translated).
QStringList networkTypeItems();      // "Private", "Public"
QStringList transmissionTypeItems(); // "Unconfirmed", "Confirmed"
QStringList activationMethodItems(); // ABP first, then OTAA
QStringList fportItems();            // "Fixed", "Variable"

// What the controls of the communication parameters dialog hold, named after them. The
// dialog copies these values into its controls and back; every rule lives in the functions
// below. A default-constructed form has every item list filled, nothing selected and every
// text box and check box empty.
struct ParGenForm {
    ChoiceList CB_LoRa_RF_Band;
    ChoiceList CB_LoRa_Network_Type;
    bool CB_LoRa_Adaptive_DataRate = false;
    ChoiceList CB_LoRa_DataRate; // refilled from the regional plan when the band changes
    ChoiceList CB_LoRa_Transmission_Type;
    QString E_LoRa_Payload_Size; // read-only: the largest payload of band and data rate
    QString E_LoRa_JoinEUI;
    ChoiceList CB_LoRa_Activation_Method;
    QString E_LoRa_Device_Address;
    QString E_LoRa_Network_Session_Key;
    QString E_LoRa_Application_Session_Key;
    QString E_LoRa_Application_Key;
    ChoiceList CB_LoRa_FPort;
    std::array<QString, 4> E_ModbusTCPSlave_IP;
    std::array<QString, 4> E_ModbusTCPSlave_SM;
    bool CB_ModbusTCPSlave_En_GAT = false;
    std::array<QString, 4> E_ModbusTCPSlave_GAT;
    QString E_ModbusTCPSlave_Port;
    bool CB_ModbusTCPSlave_ReadInput = false;

    ParGenForm();

    // True while the activation method list has ABP (its first item) selected: the device
    // address and both session-key rows show and the application-key row is hidden. With
    // OTAA or no selection it is the other way round.
    bool abpRowsVisible() const;

    bool operator==(const ParGenForm&) const = default;
};

// The form of a project without a parameter file: AS923 with its seventh data rate, ABP,
// 192.168.0.5 / 255.255.255.0, gateway 192.168.0.1 disabled, port 502, payload shown.
ParGenForm defaultParGenForm();

// The form as the dialog shows it on opening: the defaults when the file at parGenPath does
// not exist, otherwise the file's values (list texts matched without regard to letter case,
// each missing element replaced by its own default, the data rate falling back to the
// band's first item); the payload box is always recomputed.
// Throws FileError naming the file when it is not well-formed XML.
ParGenForm openParGenForm(const QString& parGenPath);

// The same, from values already read.
ParGenForm parGenFormFrom(const ParameterValues& values);

// Another band picked: the data-rate list is refilled with its first item selected, and
// the payload box shows the new largest payload.
void bandChanged(ParGenForm& form);

// Another data rate picked: the payload box shows the new largest payload.
void dataRateChanged(ParGenForm& form);

// Writes the largest payload of the selected band and data rate into the payload box.
void Set_Max_Payload_Size(ParGenForm& form);

// The 28 texts the form stores: every control's text (hidden rows included), list
// selections as item text (empty without a selection), check boxes as "1" or "0".
ParameterTexts parameterTexts(const ParGenForm& form);

// Writes the parameter file from the form. Throws FileError when it cannot be written.
void saveParGenForm(const ParGenForm& form, const QString& parGenPath);

} // namespace vaduvizu
