// The as-built check of a million surveyed points along a 100 km road of
// 2,000 elements with its profile and templates: reading the survey,
// checking it, writing the report.
#include "asbuilt.h"
#include "roads.h"
#include "stakeout.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kPoints = 1000000;

// A survey as a crew walks it: every 0.1 m along the road, across the
// carriageway and out to the shoulders, heights about the profile's.
const std::string& surveyText()
{
    static const std::string text = [] {
        std::mt19937 random(2);
        std::normal_distribution<double> height(100.0, 1.0);
        StakeText survey(StakeFormat::PnezdCsv);
        survey.reserve(kPoints);
        for (StakePoint& p : pointsAlong(profiledRoad(), kProfiledRoadLength, kPoints, 12.0)) {
            p.height = height(random);
            survey.add(p);
        }
        return survey.text();
    }();
    return text;
}

const std::vector<SurveyedPoint>& survey()
{
    static const std::vector<SurveyedPoint> points = readSurvey(surveyText()).points;
    return points;
}

void BM_ReadSurvey(benchmark::State& state)
{
    surveyText();
    for (auto _ : state)
        benchmark::DoNotOptimize(readSurvey(surveyText()).points.size());
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_ReadSurvey)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CheckSurvey(benchmark::State& state)
{
    std::vector<PointCheck> checks;
    survey();
    for (auto _ : state) {
        if (!checkSurvey(profiledRoad(), survey(), checks))
            state.SkipWithError("the check failed");
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_CheckSurvey)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_CheckReport(benchmark::State& state)
{
    std::vector<PointCheck> checks;
    checkSurvey(profiledRoad(), survey(), checks);
    for (auto _ : state)
        benchmark::DoNotOptimize(checkReport(survey(), checks).size());
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_CheckReport)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
