// Benchmark of the conversion of intersection points into elements.
#include "roads.h"

#include <benchmark/benchmark.h>

namespace {

// 500 curve points with spiral-arc-spiral curves between a start and an end
// point, their tangents computed as the alignment dialog does.
RoadSet intersectionRoad()
{
    RoadSet road = mixedRoad(500, 50000.0);
    road.ToCross_v2();
    for (int i = 0; i < road.NumberOfCross(); ++i)
        RoadSet::CalTangent(road.GetCross(i));
    return road;
}

void BM_FromCrossWithAdjust500(benchmark::State& state)
{
    RoadSet road = intersectionRoad();
    int index = 0;
    if (road.NumberOfCross() != 502 || road.FromCrossWithAdjust(index) != 0) {
        state.SkipWithError("the benchmark road does not convert");
        return;
    }
    for (auto _ : state) {
        index = 0;
        benchmark::DoNotOptimize(road.FromCrossWithAdjust(index));
    }
}
BENCHMARK(BM_FromCrossWithAdjust500)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
