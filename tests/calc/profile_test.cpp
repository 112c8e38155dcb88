#include "roadset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

namespace {

struct GradePoint
{
    double mile;
    double height;
    double radius;
};

RoadSet profile(std::initializer_list<GradePoint> points)
{
    RoadSet road;
    for (const GradePoint& p : points) {
        VerticalEntity v;
        v.mile = p.mile;
        v.height = p.height;
        v.radius = p.radius;
        road.InsertVertical(v);
    }
    return road;
}

double heightAt(const RoadSet& road, double mile)
{
    double h = NAN;
    EXPECT_TRUE(road.CalElevation(mile, &h, nullptr)) << "at " << mile;
    return h;
}

TEST(Profile, OneGradeBetweenTwoPoints)
{
    RoadSet road = profile({{0, 100, 0}, {100, 101, 0}});
    ASSERT_EQ(road.ApplyVertical(), 0);
    EXPECT_TRUE(road.IsModified());
    EXPECT_DOUBLE_EQ(road.GetVertical(0)->slope, 0.01);

    double h = 0, g = 0;
    ASSERT_TRUE(road.CalElevation(50, &h, &g));
    EXPECT_DOUBLE_EQ(h, 100.5);
    EXPECT_DOUBLE_EQ(g, 0.01);
    EXPECT_DOUBLE_EQ(heightAt(road, 100), 101);  // the last station is on the grade

    h = g = -7;
    EXPECT_FALSE(road.CalElevation(-1, &h, &g));
    EXPECT_FALSE(road.CalElevation(101, &h, &g));
    EXPECT_EQ(h, -7);  // outputs untouched outside the profile
    EXPECT_EQ(g, -7);
}

TEST(Profile, CrestCurveMeetsBothGrades)
{
    // Grades +2 % and -1 %, radius 2000: tangent 0.03 * 2000 / 2 = 30.
    RoadSet road = profile({{0, 100, 0}, {100, 102, 2000}, {200, 101, 0}});
    ASSERT_EQ(road.ApplyVertical(), 0);
    EXPECT_DOUBLE_EQ(road.GetVertical(1)->tangent, 30);

    EXPECT_NEAR(heightAt(road, 100), 102 - 0.225, 1e-12);
    EXPECT_NEAR(heightAt(road, 70), 100 + 70 * 0.02, 1e-12);
    EXPECT_NEAR(heightAt(road, 130), 102 - 30 * 0.01, 1e-12);
    double h = 0, g = 0;
    ASSERT_TRUE(road.CalElevation(100, &h, &g));
    EXPECT_NEAR(g, 0.005, 1e-12);  // halfway between the grades
    ASSERT_TRUE(road.CalElevation(129.999, &h, &g));
    EXPECT_NEAR(g, -0.01, 1e-6);
}

TEST(Profile, CurveIsAParabolaWhoseSlopeIsItsDerivative)
{
    // A sag (-1.5 % to +2.5 %) and a crest, each checked across its length.
    RoadSet road = profile({{0, 50, 0}, {400, 44, 3000}, {800, 54, 5000}, {1200, 50, 0}});
    ASSERT_EQ(road.ApplyVertical(), 0);
    for (double mile = 341.0; mile < 459.0; mile += 0.5) {
        double h = 0, g = 0;
        ASSERT_TRUE(road.CalElevation(mile, &h, &g));
        const double step = 1e-4;
        const double rise =
            (heightAt(road, mile + step) - heightAt(road, mile - step)) / (2 * step);
        EXPECT_NEAR(g, rise, 1e-7) << "at " << mile;
    }
    EXPECT_GT(heightAt(road, 400), 44.0);  // a sag lies above its point
    EXPECT_LT(heightAt(road, 800), 54.0);  // a crest below
}

TEST(Profile, PointWithoutRadiusIsASharpGradeChange)
{
    RoadSet road = profile({{0, 10, 0}, {50, 11, 0}, {100, 10, 0}});
    ASSERT_EQ(road.ApplyVertical(), 0);
    EXPECT_EQ(road.GetVertical(1)->tangent, 0);
    double h = 0, g = 0;
    ASSERT_TRUE(road.CalElevation(50, &h, &g));
    EXPECT_DOUBLE_EQ(h, 11);
    EXPECT_DOUBLE_EQ(g, 0.02);  // served by the grade that ends there

    // A tangent without a radius, as a file may hold, is no curve to divide
    // by: the station is then on neither grade.
    road.GetVertical(1)->tangent = 5;
    h = -7;
    EXPECT_FALSE(road.CalElevation(50, &h, &g));
    EXPECT_EQ(h, -7);
    EXPECT_TRUE(road.CalElevation(44, &h, &g));
}

TEST(Profile, RefusedProfiles)
{
    RoadSet one = profile({{0, 10, 0}});
    EXPECT_EQ(one.ApplyVertical(), 7);
    EXPECT_EQ(one.NumberOfVertical(), 1);
    EXPECT_FALSE(one.IsModified());
    double h = 0;
    EXPECT_FALSE(one.CalElevation(0, &h, nullptr));

    RoadSet repeated = profile({{0, 10, 0}, {50, 11, 0}, {50, 12, 0}});
    EXPECT_EQ(repeated.ApplyVertical(), 8);
    EXPECT_EQ(repeated.NumberOfVertical(), 0);
    EXPECT_TRUE(repeated.IsModified());

    RoadSet reversed = profile({{100, 10, 0}, {50, 11, 0}});
    EXPECT_EQ(reversed.ApplyVertical(), 8);
    EXPECT_TRUE(reversed.isVerticalEmpty());
}

}  // namespace
