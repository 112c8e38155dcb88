// The stake-out run and its lines: the bytes of today's export kept, points
// square to the centre line, runs that end at End or on broken roads.
#include "stakeout.h"
#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

namespace {

const std::string kExampleRoad = VANTOREL_TEST_DATA "/../../examples/example-road.rod";

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<StakePoint> pointsOf(const RoadSet& road, const StakeOutRun& run,
                                 StakeOutStatus expected = StakeOutStatus::Done)
{
    std::vector<StakePoint> points;
    EXPECT_EQ(stakeOut(road, run, [&points](const StakePoint& p) { points.push_back(p); }),
              expected);
    return points;
}

StakeOutRun runOf(double start, double end, double interval, std::vector<double> offsets,
                  bool integral = false, bool keyPoints = false)
{
    StakeOutRun run;
    run.start = start;
    run.end = end;
    run.interval = interval;
    run.offsets = std::move(offsets);
    run.integral = integral;
    run.keyPoints = keyPoints;
    return run;
}

std::string textOf(const std::vector<StakePoint>& points, StakeFormat format, int first = 1)
{
    StakeText text(format, first);
    for (const StakePoint& p : points)
        text.add(p);
    return text.text();
}

std::vector<std::string> fieldsOf(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    return fields;
}

// Numbers are written from their integer digits where they can be; what
// they show must be what printf and to_chars show, halves included. The
// station of a Station CSV line is written as it is.
TEST(StakeFormats, NumbersAreThoseOfPrintfAtEveryMagnitude)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::vector<double> values = {0.0,    -0.0,      -0.0004, 0.0625,    2.5,
                                  1.0005, 1.2344999, 1e300,   -HUGE_VAL, 4503599627370.4995};
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::pow(10.0, i % 16 - 3);
        values.push_back(unit(random) * magnitude);
        // Decimal halves as doubles land a hair on either side of the half.
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
    // Coordinates and heights a hair below a half millimetre are lifted over it.
    StakeText nudged(StakeFormat::StationCsv);
    nudged.add(StakePoint{1.2344999, 0, 1.2344999, 2, 0});
    EXPECT_EQ(nudged.text(), "1.234,1.235,2.000,0.000\n");
    EXPECT_EQ(surveyedText(1.2344999), "1.235");
}

// Captured from the Export dialog before the run moved into the library.
TEST(StationCsv, ExampleRoadIsWrittenByteForByteAsBefore)
{
    RoadSet road;
    ASSERT_TRUE(road.Load(kExampleRoad));
    const struct
    {
        const char* file;
        StakeOutRun run;
    } cases[] = {
        {"forward-20", runOf(0, 4120, 20, {0})},
        {"backward-prime-integral-right", runOf(4120, 0, 20, {7.5}, true, true)},
        {"forward-prime-integral-left", runOf(1003.5, 3000, 25, {-7.5}, true, true)},
        {"back-to-start-left", runOf(2000, 2000, 10, {-3.2}, false, true)},
    };
    for (const auto& c : cases) {
        const std::string expected =
            readFile(VANTOREL_TEST_DATA "/stakeout/" + std::string(c.file) + ".csv");
        ASSERT_FALSE(expected.empty()) << c.file;
        StakeText text(StakeFormat::StationCsv);
        EXPECT_EQ(stakeOut(road, c.run, text), StakeOutStatus::Done) << c.file;
        EXPECT_EQ(text.text(), expected) << c.file;
    }
}

// Line 100, spiral-arc-spiral of radius 150, line 100: tight enough to
// matter, and no point faces two elements.
RoadSet curvedRoad()
{
    return RoadBuilder(3380000, 500000, 0.4, 1000)
        .line(100)
        .curve(-150, 50, 120, 50)
        .line(100)
        .build();
}

// Inside the road's ends, where every point faces one element: PNEZD lines
// numbered from 41 (number, northing, easting, elevation, name), offsets
// named left to right.
TEST(StakeFormats, PointsLieSquareToTheCentreLineAtTheirStationAndOffset)
{
    const RoadSet road = curvedRoad();
    const std::vector<StakePoint> points = pointsOf(road, runOf(1020, 1400, 20, {7.5, -7.5, 0}));
    ASSERT_EQ(points.size(), 3u * 20);
    EXPECT_EQ(stakePointName(points[3]) + " " + stakePointName(points[4]) + " " +
                  stakePointName(points[5]),
              "K1+040.000L7.500 K1+040.000 K1+040.000R7.500");
    std::istringstream pnezd(textOf(points, StakeFormat::PnezdCsv, 41));
    std::string line;
    for (std::size_t i = 0; i < points.size(); ++i) {
        ASSERT_TRUE(std::getline(pnezd, line));
        const std::vector<std::string> f = fieldsOf(line);
        ASSERT_EQ(f.size(), 5u) << line;
        EXPECT_EQ(f[0] + " " + f[4], std::to_string(41 + i) + " " + stakePointName(points[i]));
        double x = 0, y = 0, L = 0, angle = 0, offset = 0;
        ASSERT_TRUE(road.XY2L(std::stod(f[1]), std::stod(f[2]), &x, &y, &L, &angle, &offset));
        EXPECT_NEAR(L, points[i].station, 0.001) << line;
        EXPECT_NEAR(offset, points[i].offset, 0.001) << line;
    }
}

TEST(StakeFormats, NamesCarryTheSideOnlyOffTheCentreLine)
{
    const std::pair<StakePoint, const char*> cases[] = {
        {{-13.5, 0.0005}, "K-0+013.500"},
        {{1234.5, -0.0015}, "K1+234.500L0.002"},
        {{99999.9996, 12.25}, "K100+000.000R12.250"},
    };
    for (const auto& [point, name] : cases)
        EXPECT_EQ(stakePointName(point), name);
}

// The run finds grade points and sections by bisection where their order
// allows it; its heights must be those of CalElevation and CalDetaH at the
// station, on profiles whose curves overlap and sections with gaps too.
TEST(StakeOutRuns, HeightsAreThoseOfTheProfileAndTheSectionAtTheStation)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> height(90, 110), radius(0, 40000), mile(950, 1300);
    for (int trial = 0; trial < 200; ++trial) {
        RoadSet road = lineThenArc();
        // Grade points on stakes, some without a curve, and beyond the road.
        const int points = 2 + trial % 6;
        for (int i = 0; i < points; ++i) {
            const double curve = i % 3 == 1 ? 0.0 : radius(random);
            insertGrades(road, {{958 + 49.0 * i, height(random), curve}});
        }
        road.ApplyVertical();
        road.AddTemplate({{{2, -0.04}, {3.5, -0.07}, {8, 1}}, "A"});
        road.AddTemplate({{{6, -2}, {3.5, -0.07}}, "B"});
        for (int i = 0; i < trial % 5; ++i) {
            const double from = mile(random);
            road.AddSection({"A", i % 2 ? "B" : "missing", from, from + radius(random) / 400});
        }
        const std::vector<StakePoint> run =
            pointsOf(road, runOf(1000, 1257.08, 7, {-7.5, -3, 0, 0.0005, 3, 7.5}, false, true));
        ASSERT_FALSE(run.empty());
        for (const StakePoint& p : run) {
            double expected = 0.0;
            road.CalElevation(p.station, &expected, nullptr);
            if (std::fabs(p.offset) > 0.001)
                expected += road.CalDetaH(road.GetSectionByLC(p.station), p.offset);
            ASSERT_EQ(p.height, expected) << trial << " " << p.station << " " << p.offset;
        }
    }
}

// The watchdog: more points than such a road can have throws out of the run.
struct Runaway
{};

TEST(StakeOutRuns, EndOnRoadsThatRunBackHaveNoLengthOrNoNumbers)
{
    const struct
    {
        double middle;
        StakeOutRun run;
        StakeOutStatus status;
        std::size_t points;
    } cases[] = {
        {-30, runOf(1170, 1170, 20, {0}, false, true), StakeOutStatus::WalkBroken, 7},
        {-30, runOf(1200, 1000, 20, {-5, 5}, false, true), StakeOutStatus::WalkBroken, 14},
        {-30, runOf(1100, 1170, 20, {0}, false, true), StakeOutStatus::WalkBroken, 1},
        {std::nan(""), runOf(1000, 1300, 20, {0}), StakeOutStatus::NotANumber, 0},
        {std::nan(""), runOf(1000, 1000, 20, {0}, false, true), StakeOutStatus::NotANumber, 0},
        // Back from the end with key points: all the way to the start.
        {0, runOf(1200, 1200, 20, {0}, false, true), StakeOutStatus::Done, 11},
    };
    for (const auto& c : cases) {
        const RoadSet road = roadWithMiddleLine(c.middle);
        std::vector<double> stations;
        const auto visit = [&stations](const StakePoint& p) {
            if (stations.size() > 100)
                throw Runaway();
            stations.push_back(p.station);
        };
        StakeOutStatus status = StakeOutStatus::Done;
        ASSERT_NO_THROW(status = stakeOut(road, c.run, visit)) << c.middle << " " << c.run.start;
        EXPECT_EQ(status, c.status) << c.middle << " " << c.run.start;
        EXPECT_EQ(stations.size(), c.points) << c.middle << " " << c.run.start;
    }
}

// A run stops at the last stake before End, one less than a millimetre
// beyond it still counting, walking either way. No run on a road meets more stakes than
// stakeLimit, which is of the size of a walk over the whole road.
TEST(StakeOutRuns, RunsStopAtEndEitherWayWithinTheStakeLimit)
{
    const RoadSet road = curvedRoad();
    const struct
    {
        StakeOutRun run;
        double first, last;
    } cases[] = {{runOf(1000, 1199.9995, 20, {0}), 1000, 1200},
                 {runOf(1400, 1200.0005, 20, {0}), 1400, 1200},
                 {runOf(1030, 1105, 20, {0}, false, true), 1030, 1100},
                 {runOf(1105, 1030, 20, {0}, true), 1105, 1040}};
    for (const auto& c : cases) {
        const std::vector<StakePoint> points = pointsOf(road, c.run);
        ASSERT_FALSE(points.empty());
        EXPECT_EQ(points.front().station, c.first) << c.run.start << " to " << c.run.end;
        EXPECT_EQ(points.back().station, c.last) << c.run.start << " to " << c.run.end;
    }
    const auto all = pointsOf(road, runOf(0, 2000, 20, {0}, true, true)).size();
    EXPECT_LE(all, stakeLimit(road, 20));
    EXPECT_LT(stakeLimit(road, 20), 2 * all);
}

TEST(StakeOutRuns, RefuseIntervalsAndOffsetsThatAreTooSmallOrNoNumbers)
{
    const RoadSet road = curvedRoad();
    pointsOf(road, runOf(1000, 1100, 0.999, {0}), StakeOutStatus::IntervalTooSmall);
    pointsOf(road, runOf(1000, 1100, std::nan(""), {0}), StakeOutStatus::IntervalTooSmall);
    pointsOf(road, runOf(1000, 1100, 20, {0, HUGE_VAL}), StakeOutStatus::NotANumber);
    RoadSet empty;
    EXPECT_TRUE(pointsOf(empty, runOf(0, 100, 20, {0})).empty());
}

TEST(StakeOutRuns, OffsetListsAreReadOrTheUnreadableEntryNamed)
{
    const std::pair<const char*, std::vector<double>> read[] = {
        {"-7.5, 0, 7.5", {-7.5, 0, 7.5}}, {" 2.5 ", {2.5}}, {"", {0}}, {" \t", {0}}};
    for (const auto& [text, expected] : read) {
        std::vector<double> offsets;
        std::string unreadable;
        EXPECT_TRUE(parseOffsets(text, offsets, unreadable)) << text;
        EXPECT_EQ(offsets, expected) << text;
    }
    const std::pair<const char*, const char*> refused[] = {
        {"abc", "abc"},    {"7.5,,0", ""},     {"-7.5, 7,5x ,1", "5x"},
        {"0, nan", "nan"}, {"1e999", "1e999"}, {"7.5,", ""}};
    for (const auto& [text, entry] : refused) {
        std::vector<double> offsets{42};
        std::string unreadable;
        EXPECT_FALSE(parseOffsets(text, offsets, unreadable)) << text;
        EXPECT_EQ(unreadable, entry) << text;
        EXPECT_EQ(offsets, std::vector<double>{42}) << text;
    }
}

}  // namespace
