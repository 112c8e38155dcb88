// The as-built check (of the example road: through vantorel-stakeout): surveys read, placed.
#include "asbuilt.h"
#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

using Format = SurveyFormat;
constexpr Format kDetect = Format::Detect, kPnezd = Format::PnezdCsv, kCass = Format::CassDat;

// Five numbers fit both formats until a later line tells; refusals name the line and the fault.
TEST(SurveyFile, ReadsBothFormatsAndTellsThemApartOrWhatIsWrong)
{
    const std::tuple<const char*, Format, Format, const char*, double, double, double> read[] = {
        {"101,3381600.8,503258.2,158.1,K1+000L7.5\n", kDetect, kPnezd, "101", 3381600.8, 503258.2,
         158.1},
        {"\xEF\xBB\xBF 7 , 10.5, -3 ,2\r\n\r\n", kDetect, kPnezd, "7", 10.5, -3, 2},
        {"JD1,,500027.8,3381378.9,48.070", kDetect, kCass, "JD1", 3381378.9, 500027.8, 48.07},
        {"1,2,3,4,5\nA,B,3,4,5\n", kDetect, kCass, "1", 4, 3, 5},
        {"1,2,3,4,5\n", kPnezd, kPnezd, "1", 2, 3, 4},
        {"1,2,3,4,5\n", kCass, kCass, "1", 4, 3, 5}};
    for (const auto& [text, asked, format, name, x, y, height] : read) {
        const SurveyReading r = readSurvey(text, asked);
        ASSERT_TRUE(r.ok() && !r.points.empty()) << text << ": " << r.problem;
        const SurveyedPoint& p = r.points[0];
        EXPECT_EQ(std::make_tuple(r.format, p.name, p.x, p.y, p.height),
                  std::make_tuple(format, std::string(name), x, y, height))
            << text;
    }
    const std::tuple<const char*, Format, long, const char*> refused[] = {
        {"1,2,3,4\n\n2,5,x6,7\n", kDetect, 3, "the easting \"x6\" is not a number"},
        {"P1,,1,2,3\nP2,,1,2\n", kDetect, 2, "4 fields, where CASS DAT has 5"},
        {"P1,,1,2,3\nP2,,1,inf,3\n", kDetect, 2, "the X \"inf\" is not a number"},
        {"1,2,3\n", kDetect, 1, "neither a PNEZD CSV point"},
        {"1,2,3,4,5\n", kDetect, 0, "name the format"},
        {" \n\n", kDetect, 0, "no points"},
        {"1,2,3,4,5,6\n", kPnezd, 1, "6 fields, where PNEZD CSV has 4 or 5"}};
    for (const auto& [text, asked, line, problem] : refused) {
        const SurveyReading r = readSurvey(text, asked);
        EXPECT_TRUE(!r.ok() && r.points.empty() && r.line == line) << text;
        EXPECT_NE(r.problem.find(problem), std::string::npos) << text << ": " << r.problem;
    }
    EXPECT_FALSE(readSurveyFile("/dev/zero").ok());
}

// North 100 m, a kink to the north-east without curve, templates changing at station 60 by 0.2 m
// at 5 m. Outside the corner the corner is the nearest centre-line point; at the template change
// the station counts to the mm. The report rounds, signs no zero, leaves missing values empty.
TEST(AsBuiltCheck, FlagsPointsBeyondTheEndsPlacesThoseOutsideACornerAndReportsProgress)
{
    RoadSet road;
    for (const CrossEntity& p : {pointAt(0, 0), pointAt(100, 0), pointAt(200, 100)})
        road.InsertCross(p);
    int failed = 0;
    ASSERT_EQ(road.FromCrossWithAdjust(failed), 0);
    insertGrades(road, {{0, 10, 0}, {300, 13, 0}});
    ASSERT_EQ(road.ApplyVertical(), 0);
    road.AddTemplate({{{3, -0.06}, {10, -0.2}}, "A"});
    road.AddTemplate({{{3, 0.06}, {10, 0.2}}, "B"});
    ASSERT_TRUE(road.AddSection({"A", "A", 55, 60}) && road.AddSection({"B", "B", 60, 300}));
    const std::tuple<double, double, PointCheck::Place, double, double> cases[] = {
        {-5, 2, PointCheck::BeforeStart, -5, 2},
        {200 + 3, 100 + 3, PointCheck::AfterEnd, 100 + 103 * std::sqrt(2.0), 0},
        {50, -4, PointCheck::OnRoad, 50, -4},
        {101, -3, PointCheck::OnRoad, 100, -std::sqrt(10.0)},
        {59.9999996, 5, PointCheck::OnRoad, 59.9999996, 5}};
    std::vector<SurveyedPoint> survey;
    for (const auto& c : cases)
        survey.push_back({"p", std::get<0>(c), std::get<1>(c), 12.0});
    std::vector<PointCheck> checks;
    ASSERT_TRUE(checkSurvey(road, survey, checks));
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const auto& [x, y, place, station, offset] = cases[i];
        const PointCheck& c = checks[i];
        EXPECT_TRUE(c.place == place && c.hasDesign() == (place == PointCheck::OnRoad)) << i;
        EXPECT_NEAR(std::hypot(c.station - station, c.offset - offset), 0, 1e-9) << i;
    }
    EXPECT_NEAR(checks[2].difference, 12.0 - 10.5, 1e-9);
    EXPECT_NEAR(checks[4].design, 10.6 + 0.1, 1e-9);

    survey.push_back({"q", 50, 0, 10.5004});
    ASSERT_TRUE(checkSurvey(road, survey, checks));
    EXPECT_EQ(checkReport(survey, checks, {0, 2, 5}),
              "name,station,offset,measured height,design height,difference,cut/fill,beyond end\n"
              "p,-5.000,2.000,12.000,,,,start\n"
              "p,50.000,-4.000,12.000,10.500,1.500,cut,\n"
              "q,50.000,0.000,10.500,10.500,0.000,,\n");

    // Progress grows; a check asked to stop, or without an alignment, gives none.
    const RoadSet line = lineThenArc();
    survey.assign(50000, {"p", 50, 3, 0});
    std::size_t reported = 0;
    EXPECT_TRUE(checkSurvey(line, survey, checks, [&reported](std::size_t checked) {
        EXPECT_GE(checked, reported);
        reported = checked;
        return true;
    }));
    ASSERT_TRUE(reported == survey.size() && checks.size() == survey.size());
    EXPECT_NEAR(checks.back().station, 1050, 1e-9);
    EXPECT_TRUE(!checkSurvey(line, survey, checks, [](std::size_t) { return false; }) &&
                checks.empty());
    EXPECT_TRUE(!checkSurvey(RoadSet(), survey, checks) && checks.empty());
}

}  // namespace
