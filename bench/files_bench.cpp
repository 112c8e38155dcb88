// Benchmarks of the road file and of the stake export loop.
#include "roads.h"
#include "stakewalk.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

constexpr int kTenThousandElements = 2500;  // groups of four elements
constexpr double kRoadLength = 100000.0;

std::string scratchPath(const char* name)
{
    const std::string file = "trazel-bench-" + std::to_string(::getpid()) + name;
    return (std::filesystem::temp_directory_path() / file).string();
}

void BM_SaveRoad10k(benchmark::State& state)
{
    RoadSet road = mixedRoad(kTenThousandElements, kRoadLength);
    const std::string path = scratchPath("-save.rod");
    for (auto _ : state) {
        if (!road.Save(path))
            state.SkipWithError("the road could not be saved");
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveRoad10k)->Unit(benchmark::kMillisecond);

void BM_LoadRoad10k(benchmark::State& state)
{
    const std::string path = scratchPath("-load.rod");
    mixedRoad(kTenThousandElements, kRoadLength).Save(path);
    for (auto _ : state) {
        RoadSet road;
        if (!road.Load(path))
            state.SkipWithError("the road could not be loaded");
        benchmark::DoNotOptimize(road.NumberOfCross());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadRoad10k)->Unit(benchmark::kMillisecond);

// The 100 km road with 500 grade points and 50 sections.
RoadSet exportRoad()
{
    RoadSet road = mixedRoad(500, kRoadLength);
    addProfileAndSections(road, kRoadLength, 500, 50);
    return road;
}

// What the stake point export does for each stake, at 1 m over 100 km.
void BM_StakeExport100km(benchmark::State& state)
{
    RoadSet road = exportRoad();
    const double offset = 7.5;
    long stakes = 0;
    for (auto _ : state) {
        stakes += walkEveryMetre(road, [&road, offset](const RoadIter& it) {
            double x = 0, y = 0, height = 0;
            road.L2XY(it, offset, &x, &y);
            road.CalElevation(it.current(), &height, nullptr);
            if (RoadSection* s = road.GetSectionByLC(it.current()))
                height += road.CalDetaH(s, offset);
            benchmark::DoNotOptimize(x);
            benchmark::DoNotOptimize(y);
            benchmark::DoNotOptimize(height);
        });
    }
    reportPerStake(state, stakes);
}
BENCHMARK(BM_StakeExport100km)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
