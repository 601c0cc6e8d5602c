#include "image/ImageReport.h"
#include "image/ImageCompiler.h"
#include "image/TestProject.h"

#include <gtest/gtest.h>

using namespace vaduvizu::image;
using vaduvizu::test::TestProject;

TEST(ImageReport, DecodesWhatTheCompilerBuilt) {
    TestProject project;
    project.writeParameters({{"LoRa_RF_Band", "US915-Hybrid"},
                             {"LoRa_Activation_Method", "Over-the-Air Activation [OTAA]"},
                             {"LoRa_Transmission_Type", "Confirmed"},
                             {"LoRa_FPort", "Variable"},
                             {"LoRa_JoinEUI", "70B3D57ED0000001"},
                             {"LoRa_Application_Key", "0123456789ABCDEF0123456789ABCDEF"},
                             {"Modbus_TCP_Slave_EN_GAT", "1"}});
    project.writeRules(R"(<row Enable="Y" StartByte="5" NumByte="3" OnCMD="Y" FPort="9"/>)",
                       R"(<row Enable="Y" StartByte="7" NumByte="1" FPort="10"/>)");
    ImageCompiler compiler;
    compiler.Build_Images(project.folder());
    const ImageReport inspection = reportImages(compiler.parameterImage(), compiler.rulesImage());
    EXPECT_TRUE(inspection.problems.isEmpty()) << inspection.problems.join('\n').toStdString();
    for (const char* line :
         {"  Default gateway: 192.168.0.1", "  Band: US915-Hybrid (code 9)", "  Activation: OTAA",
          "  Transmission: Confirmed", "  Frame port: Variable", "  JoinEUI: 70B3D57ED0000001",
          "  Application key: 0123456789ABCDEF0123456789ABCDEF", "  Device address: 00000000",
          "    1: start byte 5, 3 byte(s), on command, time 30 s, frame port 9",
          "    1: start byte 7, 1 byte(s), frame port 10"})
        EXPECT_TRUE(inspection.lines.contains(line)) << line << "\n"
                                                     << inspection.lines.join('\n').toStdString();
}
