#include "support/CliRun.h"
#include "image/TestProject.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using vaduvizu::test::CliResult;
using vaduvizu::test::runCli;
using vaduvizu::test::TempDir;
using vaduvizu::test::TestProject;

namespace {

class CliBuild : public testing::Test {
protected:
    void writeProject() const {
        project.writeParameters({{"LoRa_RF_Band", "EU868"},
                                 {"LoRa_Payload_Size", "51"},
                                 {"LoRa_Device_Address", "26011BDA"},
                                 {"Modbus_TCP_Slave_Port", "502"}});
        project.writeRules(TestProject::uplinkRow("Y", 10, 4, "Y", "N", "Y", "60"),
                           TestProject::downlinkRow("Y", 100, 2));
    }

    TestProject project;
};

} // namespace

TEST_F(CliBuild, WritesBothImagesAndInspectDecodesThem) {
    writeProject();
    const CliResult build = runCli({"build", project.folder()});
    EXPECT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_EQ(QFileInfo(project.bin("bank1.bin")).size(), 2048);
    EXPECT_EQ(QFileInfo(project.bin("bank2.bin")).size(), 8192);

    for (const QStringList& args :
         {QStringList{"inspect", project.folder()},
          QStringList{"inspect", project.bin("bank1.bin"), project.bin("bank2.bin")}}) {
        const CliResult inspect = runCli(args);
        EXPECT_EQ(inspect.exitCode, 0) << inspect.out.toStdString();
        for (const char* expected :
             {"Band: EU868 (code 5)", "Port: 502", "Default gateway: none",
              "Device address: 26011BDA", "Uplink table at 0x80400: 1 rule(s)",
              "1: start byte 10, 4 byte(s), on change, on timer, time 60 s, frame port 2",
              "Downlink table at 0x81000: 1 rule(s)", "1: start byte 100, 2 byte(s), frame port 2",
              "Checksum: 0x"})
            EXPECT_TRUE(inspect.out.contains(expected)) << expected << "\n"
                                                        << inspect.out.toStdString();
    }
}

TEST_F(CliBuild, FailedPayloadCheckPrintsTheMessageAndWritesNothing) {
    writeProject();
    project.writeRules(TestProject::uplinkRow("Y", 0, 50, "Y", "N", "N", "30"));
    const CliResult result = runCli({"build", project.folder()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
              "Error in configuration, Num. Byte not conformed with Max Payload Size\n");
    EXPECT_FALSE(QFileInfo::exists(project.bin("bank1.bin")));
    EXPECT_FALSE(QFileInfo::exists(project.bin("bank2.bin")));
}

TEST_F(CliBuild, ProblemsExitWithTwoNamingTheFile) {
    struct Case {
        const char* file;
        const char* content;
        const char* named;
    };
    const Case cases[] = {
        {"ParGen.xml", "<Par_Gen>", "ParGen.xml"},
        {"LoRaWAN_SetAccess.xml", "<LoRaWAN_Set_Access/>", "LoRaWAN_Uplink"},
        {"ParGen.xml", "<Par_Gen><LoRa_JoinEUI>01020304050607080</LoRa_JoinEUI></Par_Gen>",
         "LoRa_JoinEUI"},
    };
    for (const Case& c : cases) {
        TestProject other;
        other.writeFile(c.file, c.content);
        const CliResult result = runCli({"build", other.folder()});
        EXPECT_EQ(result.exitCode, 2) << c.named;
        EXPECT_TRUE(result.err.contains(c.named)) << result.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(other.bin("bank1.bin")));
    }
    TestProject noBin;
    QDir(noBin.file("bin")).removeRecursively();
    const CliResult result = runCli({"build", noBin.folder()});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains("bin")) << result.err.toStdString();
    EXPECT_EQ(runCli({"build", noBin.file("missing")}).exitCode, 2);
    EXPECT_EQ(runCli({"build"}).exitCode, 2);
}

TEST_F(CliBuild, InspectReportsMalformedImages) {
    writeProject();
    ASSERT_EQ(runCli({"build", project.folder()}).exitCode, 0);
    const QByteArray bank1 = TempDir::read(project.bin("bank1.bin"));
    const QByteArray bank2 = TempDir::read(project.bin("bank2.bin"));
    struct Case {
        const char* name;
        QByteArray parameters;
        QByteArray rules;
        const char* problem;
    };
    QByteArray badChecksum = bank1;
    badChecksum[0x28] = 10;
    QByteArray badAddress = bank2;
    badAddress[0x48] = 0x10;
    QByteArray badCount = bank2;
    badCount[0x51] = 0x02; // 513 uplink entries
    QByteArray strayEntry = bank2;
    strayEntry[0x400 + 12 + 3] = 1; // an entry after the one in use
    const Case cases[] = {
        {"checksum", badChecksum, bank2, "checksum"},
        {"short parameter image", bank1.left(2047), bank2, "2047 bytes"},
        {"long rules image", bank1, bank2 + '\0', "8193 bytes"},
        {"table address", bank1, badAddress, "Uplink table address"},
        {"count", bank1, badCount, "Uplink count 513"},
        {"stray entry", bank1, strayEntry, "after its 1 entries in use"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const CliResult result = runCli(
            {"inspect", dir.write("bank1.bin", c.parameters), dir.write("bank2.bin", c.rules)});
        EXPECT_EQ(result.exitCode, 1) << c.name;
        EXPECT_TRUE(result.out.contains(c.problem)) << c.name << "\n" << result.out.toStdString();
    }
    EXPECT_EQ(runCli({"inspect", project.file("nothing")}).exitCode, 2);
}
