// The texts the communication parameters dialog and the rules editor write are the texts the
// image compiler reads: every element and attribute name, band name and data-rate item.
#include "image/ImageCompiler.h"
#include "image/ImageConversions.h"
#include "image/TestProject.h"
#include "parameters/ParameterFile.h"
#include "parameters/RegionalPlan.h"
#include "projects/ProjectStore.h"
#include "rules/RulesFile.h"

#include <gtest/gtest.h>
#include <map>

using namespace vaduvizu;
using namespace vaduvizu::image;
using vaduvizu::test::hexBytes;
using vaduvizu::test::TestProject;

TEST(EditorTexts, EveryBandAndDataRateOfTheListsGetsItsCode) {
    const std::map<QString, int> codes = {{"AS923", 0},       {"AU915", 1}, {"EU868", 5},
                                          {"KR920", 6},       {"IN865", 7}, {"US915", 8},
                                          {"US915-Hybrid", 9}};
    ASSERT_EQ(regionalPlan().size(), codes.size());
    for (const RegionalBand& band : regionalPlan()) {
        ASSERT_TRUE(codes.contains(band.name)) << band.name.toStdString();
        EXPECT_EQ(Get_Band_Code(band.name), codes.at(band.name)) << band.name.toStdString();
        EXPECT_EQ(bandName(Get_Band_Code(band.name)), band.name);
        for (const DataRateItem& item : band.dataRates)
            EXPECT_EQ(dataRateNumber(item.text), item.number)
                << band.name.toStdString() << ": " << item.text.toStdString();
    }
}

TEST(EditorFiles, CompileIntoTheirExactBytes) {
    TestProject project;
    const ProjectFiles files = projectFilesIn(project.folder());

    vaduvizu::ParameterTexts texts;
    const std::pair<ParameterElement, const char*> values[] = {
        {ParameterElement::LoRa_RF_Band, "EU868"},
        {ParameterElement::LoRa_Network_Type, "Public"},
        {ParameterElement::LoRa_Adaptive_DataRate, "1"},
        {ParameterElement::LoRa_DataRate, "3 -\tLoRa: SF9/125kHz 1760 [bit/s]"},
        {ParameterElement::LoRa_Transmission_Type, "Confirmed"},
        {ParameterElement::LoRa_Payload_Size, "115"},
        {ParameterElement::LoRa_Activation_Method, "Activation by Personalization [ABP]"},
        {ParameterElement::LoRa_Device_Address, "26011BDA"},
        {ParameterElement::LoRa_JoinEUI, "70B3D57ED0000001"},
        {ParameterElement::LoRa_Network_Session_Key, "00112233445566778899AABBCCDDEEFF"},
        {ParameterElement::LoRa_Application_Session_Key, "FFEEDDCCBBAA99887766554433221100"},
        {ParameterElement::LoRa_Application_Key, "0123456789ABCDEF0123456789ABCDEF"},
        {ParameterElement::LoRa_FPort, "Variable"},
        {ParameterElement::Modbus_TCP_Slave_IP1, "10"},
        {ParameterElement::Modbus_TCP_Slave_IP2, "1"},
        {ParameterElement::Modbus_TCP_Slave_IP3, "2"},
        {ParameterElement::Modbus_TCP_Slave_IP4, "3"},
        {ParameterElement::Modbus_TCP_Slave_SM1, "255"},
        {ParameterElement::Modbus_TCP_Slave_SM2, "255"},
        {ParameterElement::Modbus_TCP_Slave_SM3, "0"},
        {ParameterElement::Modbus_TCP_Slave_SM4, "0"},
        {ParameterElement::Modbus_TCP_Slave_GAT1, "10"},
        {ParameterElement::Modbus_TCP_Slave_GAT2, "1"},
        {ParameterElement::Modbus_TCP_Slave_GAT3, "2"},
        {ParameterElement::Modbus_TCP_Slave_GAT4, "254"},
        {ParameterElement::Modbus_TCP_Slave_EN_GAT, "1"},
        {ParameterElement::Modbus_TCP_Slave_Port, "5020"},
        {ParameterElement::Modbus_TCP_Slave_Read_Input_Register, "1"},
    };
    for (const auto& [element, text] : values)
        parameterText(texts, element) = QString::fromUtf8(text);
    writeParameterFile(files.parameterFile, texts);

    GridTable uplink(4, UplinkColumn::Count);
    GridTable downlink(2, DownlinkColumn::Count);
    const QStringList uplinkRows[] = {{"Y", "10", "4", "Y", "N", "Y", "60", "5", "first"},
                                      {"N", "20", "2", "Y", "Y", "Y", "60", "6", "off"},
                                      {"Y", "100", "8", "", "Y", "N", "", "7", ""}};
    for (int row = 1; row <= 3; ++row)
        for (int column = UplinkColumn::Enable; column < UplinkColumn::Count; ++column)
            uplink.setCell(row, column, uplinkRows[row - 1][column - 1]);
    const QStringList downlinkRow = {"Y", "100", "2", "9", "set"};
    for (int column = DownlinkColumn::Enable; column < DownlinkColumn::Count; ++column)
        downlink.setCell(1, column, downlinkRow[column - 1]);
    writeRulesFile(files.rulesFile, uplink, downlink);

    ImageCompiler compiler;
    compiler.Build_Images(project.folder());

    const auto parameters = compiler.parameterImage();
    EXPECT_EQ(hexBytes(parameters, 0x028, 18),
              "0A 01 02 03 FF FF 00 00 0A 01 02 FE 10 27 9C 13 9C 13");
    EXPECT_EQ(hexBytes(parameters, 0x7FC, 4), "AD 08 00 00");

    const auto rules = compiler.rulesImage();
    const std::pair<std::size_t, const char*> expected[] = {
        {0x000, "05 01 00 03 26 01 1B DA 70 B3 D5 7E D0 00 00 01"},
        {0x010, "00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF"},
        {0x020, "FF EE DD CC BB AA 99 88 77 66 55 44 33 22 11 00"},
        {0x030, "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"}, // ABP: no application key
        {0x040, "01 01 73 01 01 00 00 00 00 04 08 00 00 10 08 00"},
        {0x050, "02 00 01 00"},
        {0x400, "0A 00 04 00 05 05 00 00 3C 00 00 00"},
        {0x40C, "64 00 08 00 02 07 00 00 1E 00 00 00"},
        {0x418, "00 00 00 00 00 00 00 00 00 00 00 00"},
        {0x1000, "64 00 02 00 00 09 00 00 00 00 00 00"},
        {0x100C, "00 00 00 00 00 00 00 00 00 00 00 00"},
    };
    for (const auto& [offset, bytes] : expected)
        EXPECT_EQ(hexBytes(rules, offset, QString(bytes).split(' ').size()), bytes)
            << "offset 0x" << std::hex << offset;
}
