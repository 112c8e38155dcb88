// Benchmarks of the calculation library's hot paths.
#include "roads.h"
#include "stakewalk.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <utility>
#include <vector>

namespace {

RoadEntity spiral(double R, double length)
{
    RoadEntity e;
    e.set(3, 3000000.0, 500000.0, 0.7, 0, R, length, 0);
    return e;
}

void spiralPoints(benchmark::State& state, const RoadEntity& e)
{
    double x = 0, y = 0, a = 0;
    double s = 0;
    for (auto _ : state) {
        e.L2XY(s, &x, &y, &a);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        s += 0.37;
        if (s > e.length)
            s = 0;
    }
}

void BM_SpiralPoint(benchmark::State& state)
{
    spiralPoints(state, spiral(250, 80));  // an ordinary transition, 0.16 rad
}
BENCHMARK(BM_SpiralPoint);

void BM_SpiralPointLoopRamp(benchmark::State& state)
{
    spiralPoints(state, spiral(30, 150));  // 2.5 rad
}
BENCHMARK(BM_SpiralPointLoopRamp);

// Points 7.5 m beside a road of 100 m curve groups (four elements each),
// at random stations; the argument is the number of elements.
void BM_RoadXY2L(benchmark::State& state)
{
    const int groups = static_cast<int>(state.range(0)) / 4;
    const RoadSet road = mixedRoad(groups, 100.0 * groups);
    std::mt19937 random(1);
    std::uniform_real_distribution<double> station(0.0, 100.0 * groups);
    std::vector<std::pair<double, double>> points(4096);
    for (auto& [px, py] : points)
        road.L2XY(station(random), random() % 2 ? 7.5 : -7.5, &px, &py);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [px, py] = points[i++ % points.size()];
        double x = 0, y = 0, L = 0, a = 0, offset = 0;
        benchmark::DoNotOptimize(road.XY2L(px, py, &x, &y, &L, &a, &offset));
    }
}
BENCHMARK(BM_RoadXY2L)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

// The first XY2L after an element was handed out for change: the spatial
// index is built again.
void BM_RoadXY2LAfterChange(benchmark::State& state)
{
    const int groups = static_cast<int>(state.range(0)) / 4;
    RoadSet road = mixedRoad(groups, 100.0 * groups);
    double px = 0, py = 0;
    road.L2XY(50.0 * groups, 7.5, &px, &py);
    for (auto _ : state) {
        road.GetHorizon(1);
        double x = 0, y = 0;
        benchmark::DoNotOptimize(road.XY2L(px, py, &x, &y));
    }
}
BENCHMARK(BM_RoadXY2LAfterChange)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

void BM_StakeWalk100km(benchmark::State& state)
{
    const RoadSet road = mixedRoad(500, 100000.0);
    long stakes = 0;
    for (auto _ : state) {
        stakes += walkEveryMetre(road, [&road](const RoadIter& it) {
            double x = 0, y = 0, a = 0;
            road.L2XY(it, 0.0, &x, &y, &a);
            benchmark::DoNotOptimize(x);
        });
    }
    reportPerStake(state, stakes);
}
BENCHMARK(BM_StakeWalk100km)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
