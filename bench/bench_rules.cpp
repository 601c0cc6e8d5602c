// Opening the rules editor on a full rules file (256 uplink and 256 downlink rules, every one
// enabled and valid, so the check walks every row) and running its check. Goal: median < 5 ms.
#include "parameters/ParGenForm.h"
#include "rules/RulesEditorModel.h"
#include "rules/RulesFile.h"
#include "texts/TextTable.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vaduvizu;

namespace {

struct FullProject {
    QTemporaryDir dir;
    QString parGenPath = dir.filePath("ParGen.xml");
    QString rulesPath = dir.filePath("LoRaWAN_SetAccess.xml");

    FullProject() {
        saveParGenForm(defaultParGenForm(), parGenPath);
        RulesEditorModel model = openRulesEditor(parGenPath, rulesPath);
        for (int row = 1; row < model.uplink.rowCount(); ++row) {
            const QStringList uplink = {
                "Y", QString::number(row * 6 % 1537),          "10", "Y", "N", "Y", "60",
                "2", QStringLiteral("Uplink rule %1").arg(row)};
            for (int k = 0; k < uplink.size(); ++k)
                model.uplink.setCell(row, k + 1, uplink[k]);
            const QStringList downlink = {"Y", QString::number(row * 4), "4", "3",
                                          QStringLiteral("Downlink rule %1").arg(row)};
            for (int k = 0; k < downlink.size(); ++k)
                model.downlink.setCell(row, k + 1, downlink[k]);
        }
        writeRulesFile(rulesPath, model.uplink, model.downlink);
    }
};

void BM_OpenRulesEditorAndCheck(benchmark::State& state) {
    const FullProject project;
    const TextTable texts;
    for (auto _ : state) {
        const RulesEditorModel model = openRulesEditor(project.parGenPath, project.rulesPath);
        const std::optional<QString> failure = Controllo_dati(model, texts);
        if (failure || model.uplink.cell(256, UplinkColumn::StartByte).isEmpty())
            state.SkipWithError("the full rules file did not open as expected");
        benchmark::DoNotOptimize(failure);
    }
}
BENCHMARK(BM_OpenRulesEditorAndCheck)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
