// The stake-out run and its lines: today's export bytes kept, points square to the centre line.
#include "stakeout.h"
#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace {

using Status = StakeOutStatus;

// The points of a run that must end as expected; a watchdog throws out of a runaway run.
std::vector<StakePoint> pointsOf(const RoadSet& road, const StakeOutRun& run,
                                 Status expected = Status::Done)
{
    std::vector<StakePoint> points;
    const auto visit = [&points](const StakePoint& p) {
        points.size() < 100000 ? points.push_back(p) : throw std::runtime_error("runaway");
    };
    EXPECT_EQ(stakeOut(road, run, visit), expected);
    return points;
}

// Numbers show what to_chars shows, halves included (as doubles a hair either side); coordinates
// and heights a hair below a half millimetre are lifted over it, a Station CSV station is not.
TEST(StakeFormats, NumbersAreThoseOfPrintfAndExportsStayByteForByte)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::vector<double> values = {0.0,    -0.0,      -0.0004, 0.0625,    2.5,
                                  1.0005, 1.2344999, 1e300,   -HUGE_VAL, 4503599627370.4995};
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::pow(10.0, i % 16 - 3);
        values.push_back(unit(random) * magnitude);
        values.push_back((std::floor(unit(random) * magnitude * 1000.0) + 0.5) / 1000.0);
    }
    StakeText text(StakeFormat::StationCsv);
    for (const double v : values)
        text.add(StakePoint{v});
    std::istringstream lines(text.text());
    std::string line;
    for (const double v : values) {
        char expected[400];
        const auto end =
            std::to_chars(expected, expected + sizeof expected, v, std::chars_format::fixed, 3);
        ASSERT_TRUE(std::getline(lines, line));
        ASSERT_EQ(line.substr(0, line.find(',')), std::string(expected, end.ptr)) << v;
    }
    StakeText nudged(StakeFormat::StationCsv);
    nudged.add(StakePoint{1.2344999, 0, 1.2344999, 2, 0});
    EXPECT_EQ(nudged.text(), "1.234,1.235,2.000,0.000\n");
    EXPECT_EQ(surveyedText(1.2344999), "1.235");

    // The example road as the Export dialog wrote it before the run moved into the library.
    RoadSet road;
    ASSERT_TRUE(road.Load(VANTOREL_TEST_DATA "/../../examples/example-road.rod"));
    const std::pair<const char*, StakeOutRun> cases[] = {
        {"forward-20", {0, 4120, 20}},
        {"backward-prime-integral-right", {4120, 0, 20, true, true, {7.5}}},
        {"forward-prime-integral-left", {1003.5, 3000, 25, true, true, {-7.5}}},
        {"back-to-start-left", {2000, 2000, 10, false, true, {-3.2}}}};
    for (const auto& [file, run] : cases) {
        const std::string path = VANTOREL_TEST_DATA "/stakeout/" + std::string(file) + ".csv";
        std::ostringstream expected;
        expected << std::ifstream(path).rdbuf();
        StakeText text(StakeFormat::StationCsv);
        EXPECT_EQ(stakeOut(road, run, text), Status::Done) << file;
        EXPECT_EQ(text.text(), expected.str()) << file;
    }
}

// Inside a road of a line, a spiral-arc-spiral curve and a line, where every point faces one
// element: PNEZD lines numbered from 41, offsets named left to right, sides off the centre only.
TEST(StakeFormats, PointsLieSquareToTheCentreLineAtTheirStationAndOffset)
{
    RoadBuilder curved(3380000, 500000, 0.4, 1000);
    const RoadSet road = curved.line(100).curve(-150, 50, 120, 50).line(100).build();
    const auto points = pointsOf(road, {1020, 1400, 20, false, false, {7.5, -7.5, 0}});
    ASSERT_EQ(points.size(), 3u * 20);
    std::string names;
    for (const StakePoint& p : {points[3], points[4], points[5], StakePoint{-13.5, 0.0005},
                                StakePoint{1234.5, -0.0015}, StakePoint{99999.9996, 12.25}})
        names += stakePointName(p) + " ";
    EXPECT_EQ(names,
              "K1+040.000L7.500 K1+040.000 K1+040.000R7.500 K-0+013.500 K1+234.500L0.002 "
              "K100+000.000R12.250 ");
    StakeText pnezd(StakeFormat::PnezdCsv, 41);
    for (const StakePoint& p : points)
        pnezd.add(p);
    std::istringstream lines(pnezd.text());
    std::string line;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const StakePoint& p = points[i];
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line, std::to_string(41 + i) + "," + surveyedText(p.x) + "," + surveyedText(p.y) +
                            "," + surveyedText(p.height) + "," + stakePointName(p));
        double x = 0, y = 0, L = 0, angle = 0, offset = 0;
        ASSERT_TRUE(road.XY2L(std::stod(surveyedText(p.x)), std::stod(surveyedText(p.y)), &x, &y,
                              &L, &angle, &offset));  // as written
        EXPECT_NEAR(std::hypot(L - p.station, offset - p.offset), 0, 0.001) << line;
    }
}

// Found by bisection where the order allows, heights are those of CalElevation and CalDetaH at
// the station, on profiles whose curves overlap and sections with gaps too.
TEST(StakeOutRuns, HeightsAreThoseOfTheProfileAndTheSectionAtTheStation)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> height(90, 110), radius(0, 40000), mile(950, 1300);
    for (int trial = 0; trial < 200; ++trial) {
        RoadSet road = lineThenArc();
        // Grade points on stakes, some without a curve, and beyond the road.
        for (int i = 0; i < 2 + trial % 6; ++i)
            insertGrades(road,
                         {{958 + 49.0 * i, height(random), i % 3 == 1 ? 0.0 : radius(random)}});
        road.ApplyVertical();
        road.AddTemplate({{{2, -0.04}, {3.5, -0.07}, {8, 1}}, "A"});
        road.AddTemplate({{{6, -2}, {3.5, -0.07}}, "B"});
        for (int i = 0; i < trial % 5; ++i) {
            const double from = mile(random);
            road.AddSection({"A", i % 2 ? "B" : "missing", from, from + radius(random) / 400});
        }
        for (const StakePoint& p :
             pointsOf(road, {1000, 1257.08, 7, false, true, {-7.5, -3, 0, 0.0005, 3, 7.5}})) {
            double expected = 0.0;
            road.CalElevation(p.station, &expected, nullptr);
            if (std::fabs(p.offset) > 0.001)
                expected += road.CalDetaH(road.GetSectionByLC(p.station), p.offset);
            ASSERT_EQ(p.height, expected) << trial << " " << p.station << " " << p.offset;
        }
    }
}

// On a road that runs back, or holds no numbers, the run ends with the broken walk; back from
// the end with key points it runs all the way to the start.
TEST(StakeOutRuns, RunsStopAtEndAndOnBrokenRoadsWithinTheStakeLimit)
{
    const std::tuple<double, StakeOutRun, Status, std::size_t> broken[] = {
        {-30, {1170, 1170, 20, false, true}, Status::WalkBroken, 7},
        {-30, {1200, 1000, 20, false, true, {-5, 5}}, Status::WalkBroken, 14},
        {-30, {1100, 1170, 20, false, true}, Status::WalkBroken, 1},
        {NAN, {1000, 1300, 20}, Status::NotANumber, 0},
        {NAN, {1000, 1000, 20, false, true}, Status::NotANumber, 0},
        {0, {1200, 1200, 20, false, true}, Status::Done, 11}};
    for (const auto& [middle, run, status, points] : broken)
        EXPECT_EQ(pointsOf(roadWithMiddleLine(middle), run, status).size(), points) << run.start;

    // A run stops at the last stake before End, one less than a millimetre beyond it still
    // counting, either way; no run meets more stakes than stakeLimit, of the size of a walk over
    // the whole road. Intervals and offsets too small or no numbers are refused.
    RoadBuilder curved(3380000, 500000, 0.4, 1000);
    const RoadSet road = curved.line(100).curve(-150, 50, 120, 50).line(100).build();
    const std::tuple<StakeOutRun, double, double> cases[] = {
        {{1000, 1199.9995, 20}, 1000, 1200},
        {{1000, 1199.998, 20}, 1000, 1180},
        {{1400, 1200.0005, 20}, 1400, 1200},
        {{1030, 1105, 20, false, true}, 1030, 1100},
        {{1105, 1030, 20, true, false}, 1105, 1040}};
    for (const auto& [run, first, last] : cases) {
        const auto points = pointsOf(road, run);
        EXPECT_TRUE(!points.empty() && points.front().station == first &&
                    points.back().station == last)
            << run.start << " to " << run.end;
    }
    const long all = pointsOf(road, {0, 2000, 20, true, true}).size();
    EXPECT_TRUE(all <= stakeLimit(road, 20) && stakeLimit(road, 20) < 2 * all);

    for (const double interval : {0.999, std::nan("")})
        pointsOf(road, {1000, 1100, interval}, Status::IntervalTooSmall);
    pointsOf(road, {1000, 1100, 20, false, false, {0, HUGE_VAL}}, Status::NotANumber);
    EXPECT_TRUE(pointsOf(RoadSet(), {0, 100, 20}).empty());
}

// Offset lists are read whole, or the unreadable entry is named and the list left alone.
TEST(StakeOutRuns, OffsetListsAreReadOrTheUnreadableEntryNamed)
{
    const auto parse = [](const char* text) {
        std::vector<double> offsets{42};
        std::string unreadable;
        const bool read = parseOffsets(text, offsets, unreadable);
        return std::make_tuple(read, offsets, unreadable);
    };
    const std::pair<const char*, std::vector<double>> read[] = {
        {"-7.5, 0, 7.5", {-7.5, 0, 7.5}}, {" 2.5 ", {2.5}}, {"", {0}}, {" \t", {0}}};
    for (const auto& [text, offsets] : read)
        EXPECT_EQ(parse(text), std::make_tuple(true, offsets, std::string())) << text;
    const std::pair<const char*, const char*> refused[] = {
        {"abc", "abc"},    {"7.5,,0", ""},     {"-7.5, 7,5x ,1", "5x"},
        {"0, nan", "nan"}, {"1e999", "1e999"}, {"7.5,", ""}};
    for (const auto& [text, entry] : refused)
        EXPECT_EQ(parse(text), std::make_tuple(false, std::vector<double>{42}, std::string(entry)))
            << text;
}

}  // namespace
