#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

RoadSet profile(std::initializer_list<std::array<double, 3>> points)
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

// A sharp grade change is served by the grade that ends there, the last station by the last
// grade; a tangent without a radius, as a file may hold, is no curve to divide by.
TEST(Profile, GradesCurvesAndRefusedProfiles)
{
    RoadSet road = profile({{0, 10, 0}, {100, 11, 0}, {200, 10, 0}});
    ASSERT_TRUE(road.ApplyVertical() == 0 && road.IsModified());
    double h = 0, g = 0;
    EXPECT_TRUE(road.CalElevation(50, &h, &g) && h == 10.5 && g == 0.01) << h << " " << g;
    EXPECT_TRUE(road.CalElevation(100, &h, &g) && h == 11 && g == 0.01) << h << " " << g;
    EXPECT_DOUBLE_EQ(heightAt(road, 200), 10);
    road.GetVertical(1)->tangent = 5;
    EXPECT_FALSE(road.CalElevation(-1, &h, &g) || road.CalElevation(201, &h, &g) ||
                 road.CalElevation(100, &h, &g));
    EXPECT_EQ(h + g, 11 + 0.01);  // outputs untouched
    EXPECT_TRUE(road.CalElevation(94, &h, &g));

    // Grades +2 % and -1 %, radius 2000: tangent 0.03 * 2000 / 2 = 30. Then a sag (-1.5 % to
    // +2.5 %) and a crest, where the slope is the height's derivative.
    road = profile({{0, 100, 0}, {100, 102, 2000}, {200, 101, 0}});
    ASSERT_TRUE(road.ApplyVertical() == 0 && road.GetVertical(1)->tangent == 30);
    EXPECT_NEAR(heightAt(road, 100), 102 - 0.225, 1e-12);
    EXPECT_NEAR(heightAt(road, 70), 100 + 70 * 0.02, 1e-12);
    EXPECT_NEAR(heightAt(road, 130), 102 - 30 * 0.01, 1e-12);

    road = profile({{0, 50, 0}, {400, 44, 3000}, {800, 54, 5000}, {1200, 50, 0}});
    ASSERT_EQ(road.ApplyVertical(), 0);
    for (double mile = 341.0; mile < 459.0; mile += 0.5) {
        ASSERT_TRUE(road.CalElevation(mile, &h, &g));
        EXPECT_NEAR(g, (heightAt(road, mile + 1e-4) - heightAt(road, mile - 1e-4)) / 2e-4, 1e-7);
    }
    EXPECT_TRUE(heightAt(road, 400) > 44 && heightAt(road, 800) < 54);  // sag above, crest below

    // One point is no profile (7); repeated or falling stations empty it (8).
    road = profile({{0, 10, 0}});
    EXPECT_EQ(road.ApplyVertical(), 7);
    EXPECT_EQ(road.NumberOfVertical() + road.IsModified() + road.CalElevation(0, &h, nullptr), 1);
    for (RoadSet bad :
         {profile({{0, 10, 0}, {50, 11, 0}, {50, 12, 0}}), profile({{100, 10, 0}, {50, 11, 0}})}) {
        EXPECT_EQ(bad.ApplyVertical(), 8);
        EXPECT_TRUE(bad.isVerticalEmpty() && bad.IsModified());
    }
}

// Sections stay in station order without overlaps; found with the end excluded. Differences are
// interpolated between breaks, beyond the last with the outermost slope that has a width.
TEST(Sections, OrderedFoundWithTheEndExcludedAndTheirHeightDifferences)
{
    RoadSet road;
    // Touching is fine; one fits into a gap.
    EXPECT_TRUE(road.AddSection({"second", "", 100, 200}) &&
                road.AddSection({"first", "", 0, 100}));
    EXPECT_FALSE(road.AddSection({"", "", 50, 150}) || road.AddSection({"", "", 20, 10}));
    EXPECT_TRUE(road.AddSection({"", "", -50, 0}) && road.AddSection({"", "", 300, 300}));
    EXPECT_TRUE(road.AddSection({"", "", 250, 280}) && !road.AddSection({"", "", 190, 260}));
    ASSERT_TRUE(road.NumberOfSections() == 5 && !road.IsModified());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(road.GetSection(i)->L1, (std::array<double, 5>{-50, 0, 100, 250, 300}[i]));
    EXPECT_EQ(road.GetSectionByLC(0)->left + road.GetSectionByLC(100)->left, "firstsecond");
    EXPECT_TRUE(!road.GetSectionByLC(200) && !road.GetSectionByLC(300));

    // One break is no template; breaks are sorted on use; a vertical step; no width at all.
    const std::vector<SectionItem> lanes = {{3.5, -0.07}, {4, -0.07}, {6, -2}}, one = {{3, -1}},
                                   unsorted = {{6, -2}, {3.5, -0.07}},
                                   step = {{2, 0}, {4, -1}, {4, -3}}, upright = {{4, -1}, {4, -3}};
    const std::tuple<std::vector<SectionItem>, double, double> cases[] = {
        {lanes, 2, -0.04},  {lanes, 3.75, -0.07}, {lanes, 5, -1.035}, {lanes, 7, -2.965},
        {lanes, -2, -0.04}, {lanes, 0, 0},        {one, 5, 0},        {unsorted, 2, -0.04},
        {step, 5, -3.5},    {step, 3, -0.5},      {upright, 5, -3},   {upright, 2, -0.5}};
    for (const auto& [breaks, offset, dh] : cases) {
        road.ClearAll();
        road.AddTemplate({breaks, "A"});
        road.AddSection({"A", "A", 0, 100});
        EXPECT_NEAR(road.CalDetaH(road.GetSectionByLC(50), offset), dh, 1e-12)
            << breaks.size() << " breaks, offset " << offset;
        EXPECT_FALSE(road.IsModified());
    }

    // Each side has its own template, found by exact name; the first of equal names counts.
    road.AddTemplate({{{2, 0.1}, {4, 0.5}}, "B"});
    road.AddTemplate({{{2, 9}, {4, 9}}, "B"});
    RoadSection* section = road.GetSectionByLC(50);
    section->left = "B";
    EXPECT_NEAR(road.CalDetaH(section, -3), 0.3, 1e-12);
    EXPECT_NEAR(road.CalDetaH(section, 3), -0.75, 1e-12);
    section->right = "a";  // names are case-sensitive
    EXPECT_EQ(road.CalDetaH(section, 3) + road.CalDetaH(nullptr, 3) + road.CalDetaH(section, NAN),
              0);
}

}  // namespace
