#include "parameters/ParGenForm.h"
#include "app/FileError.h"
#include "parameters/ParGenCheck.h"
#include "parameters/RegionalPlan.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vaduvizu;
using vaduvizu::test::TempDir;

namespace {

const QString Abp = "Activation by Personalization [ABP]";
const QString Otaa = "Over-the-Air Activation [OTAA]";

// A parameter file holding only the given elements below a Par_Gen root.
QString writeParGen(const TempDir& dir, const QByteArray& elements) {
    return dir.write("ParGen.xml", "<Par_Gen>" + elements + "</Par_Gen>");
}

// A form in which every control differs from the defaults.
ParGenForm everythingChanged(const QString& band, int dataRatePosition) {
    ParGenForm form = defaultParGenForm();
    form.CB_LoRa_RF_Band.select(band);
    bandChanged(form);
    form.CB_LoRa_DataRate.selected = dataRatePosition;
    dataRateChanged(form);
    form.CB_LoRa_Network_Type.select("Public");
    form.CB_LoRa_Adaptive_DataRate = true;
    form.CB_LoRa_Transmission_Type.select("Confirmed");
    form.CB_LoRa_Activation_Method.select(Otaa);
    form.E_LoRa_JoinEUI = "0011223344556677";
    form.E_LoRa_Device_Address = "ABC"; // hidden row with OTAA: saved all the same
    form.E_LoRa_Network_Session_Key = "00112233445566778899AABBCCDDEEFF";
    form.E_LoRa_Application_Session_Key = "0 1";
    form.E_LoRa_Application_Key = "FFEEDDCCBBAA99887766554433221100";
    form.CB_LoRa_FPort.select("Variable");
    form.E_ModbusTCPSlave_IP = {"10", "0", "0", "007"};
    form.E_ModbusTCPSlave_SM = {"255", "255", "0", "0"};
    form.CB_ModbusTCPSlave_En_GAT = true;
    form.E_ModbusTCPSlave_GAT = {"10", "0", "0", "254"};
    form.E_ModbusTCPSlave_Port = "0502";
    form.CB_ModbusTCPSlave_ReadInput = true;
    return form;
}

} // namespace

TEST(ParGenForm, NewProjectOpensWithTheDefaultsAndSavesAtOnce) {
    TempDir dir;
    const QString path = dir.file("ParGen.xml");
    const ParGenForm form = openParGenForm(path);
    EXPECT_EQ(form.CB_LoRa_RF_Band.text(), "AS923");
    EXPECT_EQ(form.CB_LoRa_DataRate.items, dataRateTexts("AS923"));
    EXPECT_EQ(form.CB_LoRa_DataRate.text(), "6\t- LoRa: SF7/250kHz 11000 [bit/s]");
    EXPECT_EQ(form.E_LoRa_Payload_Size, "230");
    EXPECT_EQ(form.CB_LoRa_Network_Type.text(), "Private");
    EXPECT_FALSE(form.CB_LoRa_Adaptive_DataRate);
    EXPECT_EQ(form.CB_LoRa_Transmission_Type.text(), "Unconfirmed");
    EXPECT_EQ(form.CB_LoRa_Activation_Method.text(), Abp);
    EXPECT_TRUE(form.abpRowsVisible());
    EXPECT_EQ(form.E_LoRa_Device_Address, "");
    EXPECT_EQ(form.E_LoRa_JoinEUI, "");
    EXPECT_EQ(form.E_LoRa_Application_Key, "");
    EXPECT_EQ(form.CB_LoRa_FPort.text(), "Fixed");
    EXPECT_EQ(form.E_ModbusTCPSlave_IP, (std::array<QString, 4>{"192", "168", "0", "5"}));
    EXPECT_EQ(form.E_ModbusTCPSlave_SM, (std::array<QString, 4>{"255", "255", "255", "0"}));
    EXPECT_EQ(form.E_ModbusTCPSlave_GAT, (std::array<QString, 4>{"192", "168", "0", "1"}));
    EXPECT_FALSE(form.CB_ModbusTCPSlave_En_GAT);
    EXPECT_EQ(form.E_ModbusTCPSlave_Port, "502");
    EXPECT_FALSE(form.CB_ModbusTCPSlave_ReadInput);

    EXPECT_EQ(Controllo_Dati(form, TextTable()), std::nullopt);
    saveParGenForm(form, path);
    EXPECT_EQ(openParGenForm(path), form);
}

// Every data rate of every band survives a save and an opening, TABs and blanks included,
// together with every other control.
class ParGenRoundTrip : public testing::TestWithParam<std::pair<QString, int>> {};

TEST_P(ParGenRoundTrip, RestoresEveryControl) {
    TempDir dir;
    const QString path = dir.file("ParGen.xml");
    const auto& [band, position] = GetParam();
    const ParGenForm form = everythingChanged(band, position);
    ASSERT_EQ(form.CB_LoRa_DataRate.text(), dataRateTexts(band)[position]);

    saveParGenForm(form, path);
    const QByteArray first = TempDir::read(path);
    const ParGenForm reopened = openParGenForm(path);
    EXPECT_EQ(reopened, form);
    EXPECT_FALSE(reopened.abpRowsVisible());

    saveParGenForm(reopened, path);
    EXPECT_EQ(TempDir::read(path), first) << "saving again changed the file";
}

std::vector<std::pair<QString, int>> everyDataRate() {
    std::vector<std::pair<QString, int>> all;
    for (const RegionalBand& band : regionalPlan()) {
        for (int i = 0; i < static_cast<int>(band.dataRates.size()); ++i)
            all.emplace_back(band.name, i);
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(EveryBandAndDataRate, ParGenRoundTrip, testing::ValuesIn(everyDataRate()));

TEST(ParGenForm, StoredPayloadIsReplacedByTheLargestPayload) {
    TempDir dir;
    const ParGenForm form = openParGenForm(writeParGen(
        dir, "<LoRa_RF_Band>US915</LoRa_RF_Band><LoRa_DataRate>0  -\tLoRa: SF10/125kHz 980 "
             "[bit/s]</LoRa_DataRate><LoRa_Payload_Size>999</LoRa_Payload_Size>"));
    EXPECT_EQ(form.E_LoRa_Payload_Size, "11");
}

// What a single stored element (or its absence) shows once the dialog has opened.
struct OpenCase {
    const char* name;
    QByteArray elements;
    std::function<QString(const ParGenForm&)> shown;
    QString expected;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const OpenCase& row, std::ostream* os) {
    *os << row.name;
}

std::string caseName(const testing::TestParamInfo<OpenCase>& p) {
    return p.param.name;
}

class ParGenOpen : public testing::TestWithParam<OpenCase> {};

TEST_P(ParGenOpen, ShowsTheStoredOrDefaultValue) {
    TempDir dir;
    const OpenCase& c = GetParam();
    const ParGenForm form = openParGenForm(writeParGen(dir, c.elements));
    EXPECT_EQ(c.shown(form), c.expected);
}

const auto band = [](const ParGenForm& f) { return f.CB_LoRa_RF_Band.text(); };
const auto dataRate = [](const ParGenForm& f) { return f.CB_LoRa_DataRate.text(); };
const auto dataRatePosition = [](const ParGenForm& f) {
    return QString::number(f.CB_LoRa_DataRate.selected);
};
const auto payload = [](const ParGenForm& f) { return f.E_LoRa_Payload_Size; };
const auto transmission = [](const ParGenForm& f) { return f.CB_LoRa_Transmission_Type.text(); };
const auto activation = [](const ParGenForm& f) { return f.CB_LoRa_Activation_Method.text(); };
const auto yesNo = [](bool ticked) { return ticked ? QString("ticked") : QString("unticked"); };
const auto adaptive = [](const ParGenForm& f) { return yesNo(f.CB_LoRa_Adaptive_DataRate); };
const auto gateway = [](const ParGenForm& f) { return yesNo(f.CB_ModbusTCPSlave_En_GAT); };
const auto readInput = [](const ParGenForm& f) { return yesNo(f.CB_ModbusTCPSlave_ReadInput); };
const auto address = [](const ParGenForm& f) {
    const auto& ip = f.E_ModbusTCPSlave_IP;
    return QStringList{ip[0], ip[1], ip[2], ip[3]}.join(".");
};

INSTANTIATE_TEST_SUITE_P(
    StoredTexts, ParGenOpen,
    testing::Values(
        OpenCase{"BandInLowerCase", "<LoRa_RF_Band>eu868</LoRa_RF_Band>", band, "EU868"},
        OpenCase{"BandMissingIsTheFirstBand", "", band, "AS923"},
        OpenCase{"BandUnknown", "<LoRa_RF_Band>EU 868</LoRa_RF_Band>", band, ""},
        OpenCase{"BandEmpty", "<LoRa_RF_Band/>", band, ""},
        OpenCase{"NoBandNoDataRate", "<LoRa_RF_Band>XX</LoRa_RF_Band>", dataRate, ""},
        OpenCase{"NoBandNoDataRatePosition", "<LoRa_RF_Band>XX</LoRa_RF_Band>", dataRatePosition,
                 "-1"},
        OpenCase{"NoBandNoPayload", "<LoRa_RF_Band>XX</LoRa_RF_Band>", payload, "0"},
        OpenCase{"DataRateMissingIsTheBandsFirst", "<LoRa_RF_Band>EU868</LoRa_RF_Band>", dataRate,
                 "0 -\tLoRa: SF12/125kHz 250 [bit/s]"},
        OpenCase{"DataRateMissingPayload", "<LoRa_RF_Band>EU868</LoRa_RF_Band>", payload, "51"},
        OpenCase{"EmptyFileDefaultsToFirstDataRate", "", payload, "59"},
        OpenCase{"DataRateOfAnotherBand",
                 "<LoRa_RF_Band>AU915</LoRa_RF_Band><LoRa_DataRate>12 - LoRa: other "
                 "words</LoRa_DataRate>",
                 dataRate, "0  - LoRa: SF12/125kHz 250 [bit/s]"},
        OpenCase{"DataRateInOtherLetterCase",
                 "<LoRa_RF_Band>AU915</LoRa_RF_Band><LoRa_DataRate>8  - LORA: sf12/500KHZ 980 "
                 "[BIT/S]</LoRa_DataRate>",
                 payload, "33"},
        OpenCase{"DataRateWithBlankForTab",
                 "<LoRa_RF_Band>AS923</LoRa_RF_Band><LoRa_DataRate>3 - LoRa: SF9/125kHz 1760 "
                 "[bit/s]</LoRa_DataRate>",
                 payload, "59"},
        OpenCase{"ConfirmedInLowerCase",
                 "<LoRa_Transmission_Type>confirmed</LoRa_Transmission_Type>", transmission,
                 "Confirmed"},
        OpenCase{"TransmissionMissing", "", transmission, "Unconfirmed"},
        OpenCase{"ActivationUnknown", "<LoRa_Activation_Method>ABP</LoRa_Activation_Method>",
                 activation, ""},
        OpenCase{"ActivationMissing", "", activation, Abp},
        OpenCase{"AdaptiveExactOne", "<LoRa_Adaptive_DataRate>1</LoRa_Adaptive_DataRate>", adaptive,
                 "ticked"},
        OpenCase{"AdaptiveTrue", "<LoRa_Adaptive_DataRate>true</LoRa_Adaptive_DataRate>", adaptive,
                 "unticked"},
        OpenCase{"AdaptiveZeroOne", "<LoRa_Adaptive_DataRate>01</LoRa_Adaptive_DataRate>", adaptive,
                 "unticked"},
        OpenCase{"GatewayBlankOne", "<Modbus_TCP_Slave_EN_GAT> 1</Modbus_TCP_Slave_EN_GAT>",
                 gateway, "unticked"},
        OpenCase{"GatewayOne", "<Modbus_TCP_Slave_EN_GAT>1</Modbus_TCP_Slave_EN_GAT>", gateway,
                 "ticked"},
        OpenCase{"ReadInputTrue",
                 "<Modbus_TCP_Slave_Read_Input_Register>true</Modbus_TCP_Slave_Read_Input_"
                 "Register>",
                 readInput, "unticked"},
        OpenCase{"OctetsEachOnTheirOwn",
                 "<Modbus_TCP_Slave_IP2>abc</Modbus_TCP_Slave_IP2><Modbus_TCP_Slave_IP4/>", address,
                 "192.abc.0."}),
    caseName);

TEST(ParGenForm, FirstNodeNotAnElementGivesEveryElementDefault) {
    TempDir dir;
    const QString path =
        dir.write("ParGen.xml",
                  "<!-- x --><Par_Gen><LoRa_RF_Band>EU868</LoRa_RF_Band><Modbus_TCP_Slave_Port>1"
                  "</Modbus_TCP_Slave_Port></Par_Gen>");
    const ParGenForm form = openParGenForm(path);
    EXPECT_EQ(form.CB_LoRa_RF_Band.text(), "AS923");
    // The file exists, so this is the first data rate, not the new-project seventh.
    EXPECT_EQ(form.CB_LoRa_DataRate.selected, 0);
    EXPECT_EQ(form.E_LoRa_Payload_Size, "59");
    EXPECT_EQ(form.E_ModbusTCPSlave_Port, "502");
}

TEST(ParGenForm, MalformedFileIsReportedWithItsName) {
    TempDir dir;
    const QString path = writeParGen(dir, "<LoRa_RF_Band>");
    try {
        openParGenForm(path);
        FAIL() << "no error for a malformed file";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains("ParGen.xml")) << error.what();
    }
}

TEST(ParGenForm, BandChangeRefillsDataRatesAndPayload) {
    ParGenForm form = defaultParGenForm();
    form.CB_LoRa_RF_Band.select("AU915");
    bandChanged(form);
    form.CB_LoRa_DataRate.selected = 5;
    dataRateChanged(form);
    EXPECT_EQ(form.E_LoRa_Payload_Size, "222");

    form.CB_LoRa_RF_Band.select("EU868");
    bandChanged(form);
    EXPECT_EQ(form.CB_LoRa_DataRate.items.size(), 8);
    EXPECT_EQ(form.CB_LoRa_DataRate.text(), "0 -\tLoRa: SF12/125kHz 250 [bit/s]");
    EXPECT_EQ(form.E_LoRa_Payload_Size, "51");

    form.CB_LoRa_RF_Band.selected = -1;
    bandChanged(form);
    EXPECT_TRUE(form.CB_LoRa_DataRate.items.isEmpty());
    EXPECT_EQ(form.E_LoRa_Payload_Size, "0");
}

TEST(ParGenForm, ActivationMethodDecidesWhichKeyRowsShow) {
    ParGenForm form = defaultParGenForm();
    form.E_LoRa_Device_Address = "12345678";
    form.CB_LoRa_Activation_Method.select(Otaa);
    EXPECT_FALSE(form.abpRowsVisible());
    form.CB_LoRa_Activation_Method.selected = -1;
    EXPECT_FALSE(form.abpRowsVisible());
    form.CB_LoRa_Activation_Method.select(Abp);
    EXPECT_TRUE(form.abpRowsVisible());
    EXPECT_EQ(form.E_LoRa_Device_Address, "12345678");
}

TEST(ParGenForm, ListWithoutSelectionIsSavedEmpty) {
    TempDir dir;
    const QString path = dir.file("ParGen.xml");
    ParGenForm form = defaultParGenForm();
    form.CB_LoRa_FPort.selected = -1;
    saveParGenForm(form, path);
    EXPECT_TRUE(TempDir::read(path).contains("<LoRa_FPort />") ||
                TempDir::read(path).contains("<LoRa_FPort/>"));
    EXPECT_EQ(openParGenForm(path).CB_LoRa_FPort.selected, -1);
}

TEST(ParGenForm, StoredTextsMatchingNoItemAreReportedOnOk) {
    const struct {
        QByteArray elements;
        QString message;
    } cases[] = {
        {"<LoRa_RF_Band>EU-868</LoRa_RF_Band>", "Error LoRa!! RF Band cannot be empty"},
        {"<LoRa_Network_Type>Privat</LoRa_Network_Type>",
         "Error LoRa!! Network Type cannot be empty"},
        {"<LoRa_Transmission_Type/>", "Error LoRa!! Transmission Type cannot be empty"},
        {"<LoRa_Activation_Method>OTAA</LoRa_Activation_Method>",
         "Error LoRa!! Activation Method cannot be empty"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const ParGenForm form = openParGenForm(writeParGen(dir, c.elements));
        EXPECT_EQ(Controllo_Dati(form, TextTable()), c.message) << c.elements.toStdString();
    }
}
