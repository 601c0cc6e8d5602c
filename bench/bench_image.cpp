// Speed of the image compiler: the build alone, and the build with the writing of both image
// files compared with writing the same bytes through the safe-save helper alone.
#include "app/SafeSave.h"
#include "image/ImageCompiler.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace vaduvizu;

namespace {

void writeText(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the benchmark project");
    file.write(text.toUtf8());
}

// A project with all 28 parameters and 256 enabled uplink and 256 enabled downlink rules.
class FullProject {
public:
    FullProject() {
        QDir(m_dir.path()).mkpath("bin");
        const char* parameters[][2] = {
            {"LoRa_RF_Band", "EU868"},
            {"LoRa_Network_Type", "Public"},
            {"LoRa_Adaptive_DataRate", "1"},
            {"LoRa_DataRate", "5 -\tLoRa: SF7/125kHz 5470 [bit/s]"},
            {"LoRa_Transmission_Type", "Confirmed"},
            {"LoRa_Payload_Size", "222"},
            {"LoRa_Activation_Method", "Activation by Personalization [ABP]"},
            {"LoRa_Device_Address", "26011BDA"},
            {"LoRa_JoinEUI", "70B3D57ED0000001"},
            {"LoRa_Network_Session_Key", "00112233445566778899AABBCCDDEEFF"},
            {"LoRa_Application_Session_Key", "FFEEDDCCBBAA99887766554433221100"},
            {"LoRa_Application_Key", "0123456789ABCDEF0123456789ABCDEF"},
            {"LoRa_FPort", "Variable"},
            {"Modbus_TCP_Slave_IP1", "192"},
            {"Modbus_TCP_Slave_IP2", "168"},
            {"Modbus_TCP_Slave_IP3", "0"},
            {"Modbus_TCP_Slave_IP4", "5"},
            {"Modbus_TCP_Slave_SM1", "255"},
            {"Modbus_TCP_Slave_SM2", "255"},
            {"Modbus_TCP_Slave_SM3", "255"},
            {"Modbus_TCP_Slave_SM4", "0"},
            {"Modbus_TCP_Slave_GAT1", "192"},
            {"Modbus_TCP_Slave_GAT2", "168"},
            {"Modbus_TCP_Slave_GAT3", "0"},
            {"Modbus_TCP_Slave_GAT4", "1"},
            {"Modbus_TCP_Slave_EN_GAT", "1"},
            {"Modbus_TCP_Slave_Port", "502"},
            {"Modbus_TCP_Slave_Read_Input_Register", "0"},
        };
        QString xml = "<Par_Gen>";
        for (const auto& [name, text] : parameters)
            xml += QStringLiteral("<%1>%2</%1>").arg(name, text);
        writeText(m_dir.filePath("ParGen.xml"), xml + "</Par_Gen><!--SW_VERSION = 1.002-->");

        QString uplink;
        QString downlink;
        for (int i = 0; i < 256; ++i) {
            uplink += QStringLiteral("<row Enable=\"Y\" StartByte=\"%1\" NumByte=\"4\" "
                                     "OnChange=\"Y\" OnCMD=\"N\" OnTimer=\"Y\" Time=\"60\" "
                                     "FPort=\"%2\" Mnemonic=\"Value %1\"/>")
                          .arg(i * 4)
                          .arg(1 + i % 223);
            downlink += QStringLiteral("<row Enable=\"Y\" StartByte=\"%1\" NumByte=\"2\" "
                                       "FPort=\"%2\" Mnemonic=\"Set %1\"/>")
                            .arg(1024 + i * 2)
                            .arg(1 + i % 223);
        }
        writeText(m_dir.filePath("LoRaWAN_SetAccess.xml"),
                  "<LoRaWAN_Set_Access><LoRaWAN_Uplink>" + uplink +
                      "</LoRaWAN_Uplink><LoRaWAN_Downlink>" + downlink +
                      "</LoRaWAN_Downlink></LoRaWAN_Set_Access><!--SW_VERSION = 1.002-->");
    }

    QString folder() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

void BM_BuildImages(benchmark::State& state) {
    FullProject project;
    image::ImageCompiler compiler;
    for (auto _ : state) {
        compiler.Build_Images(project.folder());
        benchmark::DoNotOptimize(compiler.rulesImage().data());
    }
}
BENCHMARK(BM_BuildImages)->Unit(benchmark::kMicrosecond)->Repetitions(9);

void BM_BuildAndWriteImages(benchmark::State& state) {
    FullProject project;
    image::ImageCompiler compiler;
    for (auto _ : state) {
        compiler.Build_Images(project.folder());
        compiler.Write_Images();
    }
}
BENCHMARK(BM_BuildAndWriteImages)->Unit(benchmark::kMicrosecond)->Repetitions(9);

// The same 2048 + 8192 bytes written through the safe-save helper alone.
void BM_SafeSaveSameBytes(benchmark::State& state) {
    FullProject project;
    const QByteArray bank1(2048, '\x5A');
    const QByteArray bank2(8192, '\xA5');
    for (auto _ : state) {
        saveFile(project.file("bin/bank1.bin"), bank1);
        saveFile(project.file("bin/bank2.bin"), bank2);
    }
}
BENCHMARK(BM_SafeSaveSameBytes)->Unit(benchmark::kMicrosecond)->Repetitions(9);

// Both ways in turn within one run, so that disk noise hits them alike; the counter
// "ratio" is (build + write) / (safe save alone), goal at most 1.5.
void BM_BuildAndWriteToSafeSaveRatio(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    FullProject project;
    image::ImageCompiler compiler;
    const QByteArray bank1(2048, '\x5A');
    const QByteArray bank2(8192, '\xA5');
    Clock::duration full{};
    Clock::duration plain{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        compiler.Build_Images(project.folder());
        compiler.Write_Images();
        const auto t1 = Clock::now();
        saveFile(project.file("bin/bank1.bin"), bank1);
        saveFile(project.file("bin/bank2.bin"), bank2);
        const auto t2 = Clock::now();
        full += t1 - t0;
        plain += t2 - t1;
    }
    state.counters["ratio"] =
        static_cast<double>(full.count()) / static_cast<double>(plain.count());
}
BENCHMARK(BM_BuildAndWriteToSafeSaveRatio)->Unit(benchmark::kMicrosecond)->Repetitions(9);

} // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // Each build parses about 60 KB of rules and frees it again. Left alone, glibc gives that
    // memory back to the system after some builds and not after others, depending on what ran
    // before, and the page faults of taking it back then swamp the build (about 0.45 ms more).
    // Fixed thresholds keep the figures comparable from run to run.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
