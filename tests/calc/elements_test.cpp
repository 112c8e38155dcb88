#include "roadset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

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

// A spiral needs two curvatures of one sign; an arc's radius is checked before its length, which
// must be a number of a millimetre or more. Turn and curvatures come from the signed radius.
TEST(ElementSet, RefusesWhatCannotBeBuiltTakesTheSignedRadiusAndFitsThreePoints)
{
    const double nan = std::nan("");
    const std::tuple<int, double, double, double, int> cases[] = {
        {3, 0, 0, 100, 4}, {3, 300, -300, 100, 5}, {2, 0, 0, 0.0001, 3},  {1, 0, 0, 0.0005, -1},
        {1, 0, 0, 0, -1},  {1, 0, 0, -30, -1},     {2, 100, 0, -30, -1},  {1, 0, 0, nan, -1},
        {4, 0, 0, 100, 9}, {0, 0, 0, 100, 9},      {2, nan, nan, 100, 9}, {1, 0, 0, HUGE_VAL, -1}};
    for (const auto& [type, R1, R2, length, code] : cases)
        EXPECT_EQ(RoadEntity().set(type, 0, 0, 0, R1, R2, length, 0), code)
            << type << " " << R1 << " " << R2 << " " << length;
    EXPECT_EQ(RoadEntity().set(1, nan, 0, 0, 0, 0, 100, 0), 9);
    EXPECT_EQ(RoadEntity().set(3, 0, 0, 0, 300, 300.0000005, 100, 0), 4);

    const RoadEntity left = element(3, 0, -300, 100, 0, 0, -0.5),
                     right = element(3, 1000, 300, 100, 0, 0, 7), two = element(2, -200, 999, 50);
    EXPECT_EQ(std::make_tuple(left.pz, left.rou1, left.rou2, left.angle1),
              std::make_tuple(0, 0.0, 1.0 / 300, kTwoPi - 0.5));
    EXPECT_EQ(std::make_tuple(right.pz, right.rou1, right.angle1),
              std::make_tuple(1, 0.001, 7 - kTwoPi));
    EXPECT_EQ(std::make_tuple(two.radius, two.pz, two.rou1, two.rou2),  // an arc ignores R2
              std::make_tuple(200.0, 0, 0.005, 0.005));

    // A left turn through π, then arcs where the middle point decides which way round the circle
    // they run; three points on a line give no arc and leave the centre alone.
    RoadEntity arc;
    double centre[2] = {0, 0};
    const double w = 7.0710678118654755;
    const std::tuple<std::array<double, 6>, double, int> arcs[] = {
        {{0, 0, 10, 10, 20, 0}, kPi, 0},
        {{10, 0, -6, -8, 0, 10}, 1.5 * kPi, 0},
        {{10, 0, w, w, 0, 10}, kPi / 2, 1}};
    for (const auto& [pts, turn, pz] : arcs) {
        ASSERT_EQ(arc.ArcFrom3P(pts.data(), centre), 0);
        EXPECT_NEAR(std::hypot(arc.radius - 10, arc.length - 10 * turn), 0, 1e-9) << turn;
        EXPECT_EQ(arc.pz, pz) << turn;
        if (turn == kPi) {
            EXPECT_NEAR(std::hypot(centre[0] - 10, centre[1]), 0, 1e-12);
            EXPECT_NEAR(std::hypot(arc.angle1 - kPi / 2, arc.angle2 - 3 * kPi / 2), 0, 1e-12);
        }
    }
    const double collinear[6] = {0, 0, 5, 5, 10, 10};
    centre[0] = -1;
    EXPECT_TRUE(arc.ArcFrom3P(collinear, centre) == 1 && centre[0] == -1);
}

// Inside a line is strict. A foot 1 m before an arc's start, or far along a 270° loop, has its
// station run on; an arc's inside is judged by the angle turned, also across north (the last
// two rows: radius, length, azimuth, station from the start).
TEST(Projection, PointsComeBackToTheirStationAndFaceOnlyTheElementsTheyLieBeside)
{
    const RoadEntity line = element(1, 0, 0, 100);
    double x = 0, y = 0, L = 0;
    EXPECT_FALSE(line.XY2L(0, 5, &x, &y, &L, nullptr, nullptr));  // level with the start
    EXPECT_DOUBLE_EQ(L, 500);
    EXPECT_TRUE(line.XY2L(0.001, 5, &x, &y, &L, nullptr, nullptr));
    EXPECT_FALSE(line.XY2L(100, 1, &x, &y, nullptr, nullptr, nullptr));
    EXPECT_FALSE(RoadEntity().XY2L(1, 1, &x, &y, nullptr, nullptr, nullptr));

    const double west = kTwoPi - 0.3;
    for (const auto& [radius, length, azimuth, s] : {std::tuple{100.0, 50.0, 0.0, -1.0},
                                                     {-100, 50, 0, -1},
                                                     {50, 75 * kPi, 0, 65 * kPi},
                                                     {100, 60, west, 40},
                                                     {100, 60, west, 70}}) {
        const RoadEntity arc = element(2, radius, radius, length, 0, 0, azimuth);
        double px = 0, py = 0;
        arc.L2XY(arc.l1 + s, &px, &py, nullptr);
        const bool inside = arc.XY2L(px, py, &x, &y, &L, nullptr, nullptr);
        EXPECT_NEAR(L, arc.l1 + s, 1e-9) << radius << " " << s;
        EXPECT_TRUE(azimuth == 0 || inside == (s < length)) << s;
    }

    // A transition, an exit, loop ramps of 2.5 rad both ways and a full circle. Degenerate input
    // (the start, far on the normal, a flat secant, a stored end on the start) gives no NaN.
    const double cases[][3] = {{0, 250, 80},  {300, 0, 100}, {0, 30, 150},
                               {0, -30, 150}, {40, 20, 120}, {0, 20, 251}};
    for (const auto& [R1, R2, length] : cases) {
        const RoadEntity spiral = element(3, R1, R2, length, 3e6, 5e5, 0.4);
        for (double s = 0.5; s < length; s += 3.7)
            for (const double offset : {-8.0, -2.0, 3.0, 8.0}) {
                double px = 0, py = 0, a = 0, x = 0, y = 0, L = 0, backOffset = 0;
                spiral.L2XY(spiral.l1 + s, &px, &py, &a);
                spiral.XY2L(px - offset * std::sin(a), py + offset * std::cos(a), &x, &y, &L, &a,
                            &backOffset);
                ASSERT_LT(std::hypot(L - spiral.l1 - s, backOffset - offset), 1e-8)
                    << R1 << " " << R2 << " station " << s << " offset " << offset;
            }
    }
    RoadEntity spiral = element(3, 0, 200, 100, 1000, 2000, 1.2);
    const auto finite = [&spiral](double px, double py) {
        double out[5] = {};
        spiral.XY2L(px, py, &out[0], &out[1], &out[2], &out[3], &out[4]);
        return std::all_of(out, out + 5, [](double v) { return std::isfinite(v); });
    };
    EXPECT_TRUE(finite(spiral.x1, spiral.y1) && finite(1e7, -1e7) &&
                finite(spiral.x1 - 1e6 * std::cos(1.2), spiral.y1));
    spiral.x2 = spiral.x1;
    spiral.y2 = spiral.y1;
    spiral.angle2 = spiral.angle1;
    EXPECT_TRUE(finite(spiral.x1 + 5, spiral.y1));
}

}  // namespace
