// LandXML export and import of a road of 10,000 elements with a profile of
// 500 grade points: the file the program writes, read back as the importer
// reads it.
#include "landxmlimport.h"
#include "landxmlreader.h"
#include "landxmlwriter.h"
#include "roads.h"

#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

constexpr int kTenThousandElements = 2500;  // groups of four elements
constexpr double kRoadLength = 100000.0;

RoadSet benchRoad()
{
    RoadSet road = mixedRoad(kTenThousandElements, kRoadLength);
    addProfileAndSections(road, kRoadLength, 500, 0);
    return road;
}

QString scratchPath(const char* name)
{
    return QDir::temp().filePath(QStringLiteral("landxml-bench-%1-").arg(::getpid()) + name);
}

void BM_ExportLandXml10k(benchmark::State& state)
{
    const RoadSet road = benchRoad();
    const QString path = scratchPath("export.xml");
    QString failure;
    for (auto _ : state) {
        if (!landxml::exportLandXml(road, "bench", path, failure))
            state.SkipWithError(failure.toStdString().c_str());
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
    QFile::remove(path);
}
BENCHMARK(BM_ExportLandXml10k)->Unit(benchmark::kMillisecond);

void BM_ImportLandXml10k(benchmark::State& state)
{
    const QString path = scratchPath("import.xml");
    QString failure;
    if (!landxml::exportLandXml(benchRoad(), "bench", path, failure))
        state.SkipWithError(failure.toStdString().c_str());
    for (auto _ : state) {
        landxml::Document document;
        RoadSet road;
        if (!landxml::readFile(path, document, failure) ||
            !landxml::importAlignment(document, 0, road, failure))
            state.SkipWithError(failure.toStdString().c_str());
        benchmark::DoNotOptimize(road.NumberOfCross());
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
    QFile::remove(path);
}
BENCHMARK(BM_ImportLandXml10k)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
