// The as-built check in the library: surveyed points read from both field
// formats, placed beyond the ends and outside a corner, reported. The
// check of the example road runs through vantorel-stakeout.
#include "asbuilt.h"
#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SurveyFile, ReadsBothFormatsAndTellsThemApart)
{
    const struct
    {
        const char* text;
        SurveyFormat asked;
        SurveyFormat read;
        const char* name;
        double x, y, height;
    } cases[] = {
        {"101,3381600.874,503258.26,158.187,K1+000.000L7.500\n", SurveyFormat::Detect,
         SurveyFormat::PnezdCsv, "101", 3381600.874, 503258.26, 158.187},
        {"\xEF\xBB\xBF 7 , 10.5, -3 ,2\r\n\r\n", SurveyFormat::Detect, SurveyFormat::PnezdCsv, "7",
         10.5, -3, 2},
        {"JD1,,500027.871,3381378.925,48.070", SurveyFormat::Detect, SurveyFormat::CassDat, "JD1",
         3381378.925, 500027.871, 48.07},
        // Five numbers fit both until a later line tells.
        {"1,2,3,4,5\nA,B,3,4,5\n", SurveyFormat::Detect, SurveyFormat::CassDat, "1", 4, 3, 5},
        {"1,2,3,4,5\n", SurveyFormat::PnezdCsv, SurveyFormat::PnezdCsv, "1", 2, 3, 4},
        {"1,2,3,4,5\n", SurveyFormat::CassDat, SurveyFormat::CassDat, "1", 4, 3, 5},
    };
    for (const auto& c : cases) {
        const SurveyReading r = readSurvey(c.text, c.asked);
        ASSERT_TRUE(r.ok()) << c.text << ": " << r.problem;
        EXPECT_EQ(r.format, c.read) << c.text;
        ASSERT_FALSE(r.points.empty());
        EXPECT_EQ(r.points[0].name, c.name);
        EXPECT_EQ(r.points[0].x, c.x);
        EXPECT_EQ(r.points[0].y, c.y);
        EXPECT_EQ(r.points[0].height, c.height);
    }
}

TEST(SurveyFile, RefusesWithTheLineAndWhatIsWrong)
{
    const struct
    {
        const char* text;
        SurveyFormat asked;
        long line;
        const char* problem;
    } cases[] = {
        {"1,2,3,4\n\n2,5,x6,7\n", SurveyFormat::Detect, 3, "the easting \"x6\" is not a number"},
        {"P1,,1,2,3\nP2,,1,2\n", SurveyFormat::Detect, 2, "4 fields, where CASS DAT has 5"},
        {"P1,,1,2,3\nP2,,1,inf,3\n", SurveyFormat::Detect, 2, "the X \"inf\" is not a number"},
        {"1,2,3\n", SurveyFormat::Detect, 1, "neither a PNEZD CSV point"},
        {"1,2,3,4,5\n", SurveyFormat::Detect, 0, "name the format"},
        {" \n\n", SurveyFormat::Detect, 0, "no points"},
        {"1,2,3,4,5,6\n", SurveyFormat::PnezdCsv, 1, "6 fields, where PNEZD CSV has 4 or 5"},
    };
    for (const auto& c : cases) {
        const SurveyReading r = readSurvey(c.text, c.asked);
        EXPECT_FALSE(r.ok()) << c.text;
        EXPECT_TRUE(r.points.empty()) << c.text;
        EXPECT_EQ(r.line, c.line) << c.text;
        EXPECT_NE(r.problem.find(c.problem), std::string::npos) << c.text << ": " << r.problem;
    }
    EXPECT_FALSE(readSurveyFile("/dev/zero").ok());
}

TEST(AsBuiltCheck, FlagsPointsBeyondTheEndsAndPlacesThoseOutsideACorner)
{
    // North 100 m, then a straight kink to the north-east, no curve.
    RoadSet road;
    for (const CrossEntity& p : {pointAt(0, 0), pointAt(100, 0), pointAt(200, 100)})
        road.InsertCross(p);
    int failed = 0;
    ASSERT_EQ(road.FromCrossWithAdjust(failed), 0);
    insertGrades(road, {{0, 10, 0}, {300, 13, 0}});
    ASSERT_EQ(road.ApplyVertical(), 0);
    // Templates that change at station 60 by 0.2 m at 5 m.
    road.AddTemplate({{{3, -0.06}, {10, -0.2}}, "A"});
    road.AddTemplate({{{3, 0.06}, {10, 0.2}}, "B"});
    ASSERT_TRUE(road.AddSection({"A", "A", 55, 60}));
    ASSERT_TRUE(road.AddSection({"B", "B", 60, 300}));
    const double end = 100 + 100 * std::sqrt(2.0);

    const struct
    {
        double x, y;
        PointCheck::Place place;
        double station, offset;
    } cases[] = {
        {-5, 2, PointCheck::BeforeStart, -5, 2},
        {200 + 3, 100 + 3, PointCheck::AfterEnd, end + 3 * std::sqrt(2.0), 0},
        {50, -4, PointCheck::OnRoad, 50, -4},
        // Outside the corner: the corner itself is the nearest centre-line point.
        {101, -3, PointCheck::OnRoad, 100, -std::sqrt(10.0)},
        // At the template change as reported, to the millimetre.
        {59.9999996, 5, PointCheck::OnRoad, 59.9999996, 5},
    };
    std::vector<SurveyedPoint> survey;
    for (const auto& c : cases)
        survey.push_back({"p", c.x, c.y, 12.0});
    std::vector<PointCheck> checks;
    ASSERT_TRUE(checkSurvey(road, survey, checks));
    for (std::size_t i = 0; i < checks.size(); ++i) {
        EXPECT_EQ(checks[i].place, cases[i].place) << i;
        EXPECT_NEAR(checks[i].station, cases[i].station, 1e-9) << i;
        EXPECT_NEAR(checks[i].offset, cases[i].offset, 1e-9) << i;
        EXPECT_EQ(checks[i].hasDesign(), cases[i].place == PointCheck::OnRoad) << i;
    }
    EXPECT_NEAR(checks[2].difference, 12.0 - 10.5, 1e-9);
    EXPECT_NEAR(checks[4].design, 10.6 + 0.1, 1e-9);

    // The report: rounded values, no sign on a zero, nothing where there is no value.
    survey.push_back({"q", 50, 0, 10.5004});
    ASSERT_TRUE(checkSurvey(road, survey, checks));
    EXPECT_EQ(checkReport(survey, checks, {0, 2, 5}),
              "name,station,offset,measured height,design height,difference,cut/fill,beyond end\n"
              "p,-5.000,2.000,12.000,,,,start\n"
              "p,50.000,-4.000,12.000,10.500,1.500,cut,\n"
              "q,50.000,0.000,10.500,10.500,0.000,,\n");
}

TEST(AsBuiltCheck, ReportsProgressStopsWhenAskedAndNeedsAnAlignment)
{
    const RoadSet road = lineThenArc();
    const std::vector<SurveyedPoint> survey(50000, {"p", 50, 3, 0});
    std::vector<PointCheck> checks;
    std::size_t reported = 0;
    EXPECT_TRUE(checkSurvey(road, survey, checks, [&reported](std::size_t checked) {
        EXPECT_GE(checked, reported);
        reported = checked;
        return true;
    }));
    EXPECT_EQ(reported, survey.size());
    ASSERT_EQ(checks.size(), survey.size());
    EXPECT_NEAR(checks.back().station, 1050, 1e-9);

    EXPECT_FALSE(checkSurvey(road, survey, checks, [](std::size_t) { return false; }));
    EXPECT_TRUE(checks.empty());
    EXPECT_FALSE(checkSurvey(RoadSet(), survey, checks));
    EXPECT_TRUE(checks.empty());
}

}  // namespace
