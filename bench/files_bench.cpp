// Benchmarks of the road file and of the stake export loop.
#include "roads.h"

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

}  // namespace

BENCHMARK_MAIN();
