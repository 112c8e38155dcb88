#include "roadset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

TEST(ElementSet, RefusesWhatCannotBeBuilt)
{
    RoadEntity e;
    EXPECT_EQ(e.set(3, 0, 0, 0, 0, 0, 100, 0), 4);
    EXPECT_EQ(e.set(3, 0, 0, 0, 300, 300.0000005, 100, 0), 4);
    EXPECT_EQ(e.set(3, 0, 0, 0, 300, -300, 100, 0), 5);
    EXPECT_EQ(e.set(2, 0, 0, 0, 0, 0, 0.0001, 0), 3);  // radius checked before length
    EXPECT_EQ(e.set(1, 0, 0, 0, 0, 0, 0.0005, 0), -1);
    EXPECT_EQ(e.set(4, 0, 0, 0, 0, 0, 100, 0), 9);
    EXPECT_EQ(e.set(0, 0, 0, 0, 0, 0, 100, 0), 9);
}

TEST(ElementSet, RefusesNumbersThatAreNotNumbers)
{
    RoadEntity e;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(e.set(1, nan, 0, 0, 0, 0, 100, 0), 9);
    EXPECT_EQ(e.set(2, 0, 0, 0, nan, nan, 100, 0), 9);
    EXPECT_EQ(e.set(1, 0, 0, 0, 0, 0, HUGE_VAL, 0), 9);
}

TEST(ElementSet, SpiralTakesItsTurnFromTheSignedRadius)
{
    RoadEntity e;
    ASSERT_EQ(e.set(3, 0, 0, 0, 0, -300, 100, 3), 0);
    EXPECT_EQ(e.pz, 0);
    EXPECT_EQ(e.rou1, 0);
    EXPECT_DOUBLE_EQ(e.rou2, 1.0 / 300);
    EXPECT_EQ(e.radius, 0);
    EXPECT_EQ(e.mode, 3);

    ASSERT_EQ(e.set(3, 0, 0, 0, 1000, 300, 100, 0), 0);
    EXPECT_EQ(e.pz, 1);
    EXPECT_DOUBLE_EQ(e.rou1, 1.0 / 1000);
}

TEST(ElementSet, ArcStoresRadiusAndTurn)
{
    RoadEntity e;
    ASSERT_EQ(e.set(2, 0, 0, 0, -200, 999, 50, 0), 0);
    EXPECT_EQ(e.radius, 200);
    EXPECT_EQ(e.pz, 0);
    EXPECT_DOUBLE_EQ(e.rou1, 0.005);
    EXPECT_DOUBLE_EQ(e.rou2, 0.005);
    ASSERT_EQ(e.set(2, 0, 0, 0, 200, 0, 50, 0), 0);
    EXPECT_EQ(e.pz, 1);
}

TEST(ElementSet, StartAzimuthIsBroughtIntoOneTurn)
{
    RoadEntity e;
    ASSERT_EQ(e.set(1, 0, 0, -0.5, 0, 0, 10, 0), 0);
    EXPECT_DOUBLE_EQ(e.angle1, kTwoPi - 0.5);
    ASSERT_EQ(e.set(1, 0, 0, 7.0, 0, 0, 10, 0), 0);
    EXPECT_DOUBLE_EQ(e.angle1, 7.0 - kTwoPi);
}

TEST(ElementReset, StoresItsSixFieldsOnly)
{
    RoadEntity e;
    ASSERT_EQ(e.set(2, 1, 2, 0.3, 200, 200, 50, 3), 0);
    e.Reset(5, 6, -1.0, 70, 1000, 0);
    EXPECT_EQ(e.x1, 5);
    EXPECT_EQ(e.y1, 6);
    EXPECT_DOUBLE_EQ(e.angle1, kTwoPi - 1.0);
    EXPECT_EQ(e.length, 70);
    EXPECT_EQ(e.l1, 1000);
    EXPECT_EQ(e.mode, 0);
    EXPECT_EQ(e.radius, 200);
}

RoadEntity lineNorth(double length)
{
    RoadEntity e;
    EXPECT_EQ(e.set(1, 0, 0, 0, 0, 0, length, 0), 0);
    e.l1 = 1000;
    e.L2XY(e.l1 + length, &e.x2, &e.y2, &e.angle2);
    return e;
}

TEST(LineProjection, InsideIsStrictAndOffsetsAreSigned)
{
    const RoadEntity line = lineNorth(100);
    double x = 0, y = 0, L = 0, a = 0, offset = 0;
    EXPECT_FALSE(line.XY2L(0, 5, &x, &y, &L, &a, &offset));  // level with the start
    EXPECT_DOUBLE_EQ(L, 1000);

    EXPECT_TRUE(line.XY2L(50, 3, &x, &y, &L, &a, &offset));
    EXPECT_NEAR(x, 50, 1e-12);
    EXPECT_NEAR(y, 0, 1e-12);
    EXPECT_NEAR(L, 1050, 1e-12);
    EXPECT_NEAR(offset, 3, 1e-12);  // east of a northbound line is its right
    EXPECT_TRUE(line.XY2L(50, -3, &x, &y, &L, &a, &offset));
    EXPECT_NEAR(offset, -3, 1e-12);
    EXPECT_FALSE(line.XY2L(100, 1, &x, &y, nullptr, nullptr, nullptr));
}

RoadEntity arcFrom(double x, double y, double azimuth, double radius, double length)
{
    RoadEntity e;
    EXPECT_EQ(e.set(2, x, y, azimuth, radius, radius, length, 0), 0);
    e.l1 = 500;
    e.L2XY(e.l1 + length, &e.x2, &e.y2, &e.angle2);
    return e;
}

TEST(ArcPoint, QuarterCircleEndsWhereGeometrySays)
{
    const RoadEntity right = arcFrom(0, 0, 0, 100, 100 * kPi / 2);
    EXPECT_NEAR(right.x2, 100, 1e-9);
    EXPECT_NEAR(right.y2, 100, 1e-9);
    EXPECT_NEAR(right.angle2, kPi / 2, 1e-12);

    const RoadEntity left = arcFrom(0, 0, 0, -100, 100 * kPi / 2);
    EXPECT_NEAR(left.x2, 100, 1e-9);
    EXPECT_NEAR(left.y2, -100, 1e-9);
    EXPECT_NEAR(left.angle2, 3 * kPi / 2, 1e-12);
}

TEST(ArcProjection, RecoversStationAndOffsetOnBothSides)
{
    for (double radius : {150.0, -150.0}) {
        const RoadEntity arc = arcFrom(10, 20, 0.7, radius, 120);
        for (double s : {5.0, 60.0, 115.0}) {
            for (double side : {-4.0, 4.0}) {
                double cx = 0, cy = 0, a = 0;
                arc.L2XY(arc.l1 + s, &cx, &cy, &a);
                const double px = cx + side * std::cos(a + kPi / 2);
                const double py = cy + side * std::sin(a + kPi / 2);
                double x = 0, y = 0, L = 0, azimuth = 0, offset = 0;
                EXPECT_TRUE(arc.XY2L(px, py, &x, &y, &L, &azimuth, &offset));
                EXPECT_NEAR(L, arc.l1 + s, 1e-9);
                EXPECT_NEAR(offset, side, 1e-9);
                EXPECT_NEAR(azimuth, a, 1e-12);
            }
        }
    }
}

TEST(ArcProjection, FootJustBeforeTheStartGetsAStationJustBeforeIt)
{
    for (double radius : {100.0, -100.0}) {
        const RoadEntity arc = arcFrom(0, 0, 0, radius, 50);
        double x = 0, y = 0, L = 0, azimuth = 0;
        // 1 m behind the start on the extended circle.
        double px = 0, py = 0;
        arc.L2XY(arc.l1 - 1, &px, &py, nullptr);
        arc.XY2L(px, py, &x, &y, &L, &azimuth, nullptr);
        EXPECT_NEAR(L, arc.l1 - 1, 1e-9) << "radius " << radius;
    }
}

TEST(ArcProjection, LoopLongerThanAHalfCircleKeepsItsStations)
{
    const RoadEntity loop = arcFrom(0, 0, 0, 50, 50 * 1.5 * kPi);  // 270°
    double px = 0, py = 0;
    loop.L2XY(loop.l1 + 50 * 1.3 * kPi, &px, &py, nullptr);
    double x = 0, y = 0, L = 0, azimuth = 0;
    loop.XY2L(px, py, &x, &y, &L, &azimuth, nullptr);
    EXPECT_NEAR(L, loop.l1 + 50 * 1.3 * kPi, 1e-9);
}

RoadEntity spiralFrom(double r1, double r2, double length)
{
    RoadEntity e;
    EXPECT_EQ(e.set(3, 1000, 2000, 1.2, r1, r2, length, 0), 0);
    e.l1 = 300;
    e.L2XY(e.l1 + length, &e.x2, &e.y2, &e.angle2);
    return e;
}

TEST(SpiralProjection, FindsTheFootOfPointsBesideTheSpiral)
{
    for (const RoadEntity& spiral :
         {spiralFrom(0, 200, 100), spiralFrom(0, -200, 100), spiralFrom(1000, 300, 80)}) {
        for (double s : {3.0, 50.0, 97.0}) {
            for (double side : {-6.0, 6.0}) {
                double cx = 0, cy = 0, a = 0;
                spiral.L2XY(spiral.l1 + s, &cx, &cy, &a);
                const double px = cx + side * std::cos(a + kPi / 2);
                const double py = cy + side * std::sin(a + kPi / 2);
                double x = 0, y = 0, L = 0, azimuth = 0, offset = 0;
                EXPECT_TRUE(spiral.XY2L(px, py, &x, &y, &L, &azimuth, &offset));
                // The search stops on a 1 mm station change.
                EXPECT_NEAR(L, spiral.l1 + s, 0.002);
                EXPECT_NEAR(offset, side, 0.002);
            }
        }
    }
}

TEST(SpiralProjection, DegenerateInputGivesNoNaN)
{
    RoadEntity spiral = spiralFrom(0, 200, 100);
    double x = 0, y = 0, L = 0, azimuth = 0, offset = 0;
    // The start point itself, a point on the start normal far away, and a
    // point where the secant is flat.
    for (auto [px, py] : {std::pair{spiral.x1, spiral.y1}, std::pair{1e7, -1e7},
                          std::pair{spiral.x1 - 1e6 * std::cos(1.2), spiral.y1}}) {
        spiral.XY2L(px, py, &x, &y, &L, &azimuth, &offset);
        EXPECT_TRUE(std::isfinite(x) && std::isfinite(y) && std::isfinite(L));
        EXPECT_TRUE(std::isfinite(azimuth) && std::isfinite(offset));
    }
    // A spiral whose stored end equals its start (flat secant at once).
    spiral.x2 = spiral.x1;
    spiral.y2 = spiral.y1;
    spiral.angle2 = spiral.angle1;
    spiral.XY2L(spiral.x1 + 5, spiral.y1, &x, &y, &L, &azimuth, &offset);
    EXPECT_TRUE(std::isfinite(L) && std::isfinite(offset));
}

TEST(ElementProjection, StartPointIsNoCandidate)
{
    RoadEntity start;
    double x = 0, y = 0;
    EXPECT_FALSE(start.XY2L(1, 1, &x, &y, nullptr, nullptr, nullptr));
}

TEST(ArcFrom3P, FitsTheCircleThroughThreePoints)
{
    RoadEntity arc;
    arc.type = 2;
    const double pts[6] = {0, 0, 10, 10, 20, 0};
    double centre[2] = {0, 0};
    ASSERT_EQ(arc.ArcFrom3P(pts, centre), 0);
    EXPECT_NEAR(centre[0], 10, 1e-12);
    EXPECT_NEAR(centre[1], 0, 1e-12);
    EXPECT_NEAR(arc.radius, 10, 1e-12);
    EXPECT_EQ(arc.pz, 0);
    EXPECT_NEAR(arc.length, 10 * kPi, 1e-9);
    EXPECT_NEAR(arc.angle1, kPi / 2, 1e-12);
    EXPECT_NEAR(arc.angle2, 3 * kPi / 2, 1e-12);
    EXPECT_EQ(arc.x2, 20);
    EXPECT_EQ(arc.y2, 0);
}

TEST(ArcFrom3P, BuiltArcPassesThroughAllThreePoints)
{
    const double pts[6] = {0, 0, 100, 100, 0, 200};  // clockwise round (0, 100)
    RoadEntity arc;
    double centre[2] = {0, 0};
    ASSERT_EQ(arc.ArcFrom3P(pts, centre), 0);
    EXPECT_NEAR(centre[0], 0, 1e-9);
    EXPECT_NEAR(centre[1], 100, 1e-9);
    EXPECT_EQ(arc.pz, 1);
    RoadEntity built;
    ASSERT_EQ(built.set(2, arc.x1, arc.y1, arc.angle1, arc.radius, arc.radius, arc.length, 3), 0);
    double x = 0, y = 0, a = 0;
    built.L2XY(built.length / 2, &x, &y, &a);
    EXPECT_NEAR(x, 100, 1e-9);
    EXPECT_NEAR(y, 100, 1e-9);
    built.L2XY(built.length, &x, &y, &a);
    EXPECT_NEAR(x, 0, 1e-9);
    EXPECT_NEAR(y, 200, 1e-9);
    EXPECT_NEAR(a, arc.angle2, 1e-12);
}

TEST(ArcFrom3P, MiddlePointOnTheLongWayRoundGivesTheLongArc)
{
    // P2 lies on the far side of the circle from the short P1-P3 arc.
    const double pts[6] = {10, 0, -6, -8, 0, 10};
    RoadEntity arc;
    double centre[2] = {0, 0};
    ASSERT_EQ(arc.ArcFrom3P(pts, centre), 0);
    EXPECT_NEAR(arc.length, 10 * 1.5 * kPi, 1e-9);
    const double shortWay[6] = {10, 0, 7.0710678118654755, 7.0710678118654755, 0, 10};
    ASSERT_EQ(arc.ArcFrom3P(shortWay, centre), 0);
    EXPECT_NEAR(arc.length, 10 * kPi / 2, 1e-9);
}

TEST(ArcFrom3P, CollinearPointsAreRefused)
{
    RoadEntity arc;
    const double pts[6] = {0, 0, 5, 5, 10, 10};
    double centre[2] = {-1, -1};
    EXPECT_EQ(arc.ArcFrom3P(pts, centre), 1);
    EXPECT_EQ(centre[0], -1);
}

}  // namespace
