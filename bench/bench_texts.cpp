// Loading the text table with a language file that sets all 6300 entries, beside the time
// to only read that file's bytes. Prints the ratio of the two medians at the end.
#include "app/AppState.h"
#include "texts/LanguageFile.h"
#include "texts/TextTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace vaduvizu;

constexpr int Repetitions = 15;

// A German-looking file in the shape translators write: CR LF, a heading, comments, marks.
struct LanguageFolder {
    QTemporaryDir dir;
    QString file;

    LanguageFolder() {
        QByteArray bytes = "; Deutsch\r\n[Texte]\r\n";
        for (int i = 0; i < TextTable::Size; ++i) {
            QByteArray line = "STR" + QByteArray::number(i) + " = ";
            if (i % 10 == 9)
                line += "\xC2\xB6Schaltfl\xC3\xA4"
                        "che Nummer " +
                        QByteArray::number(i) + " \xC2\xB6";
            else
                line += "Gr\xC3\xBC\xC3\x9F"
                        "e f\xC3\xBCr Eintrag " +
                        QByteArray::number(i) + " /#/ Hinweis";
            bytes += line + "\r\n";
        }
        file = dir.filePath(QStringLiteral("Deutsch.lng"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    }
};

LanguageFolder& folder() {
    static LanguageFolder instance;
    return instance;
}

void BM_LoadTexts(benchmark::State& state) {
    AppState app;
    app.languageFolder = folder().dir.path();
    app.currentLanguage = QStringLiteral("Deutsch");
    TextTable table;
    for (auto _ : state) {
        Load_Texts(table, app);
        benchmark::DoNotOptimize(table.entries().constData());
    }
    if (table.text(6298) != QStringLiteral("Grüße für Eintrag 6298") ||
        table.text(6299) != QStringLiteral("Schaltfläche Nummer 6299 "))
        state.SkipWithError("the language file was not applied");
}
BENCHMARK(BM_LoadTexts)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->DisplayAggregatesOnly(true);

void BM_ReadLanguageFileBytes(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(folder().file);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open the language file");
        QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_ReadLanguageFileBytes)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->DisplayAggregatesOnly(true);

// Shows the usual table, keeps the medians and prints their ratio at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {} // plain text: often read from a log

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_medianMs[run.run_name.function_name] =
                    run.GetAdjustedRealTime(); // in the benchmark's unit, milliseconds
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto load = m_medianMs.find("BM_LoadTexts");
        const auto read = m_medianMs.find("BM_ReadLanguageFileBytes");
        if (load == m_medianMs.end() || read == m_medianMs.end() || read->second <= 0)
            return;
        std::printf("median load %.3f ms (goal: under 3 ms), median read of the bytes %.3f ms, "
                    "ratio %.1f\n",
                    load->second, read->second, load->second / read->second);
    }

private:
    std::map<std::string, double> m_medianMs;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
