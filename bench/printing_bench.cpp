// Printed pages written to a PDF in memory: the stake table of a 100 km
// road at 20 m with three offsets (15,000 rows), and the plan of that road
// as the view draws it, on the offscreen platform.
#include "globals.h"
#include "printing/drawingpage.h"
#include "printing/pagerun.h"
#include "printing/staketablepages.h"
#include "roads.h"
#include "views/mygraphicsview.h"

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

namespace {

StakeExportRun runOver100km()
{
    StakeExportRun settings;
    settings.run.end = kProfiledRoadLength;
    settings.run.interval = 20.0;
    settings.run.offsets = {-7.5, 0.0, 7.5};
    return settings;
}

// Lays the document out on A4 and writes every page; the pages written.
int writePdf(PrintDocument& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    PageFrame::setUpPages(writer, document.orientation());
    const int pages = document.layOut(writer);
    paintPages(writer, document, selectedPages(QPageRanges(), pages), nullptr);
    return pages;
}

void StakeTablePdf(benchmark::State& state)
{
    int pages = 0;
    for (auto _ : state) {
        StakeOutStatus status = StakeOutStatus::Done;
        StakeTablePages document(StakeTable(theRoad, runOver100km(), status), QString());
        pages = writePdf(document);
    }
    state.counters["pages"] = pages;
    state.counters["per_page"] = benchmark::Counter(
        pages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void PlanPdf(benchmark::State& state)
{
    MyGraphicsView view;
    view.resize(1280, 800);
    view.show();
    view.refresh();
    for (auto _ : state) {
        DrawingPage document(view);
        writePdf(document);
    }
}

}  // namespace

BENCHMARK(StakeTablePdf)->Unit(benchmark::kMillisecond);
BENCHMARK(PlanPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    theRoad = profiledRoad();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
