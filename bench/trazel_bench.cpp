// Benchmarks of the calculation library's hot paths.
#include "roads.h"
#include "stakewalk.h"

#include <benchmark/benchmark.h>

#include <cmath>

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

void BM_RoadXY2L(benchmark::State& state)
{
    const RoadSet road = mixedRoad(500, 50000.0);  // 2,000 elements
    const RoadEntity& last = *road.GetHorizon(road.NumberOfHorizon() - 1);
    const double end = last.l1 + last.length;
    double station = 0.0;
    for (auto _ : state) {
        double px = 0, py = 0;
        road.L2XY(station, 7.5, &px, &py);
        double x = 0, y = 0, L = 0, a = 0, offset = 0;
        benchmark::DoNotOptimize(road.XY2L(px, py, &x, &y, &L, &a, &offset));
        station = std::fmod(station + 97.3, end);
    }
}
BENCHMARK(BM_RoadXY2L)->Unit(benchmark::kMicrosecond);

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
