// Heights: the grade line, and the height differences of the templates.
#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

RoadSet profile(std::initializer_list<GradePoint> points)
{
    RoadSet road;
    insertGrades(road, points);
    return road;
}

double heightAt(const RoadSet& road, double mile)
{
    double h = NAN;
    EXPECT_TRUE(road.CalElevation(mile, &h, nullptr)) << "at " << mile;
    return h;
}

TEST(Profile, GradesAndSharpGradeChanges)
{
    RoadSet road = profile({{0, 10, 0}, {100, 11, 0}, {200, 10, 0}});
    ASSERT_EQ(road.ApplyVertical(), 0);
    EXPECT_TRUE(road.IsModified());
    double h = 0, g = 0;
    ASSERT_TRUE(road.CalElevation(50, &h, &g));
    EXPECT_DOUBLE_EQ(h, 10.5);
    EXPECT_DOUBLE_EQ(g, 0.01);
    ASSERT_TRUE(road.CalElevation(100, &h, &g));
    EXPECT_DOUBLE_EQ(h, 11);
    EXPECT_DOUBLE_EQ(g, 0.01);                  // served by the grade that ends there
    EXPECT_DOUBLE_EQ(heightAt(road, 200), 10);  // the last station is on the grade

    h = g = -7;
    EXPECT_FALSE(road.CalElevation(-1, &h, &g));
    EXPECT_FALSE(road.CalElevation(201, &h, &g));
    // A tangent without a radius, as a file may hold, is no curve to divide
    // by: the station is then on neither grade.
    road.GetVertical(1)->tangent = 5;
    EXPECT_FALSE(road.CalElevation(100, &h, &g));
    EXPECT_EQ(h + g, -14);  // outputs untouched
    EXPECT_TRUE(road.CalElevation(94, &h, &g));
}

TEST(Profile, CurvesAreParabolasMeetingBothGrades)
{
    // Grades +2 % and -1 %, radius 2000: tangent 0.03 * 2000 / 2 = 30.
    RoadSet road = profile({{0, 100, 0}, {100, 102, 2000}, {200, 101, 0}});
    ASSERT_EQ(road.ApplyVertical(), 0);
    EXPECT_DOUBLE_EQ(road.GetVertical(1)->tangent, 30);
    EXPECT_NEAR(heightAt(road, 100), 102 - 0.225, 1e-12);
    EXPECT_NEAR(heightAt(road, 70), 100 + 70 * 0.02, 1e-12);
    EXPECT_NEAR(heightAt(road, 130), 102 - 30 * 0.01, 1e-12);

    // A sag (-1.5 % to +2.5 %) and a crest: the slope is the height's derivative.
    road = profile({{0, 50, 0}, {400, 44, 3000}, {800, 54, 5000}, {1200, 50, 0}});
    ASSERT_EQ(road.ApplyVertical(), 0);
    for (double mile = 341.0; mile < 459.0; mile += 0.5) {
        double h = 0, g = 0;
        ASSERT_TRUE(road.CalElevation(mile, &h, &g));
        const double rise = (heightAt(road, mile + 1e-4) - heightAt(road, mile - 1e-4)) / 2e-4;
        EXPECT_NEAR(g, rise, 1e-7) << "at " << mile;
    }
    EXPECT_GT(heightAt(road, 400), 44.0);  // a sag lies above its point
    EXPECT_LT(heightAt(road, 800), 54.0);  // a crest below
}

TEST(Profile, RefusedProfiles)
{
    RoadSet one = profile({{0, 10, 0}});
    EXPECT_EQ(one.ApplyVertical(), 7);
    EXPECT_EQ(one.NumberOfVertical(), 1);
    EXPECT_FALSE(one.IsModified());
    double h = 0;
    EXPECT_FALSE(one.CalElevation(0, &h, nullptr));

    for (RoadSet road :
         {profile({{0, 10, 0}, {50, 11, 0}, {50, 12, 0}}), profile({{100, 10, 0}, {50, 11, 0}})}) {
        EXPECT_EQ(road.ApplyVertical(), 8);
        EXPECT_TRUE(road.isVerticalEmpty());
        EXPECT_TRUE(road.IsModified());
    }
}

TEST(Sections, KeptInStationOrderWithoutOverlapsAndFoundWithTheEndExcluded)
{
    RoadSet road;
    EXPECT_TRUE(road.AddSection({"second", "", 100, 200}));
    EXPECT_TRUE(road.AddSection({"first", "", 0, 100}));  // touching is fine
    EXPECT_FALSE(road.AddSection({"", "", 50, 150}));
    EXPECT_FALSE(road.AddSection({"", "", 20, 10}));  // reversed
    EXPECT_TRUE(road.AddSection({"", "", -50, 0}));
    EXPECT_TRUE(road.AddSection({"", "", 300, 300}));
    EXPECT_TRUE(road.AddSection({"", "", 250, 280}));  // into the gap
    EXPECT_FALSE(road.AddSection({"", "", 190, 260}));
    ASSERT_EQ(road.NumberOfSections(), 5);
    const double starts[] = {-50, 0, 100, 250, 300};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(road.GetSection(i)->L1, starts[i]);
    EXPECT_FALSE(road.IsModified());

    EXPECT_EQ(road.GetSectionByLC(0)->left, "first");
    EXPECT_EQ(road.GetSectionByLC(100)->left, "second");
    EXPECT_EQ(road.GetSectionByLC(200), nullptr);
    EXPECT_EQ(road.GetSectionByLC(300), nullptr);
}

// Interpolated between breaks, from the centre line to the first, and
// beyond the last with the slope of the outermost segment that has a width.
TEST(HeightDifference, InterpolatedBetweenBreaksAndBeyondTheLast)
{
    const std::vector<SectionItem> lanes = {{3.5, -0.07}, {4, -0.07}, {6, -2}};
    const struct
    {
        std::vector<SectionItem> breaks;
        double offset, dh;
    } cases[] = {
        {lanes, 2, -0.04},
        {lanes, 3.75, -0.07},
        {lanes, 5, -1.035},
        {lanes, 7, -2.965},
        {lanes, -2, -0.04},
        {lanes, 0, 0},
        {{{3, -1}}, 5, 0},                      // one break: no template
        {{{6, -2}, {3.5, -0.07}}, 2, -0.04},    // sorted on use
        {{{2, 0}, {4, -1}, {4, -3}}, 5, -3.5},  // beyond a vertical step
        {{{2, 0}, {4, -1}, {4, -3}}, 3, -0.5},
        {{{4, -1}, {4, -3}}, 5, -3},  // no width anywhere: the outermost height
        {{{4, -1}, {4, -3}}, 2, -0.5},
    };
    for (const auto& c : cases) {
        RoadSet road;
        road.AddTemplate({c.breaks, "A"});
        road.AddSection({"A", "A", 0, 100});
        EXPECT_NEAR(road.CalDetaH(road.GetSectionByLC(50), c.offset), c.dh, 1e-12)
            << c.breaks.size() << " breaks, offset " << c.offset;
        EXPECT_FALSE(road.IsModified());
    }
}

TEST(HeightDifference, EachSideHasItsOwnTemplateFoundByExactName)
{
    RoadSet road;
    road.AddTemplate({{{3.5, -0.07}, {4, -0.07}}, "A"});
    road.AddTemplate({{{2, 0.1}, {4, 0.5}}, "B"});
    road.AddTemplate({{{2, 9}, {4, 9}}, "B"});  // only the first of equal names counts
    road.AddSection({"B", "A", 0, 100});
    RoadSection* section = road.GetSectionByLC(50);
    EXPECT_NEAR(road.CalDetaH(section, -3), 0.3, 1e-12);
    EXPECT_NEAR(road.CalDetaH(section, 3), -0.06, 1e-12);
    section->right = "a";  // names are case-sensitive
    EXPECT_EQ(road.CalDetaH(section, 3), 0);
    EXPECT_EQ(road.CalDetaH(nullptr, 3), 0);
    EXPECT_EQ(road.CalDetaH(section, NAN), 0);
}

}  // namespace
