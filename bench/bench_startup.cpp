// Start-up of the configurator on Qt's offscreen platform, from a new process to the main
// window shown with every dialog created and the texts loaded, compared in the same run with a
// minimal Qt Widgets program that starts and shows one window with a text. Both are this program
// started again in a child mode, so both load the same libraries; the parent measures from starting
// the process to the child's report that its window is shown.
// Goals: the configurator's median within 1.3 times the minimal program's, and its peak
// resident memory after start-up under 80 MB.
//
// BM_StartupRatio reports startup_ms, minimal_ms (medians), ratio and peak_rss_MB as counters.
// BM_WindowsInProcess measures the windows alone, in an application already running.
#include "app/MessageBoxes.h"
#include "app/Startup.h"
#include "app/TFVaduvizuFirmWare.h"
#include "app/UrlOpener.h"
#include "texts/HttpClient.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <vector>

namespace {

using namespace vaduvizu;

constexpr char ConfiguratorMode[] = "--child-configurator";
constexpr char MinimalMode[] = "--child-minimal";

// Never asked: the version check is off in a fresh application folder.
class NoNetwork : public HttpClient {
public:
    HttpAnswer get(const QString&) override { return {}; }
};

struct Seams {
    QtMessageBoxes boxes;
    NoNetwork http;
    QtUrlOpener urls;
};

// A fresh application folder with the shipped language files, as after installation.
class ApplicationFolder {
public:
    ApplicationFolder() {
        const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/LANGUAGE"));
        QDir().mkpath(m_dir.filePath(QStringLiteral("LANGUAGE")));
        for (const QFileInfo& file : shipped.entryInfoList(QDir::Files))
            QFile::copy(file.filePath(),
                        m_dir.filePath(QStringLiteral("LANGUAGE/") + file.fileName()));
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

void showAndWait(QWidget& window) {
    window.show();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()))
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Child mode: start, show the window, report "shown <peak resident kB>" and end.
int runChild(int argc, char** argv, bool configurator, const QString& folder) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (configurator) {
        Seams seams;
        Startup startup(folder, seams.boxes, seams.http, seams.urls);
        showAndWait(startup.mainWindow());
        std::printf("shown %ld\n", peakResidentKilobytes());
    } else {
        // The smallest Qt Widgets program that shows something: one window with a text.
        QLabel window(QStringLiteral("Hello"));
        window.resize(694, 396);
        showAndWait(window);
        std::printf("shown %ld\n", peakResidentKilobytes());
    }
    std::fflush(stdout);
    return 0;
}

struct ChildRun {
    double seconds = 0;
    double peakMegabytes = 0;
};

ChildRun startChild(const char* mode, const QString& folder) {
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(mode), folder});
    ChildRun run;
    while (child.waitForReadyRead(30000)) {
        if (!child.canReadLine())
            continue;
        run.seconds = static_cast<double>(timer.nsecsElapsed()) * 1e-9;
        const QByteArray line = child.readLine().trimmed();
        if (line.startsWith("shown "))
            run.peakMegabytes = line.mid(6).toDouble() / 1024.0;
        break;
    }
    child.waitForFinished(30000);
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Both programs alternately, so that both see the same machine load.
void BM_StartupRatio(benchmark::State& state) {
    const ApplicationFolder folder;
    std::vector<double> configurator;
    std::vector<double> minimal;
    double peak = 0;
    for (auto _ : state) {
        const ChildRun plain = startChild(MinimalMode, folder.path());
        const ChildRun full = startChild(ConfiguratorMode, folder.path());
        if (plain.seconds <= 0 || full.seconds <= 0) {
            state.SkipWithError("a child program did not report its window");
            return;
        }
        minimal.push_back(plain.seconds);
        configurator.push_back(full.seconds);
        peak = std::max(peak, full.peakMegabytes);
        state.SetIterationTime(full.seconds);
    }
    const double configuratorMedian = median(configurator);
    const double minimalMedian = median(minimal);
    state.counters["startup_ms"] = configuratorMedian * 1e3;
    state.counters["minimal_ms"] = minimalMedian * 1e3;
    state.counters["ratio"] = configuratorMedian / minimalMedian;
    state.counters["peak_rss_MB"] = peak;
}
BENCHMARK(BM_StartupRatio)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

// The windows alone: state, texts, main window and every dialog, in a running application.
void BM_WindowsInProcess(benchmark::State& state) {
    const ApplicationFolder folder;
    Seams seams;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        Startup startup(folder.path(), seams.boxes, seams.http, seams.urls);
        showAndWait(startup.mainWindow());
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    }
}
BENCHMARK(BM_WindowsInProcess)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], ConfiguratorMode) == 0)
        return runChild(argc, argv, true, QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], MinimalMode) == 0)
        return runChild(argc, argv, false, QString());

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
