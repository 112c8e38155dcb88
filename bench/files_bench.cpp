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

// The 100 km road with a rolling profile of 500 grade points (±1.5 %,
// vertical curves of 5000 m) and 50 sections alternating fill and cut.
RoadSet exportRoad()
{
    RoadSet road = mixedRoad(500, kRoadLength);
    const int gradePoints = 500;
    for (int i = 0; i < gradePoints; ++i) {
        VerticalEntity v;
        v.mile = i * kRoadLength / (gradePoints - 1);
        v.height = 100.0 + (i % 2) * 3.0;
        v.radius = i == 0 || i == gradePoints - 1 ? 0.0 : 5000.0;
        road.InsertVertical(v);
    }
    road.ApplyVertical();

    RoadTemplate fill;
    fill.name = "Fill";
    fill.items = {{3.75, -0.075}, {6.25, -0.15}, {7.0, -0.18}, {11.5, -3.18}};
    RoadTemplate cut;
    cut.name = "Cut";
    cut.items = {{3.75, -0.075}, {6.25, -0.15}, {7.0, -0.18}, {7.6, -0.78},
                 {8.2, -0.78},   {8.8, -0.18},  {14.8, 5.82}};
    road.AddTemplate(fill);
    road.AddTemplate(cut);
    const int sections = 50;
    for (int i = 0; i < sections; ++i) {
        RoadSection s;
        s.L1 = i * kRoadLength / sections;
        s.L2 = (i + 1) * kRoadLength / sections + (i == sections - 1 ? 1.0 : 0.0);
        s.left = s.right = i % 2 ? "Cut" : "Fill";
        road.AddSection(s);
    }
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
