#include "roadset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

TEST(ElementSet, RefusesWhatCannotBeBuilt)
{
    const double nan = std::nan("");
    // A spiral needs two different curvatures of one sign; an arc's radius is
    // checked before its length; a length must be a number of a millimetre
    // or more (a negative one would run the chain backwards).
    const struct
    {
        int type;
        double x, R1, R2, length;
        int code;
    } cases[] = {{3, 0, 0, 0, 100, 4},      {3, 0, 300, 300.0000005, 100, 4},
                 {3, 0, 300, -300, 100, 5}, {2, 0, 0, 0, 0.0001, 3},
                 {1, 0, 0, 0, 0.0005, -1},  {1, 0, 0, 0, 0, -1},
                 {1, 0, 0, 0, -30, -1},     {2, 0, 100, 0, -30, -1},
                 {1, 0, 0, 0, nan, -1},     {1, 0, 0, 0, HUGE_VAL, -1},
                 {4, 0, 0, 0, 100, 9},      {0, 0, 0, 0, 100, 9},
                 {1, nan, 0, 0, 100, 9},    {2, 0, nan, nan, 100, 9}};
    for (const auto& c : cases) {
        RoadEntity e;
        EXPECT_EQ(e.set(c.type, c.x, 0, 0, c.R1, c.R2, c.length, 0), c.code)
            << c.type << " " << c.R1 << " " << c.R2 << " " << c.length;
    }
}

TEST(ElementSet, TurnAndCurvatureComeFromTheSignedRadius)
{
    RoadEntity e;
    ASSERT_EQ(e.set(3, 0, 0, -0.5, 0, -300, 100, 3), 0);
    EXPECT_EQ(std::make_tuple(e.pz, e.rou1, e.rou2), std::make_tuple(0, 0.0, 1.0 / 300));
    EXPECT_DOUBLE_EQ(e.angle1, kTwoPi - 0.5);
    ASSERT_EQ(e.set(3, 0, 0, 7.0, 1000, 300, 100, 0), 0);
    EXPECT_EQ(std::make_tuple(e.pz, e.rou1), std::make_tuple(1, 1.0 / 1000));
    EXPECT_DOUBLE_EQ(e.angle1, 7.0 - kTwoPi);
    ASSERT_EQ(e.set(2, 0, 0, 0, -200, 999, 50, 0), 0);  // an arc ignores R2
    EXPECT_EQ(std::make_tuple(e.radius, e.pz, e.rou1, e.rou2),
              std::make_tuple(200.0, 0, 0.005, 0.005));
}

// An element at station 500 from (x, y) on azimuth a, its end filled in.
RoadEntity element(int type, double r1, double r2, double length, double x = 0, double y = 0,
                   double a = 0)
{
    RoadEntity e;
    EXPECT_EQ(e.set(type, x, y, a, r1, r2, length, 0), 0);
    e.l1 = 500;
    e.L2XY(e.l1 + length, &e.x2, &e.y2, &e.angle2);
    return e;
}

TEST(LineProjection, InsideIsStrict)
{
    const RoadEntity line = element(1, 0, 0, 100);
    double x = 0, y = 0, L = 0;
    EXPECT_FALSE(line.XY2L(0, 5, &x, &y, &L, nullptr, nullptr));  // level with the start
    EXPECT_DOUBLE_EQ(L, 500);
    EXPECT_TRUE(line.XY2L(0.001, 5, &x, &y, &L, nullptr, nullptr));
    EXPECT_FALSE(line.XY2L(100, 1, &x, &y, nullptr, nullptr, nullptr));
    EXPECT_FALSE(RoadEntity().XY2L(1, 1, &x, &y, nullptr, nullptr, nullptr));  // a start point
}

TEST(ArcProjection, StationRunsOnAcrossTheArcStart)
{
    // Radius, length, station from the start: a foot 1 m before the start lies
    // 2π − ε round the circle, as does one far along a 270° loop.
    const double cases[][3] = {{100, 50, -1}, {-100, 50, -1}, {50, 75 * kPi, 65 * kPi}};
    for (const auto& [radius, length, s] : cases) {
        const RoadEntity arc = element(2, radius, radius, length);
        double px = 0, py = 0, x = 0, y = 0, L = 0, azimuth = 0;
        arc.L2XY(arc.l1 + s, &px, &py, nullptr);
        arc.XY2L(px, py, &x, &y, &L, &azimuth, nullptr);
        EXPECT_NEAR(L, arc.l1 + s, 1e-9) << "radius " << radius;
    }
    // Inside is judged by the angle turned, also where the direction passes
    // north: heading 0.3 rad west of it, turning 0.6 rad right.
    const RoadEntity north = element(2, 100, 100, 60, 0, 0, 2 * kPi - 0.3);
    for (const auto& [s, inside] : {std::pair{40.0, true}, {70.0, false}}) {
        double px = 0, py = 0, x = 0, y = 0;
        north.L2XY(north.l1 + s, &px, &py, nullptr);
        EXPECT_EQ(north.XY2L(px + 1, py, &x, &y, nullptr, nullptr, nullptr), inside) << s;
    }
}

TEST(SpiralProjection, PointsBesideSpiralsAndLoopRampsComeBackToTheirStationAndOffset)
{
    // Start and end radius, length: an ordinary transition, an exit, loop
    // ramps of 2.5 rad both ways and one turning a full circle.
    const double cases[][3] = {{0, 250, 80},  {300, 0, 100}, {0, 30, 150},
                               {0, -30, 150}, {40, 20, 120}, {0, 20, 251}};
    for (const auto& [R1, R2, length] : cases) {
        const RoadEntity spiral = element(3, R1, R2, length, 3e6, 5e5, 0.4);
        for (double s = 0.5; s < length; s += 3.7) {
            for (const double offset : {-8.0, -2.0, 3.0, 8.0}) {
                double px = 0, py = 0, a = 0, x = 0, y = 0, L = 0, backOffset = 0;
                spiral.L2XY(spiral.l1 + s, &px, &py, &a);
                px -= offset * std::sin(a);
                py += offset * std::cos(a);
                spiral.XY2L(px, py, &x, &y, &L, &a, &backOffset);
                ASSERT_NEAR(L, spiral.l1 + s, 1e-8) << R1 << " " << R2 << " offset " << offset;
                ASSERT_NEAR(backOffset, offset, 1e-8) << R1 << " " << R2 << " station " << s;
            }
        }
    }
}

TEST(SpiralProjection, DegenerateInputGivesNoNaN)
{
    const auto finite = [](const RoadEntity& e, double px, double py) {
        double x = 0, y = 0, L = 0, azimuth = 0, offset = 0;
        e.XY2L(px, py, &x, &y, &L, &azimuth, &offset);
        return std::isfinite(x) && std::isfinite(y) && std::isfinite(L) && std::isfinite(azimuth) &&
               std::isfinite(offset);
    };
    RoadEntity spiral = element(3, 0, 200, 100, 1000, 2000, 1.2);
    EXPECT_TRUE(finite(spiral, spiral.x1, spiral.y1));
    EXPECT_TRUE(finite(spiral, 1e7, -1e7));                                   // far on the normal
    EXPECT_TRUE(finite(spiral, spiral.x1 - 1e6 * std::cos(1.2), spiral.y1));  // flat secant
    spiral.x2 = spiral.x1;  // a stored end on the start: flat secant at once
    spiral.y2 = spiral.y1;
    spiral.angle2 = spiral.angle1;
    EXPECT_TRUE(finite(spiral, spiral.x1 + 5, spiral.y1));
}

TEST(ArcFrom3P, FitsTheArcThroughThreePoints)
{
    RoadEntity arc;
    double centre[2] = {0, 0};
    const double pts[6] = {0, 0, 10, 10, 20, 0};  // a left turn through π
    ASSERT_EQ(arc.ArcFrom3P(pts, centre), 0);
    EXPECT_NEAR(std::hypot(centre[0] - 10, centre[1]), 0, 1e-12);
    EXPECT_NEAR(arc.radius, 10, 1e-12);
    EXPECT_EQ(arc.pz, 0);
    EXPECT_NEAR(arc.length, 10 * kPi, 1e-9);
    EXPECT_NEAR(arc.angle1, kPi / 2, 1e-12);
    EXPECT_NEAR(arc.angle2, 3 * kPi / 2, 1e-12);

    // The middle point decides which way round the circle the arc runs.
    const double longWay[6] = {10, 0, -6, -8, 0, 10};
    ASSERT_EQ(arc.ArcFrom3P(longWay, centre), 0);
    EXPECT_NEAR(arc.length, 10 * 1.5 * kPi, 1e-9);
    const double shortWay[6] = {10, 0, 7.0710678118654755, 7.0710678118654755, 0, 10};
    ASSERT_EQ(arc.ArcFrom3P(shortWay, centre), 0);
    EXPECT_NEAR(arc.length, 10 * kPi / 2, 1e-9);
    EXPECT_EQ(arc.pz, 1);  // clockwise

    const double collinear[6] = {0, 0, 5, 5, 10, 10};
    centre[0] = -1;
    EXPECT_EQ(arc.ArcFrom3P(collinear, centre), 1);
    EXPECT_EQ(centre[0], -1);
}

}  // namespace
