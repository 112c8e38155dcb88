// The stake point export of the Export dialog: a 100 km road at 1 m, 7.5 m
// off the centre line, with its profile and templates, written to a file.
#include "globals.h"
#include "roads.h"
#include "tools/exportdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr double kRoadLength = 100000.0;

void BM_ExportDialog100kmAt1m(benchmark::State& state)
{
    ExportDialog dialog;
    const auto set = [&dialog](const char* field, const QString& text) {
        dialog.findChild<QLineEdit*>(field)->setText(text);
    };
    set("startEdit", "0");
    set("endEdit", QString::number(kRoadLength));
    set("intervalEdit", "1");
    set("offsetEdit", "7.5");
    dialog.findChild<QCheckBox*>("chkBoxIntMile")->setChecked(true);
    dialog.findChild<QCheckBox*>("chkBoxExportPrime")->setChecked(true);

    QTemporaryDir dir;
    const QString path = dir.filePath("stakes.txt");
    for (auto _ : state) {
        if (dialog.exportTo(path) != ExportDialog::Outcome::Exported)
            state.SkipWithError("the export failed");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray written = file.readAll();
    state.SetBytesProcessed(state.iterations() * written.size());
    // One line per stake; shown in seconds per stake with an SI prefix.
    state.counters["per_stake"] =
        benchmark::Counter(static_cast<double>(written.count('\n') * state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ExportDialog100kmAt1m)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    theRoad = mixedRoad(500, kRoadLength);
    addProfileAndSections(theRoad, kRoadLength, 101, 50);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
