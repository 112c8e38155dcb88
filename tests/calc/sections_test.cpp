#include "roadset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

namespace {

RoadSection section(double L1, double L2, const std::string& left = "A",
                    const std::string& right = "A")
{
    RoadSection s;
    s.left = left;
    s.right = right;
    s.L1 = L1;
    s.L2 = L2;
    return s;
}

RoadTemplate roadTemplate(const std::string& name, std::initializer_list<SectionItem> items)
{
    RoadTemplate t;
    t.name = name;
    t.items = items;
    return t;
}

std::string ranges(const RoadSet& road)
{
    std::string s;
    for (int i = 0; i < road.NumberOfSections(); ++i) {
        const RoadSection& r = *road.GetSection(i);
        s += "[" + std::to_string(int(r.L1)) + "," + std::to_string(int(r.L2)) + ")";
    }
    return s;
}

TEST(Sections, KeptInStationOrderWithoutOverlaps)
{
    RoadSet road;
    EXPECT_TRUE(road.AddSection(section(100, 200)));
    EXPECT_TRUE(road.AddSection(section(0, 100)));  // touching is fine
    EXPECT_FALSE(road.AddSection(section(50, 150)));
    EXPECT_FALSE(road.AddSection(section(20, 10)));  // reversed
    EXPECT_TRUE(road.AddSection(section(-50, 0)));
    EXPECT_TRUE(road.AddSection(section(300, 300)));
    EXPECT_TRUE(road.AddSection(section(250, 280)));  // into the gap
    EXPECT_FALSE(road.AddSection(section(190, 260)));
    EXPECT_EQ(ranges(road), "[-50,0)[0,100)[100,200)[250,280)[300,300)");
    EXPECT_FALSE(road.IsModified());
}

TEST(Sections, FoundByStationWithTheEndExcluded)
{
    RoadSet road;
    road.AddSection(section(0, 100, "first"));
    road.AddSection(section(100, 200, "second"));
    road.AddSection(section(300, 300, "empty"));
    EXPECT_EQ(road.GetSectionByLC(0)->left, "first");
    EXPECT_EQ(road.GetSectionByLC(100)->left, "second");
    EXPECT_EQ(road.GetSectionByLC(200), nullptr);
    EXPECT_EQ(road.GetSectionByLC(300), nullptr);
    EXPECT_EQ(road.GetSectionByLC(-0.001), nullptr);
}

TEST(Templates, FoundByExactName)
{
    RoadSet road;
    road.AddTemplate(roadTemplate("A", {{1, 1}}));
    road.AddTemplate(roadTemplate("A", {{2, 2}}));
    ASSERT_NE(road.GetTemplateByName("A"), nullptr);
    EXPECT_EQ(road.GetTemplateByName("A")->items[0].dist, 1);  // the first of equal names
    EXPECT_EQ(road.GetTemplateByName("a"), nullptr);
    EXPECT_EQ(road.GetTemplateByName(""), nullptr);
}

class HeightDifference : public ::testing::Test
{
protected:
    void SetUp() override
    {
        road.AddTemplate(roadTemplate("A", {{3.5, -0.07}, {4, -0.07}, {6, -2}}));
        road.AddSection(section(0, 100, "A", "A"));
    }

    double at(double offset) { return road.CalDetaH(road.GetSectionByLC(50), offset); }

    RoadSet road;
};

TEST_F(HeightDifference, InterpolatedBetweenBreaksAndBeyondTheLast)
{
    EXPECT_NEAR(at(2), -0.04, 1e-12);  // from the centre line to the first break
    EXPECT_NEAR(at(3.75), -0.07, 1e-12);
    EXPECT_NEAR(at(5), -1.035, 1e-12);
    EXPECT_NEAR(at(7), -2.965, 1e-12);  // the outer slope continued
    EXPECT_NEAR(at(-2), -0.04, 1e-12);  // left side, same template
    EXPECT_EQ(at(0), 0);
}

TEST_F(HeightDifference, EachSideHasItsOwnTemplate)
{
    road.AddTemplate(roadTemplate("B", {{2, 0.1}, {4, 0.5}}));
    road.GetSection(0)->left = "B";
    EXPECT_NEAR(at(-3), 0.3, 1e-12);
    EXPECT_NEAR(at(3), -0.06, 1e-12);
    road.GetSection(0)->right = "missing";
    EXPECT_EQ(at(3), 0);
    EXPECT_EQ(road.CalDetaH(nullptr, 3), 0);
    EXPECT_EQ(road.CalDetaH(road.GetSection(0), NAN), 0);
}

TEST_F(HeightDifference, TooShortTemplateGivesNothing)
{
    road.GetTemplate(0)->items = {{3, -1}};
    EXPECT_EQ(at(1), 0);
    EXPECT_EQ(at(5), 0);
}

TEST_F(HeightDifference, BreaksAreSortedInTheStoredTemplate)
{
    road.GetTemplate(0)->items = {{6, -2}, {3.5, -0.07}};
    EXPECT_NEAR(at(2), -0.04, 1e-12);
    const std::vector<SectionItem>& items = road.GetTemplate(0)->items;
    EXPECT_EQ(items[0].dist, 3.5);
    EXPECT_EQ(items[1].dist, 6);
    EXPECT_FALSE(road.IsModified());
}

TEST_F(HeightDifference, VerticalStepAtTheEdgeStaysFinite)
{
    // Beyond a step the slope of the last segment with a width continues
    // from the outermost break.
    road.GetTemplate(0)->items = {{2, 0}, {4, -1}, {4, -3}};
    EXPECT_NEAR(at(5), -3.5, 1e-12);
    EXPECT_NEAR(at(3), -0.5, 1e-12);
    road.GetTemplate(0)->items = {{4, -1}, {4, -3}};
    EXPECT_EQ(at(5), -3);  // no width anywhere: the outermost height
    EXPECT_NEAR(at(2), -0.5, 1e-12);
}

}  // namespace
