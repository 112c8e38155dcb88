// The stake-out run as the Export dialog and vantorel-stakeout make it: a
// 100 km road at 1 m with its profile and templates, Integer Miles and key
// points on, written to a file.
#include "roads.h"
#include "stakeout.h"
#include "stakewalk.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A scratch directory for the written file, removed at exit.
struct ScratchFile
{
    ScratchFile()
    {
        char pattern[] = "/tmp/export_bench.XXXXXX";
        directory = ::mkdtemp(pattern) ? pattern : "/tmp";
        path = directory + "/stakes.txt";
    }
    ~ScratchFile()
    {
        std::remove(path.c_str());
        ::rmdir(directory.c_str());
    }
    std::string directory;
    std::string path;
};

void exportRun(benchmark::State& state, std::vector<double> offsets, StakeFormat format)
{
    StakeOutRun run;
    run.start = 0.0;
    run.end = kProfiledRoadLength;
    run.interval = 1.0;
    run.integral = true;
    run.keyPoints = true;
    run.offsets = std::move(offsets);
    const ScratchFile file;
    long long points = 0;
    for (auto _ : state) {
        StakeText text(format);
        if (stakeOut(profiledRoad(), run, text) != StakeOutStatus::Done ||
            !writeStakeFile(file.path, text.text()))
            state.SkipWithError("the export failed");
        points = text.points();
    }
    const auto stakes = static_cast<long>(points / static_cast<long long>(run.offsets.size()));
    reportPerStake(state, stakes * state.iterations());
}

void BM_StationCsvOneOffset(benchmark::State& state)
{
    exportRun(state, {7.5}, StakeFormat::StationCsv);
}
BENCHMARK(BM_StationCsvOneOffset)->Unit(benchmark::kMillisecond);

void BM_StationCsvThreeOffsets(benchmark::State& state)
{
    exportRun(state, {-7.5, 0.0, 7.5}, StakeFormat::StationCsv);
}
BENCHMARK(BM_StationCsvThreeOffsets)->Unit(benchmark::kMillisecond);

void BM_PnezdThreeOffsets(benchmark::State& state)
{
    exportRun(state, {-7.5, 0.0, 7.5}, StakeFormat::PnezdCsv);
}
BENCHMARK(BM_PnezdThreeOffsets)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
