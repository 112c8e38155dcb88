#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

// Ends belong to the earlier element, the start to element 1; 1 mm slack at the road ends. A
// boundary stake lies amid the touching ends, on the incoming azimuth; the tail is stored.
TEST(StationToPoint, EndsAndBoundariesBelongToTheNearestRealElement)
{
    RoadSet road = lineThenArc();
    double x = 0, y = 0, a = -1;
    ASSERT_TRUE(road.L2XY(1100, 0, &x, &y, &a));
    EXPECT_NEAR(std::hypot(x - 100, y), 0, 1e-12);
    EXPECT_EQ(a, road.GetHorizon(1)->angle2);
    ASSERT_TRUE(road.L2XY(1000, 0, &x, &y, &a));
    EXPECT_EQ(a, 0.0);
    ASSERT_TRUE(road.L2XY(1257.0806, 0, &x, &y) && road.L2XY(999.9995, 0, &x, &y));
    EXPECT_NEAR(x, -0.0005, 1e-9);
    x = y = 7;
    EXPECT_FALSE(road.L2XY(999.998, 0, &x, &y) || road.L2XY(1257.082, 0, &x, &y));
    EXPECT_EQ(x + y, 14);

    road.GetHorizon(2)->x1 += 0.002;  // ends that do not quite meet
    RoadIter it;
    it.stakeType = RoadIter::Main;
    it.index = 2;
    it.station = 1100;
    EXPECT_EQ(road.L2XY(it, 0, &x, &y, &a), 3);
    EXPECT_NEAR(x, 100.001, 1e-12);
    EXPECT_EQ(a, road.GetHorizon(1)->angle2);
    it.stakeType = RoadIter::Tail;
    EXPECT_EQ(road.L2XY(it, 1, &x, &y, &a), 2);
    const RoadEntity& last = *road.GetHorizon(2);
    EXPECT_NEAR(std::hypot(x - last.x2 + std::sin(a), y - last.y2 - std::cos(a)), 0, 1e-12);
    EXPECT_EQ(a, last.angle2);
    road.ClearHorizon();
    road.InsertHorizonPoint(0, 0, 0);
    EXPECT_FALSE(road.L2XY(0, 0, &x, &y));  // a start point alone
}

// North, a left half circle of radius 30, back south: the return leg's chord middle lies nearer,
// its foot 63 m away. Outside a corner without a curve no element faces the point.
TEST(PointToStation, OnAHairpinTheLegNearestThePointWinsAndCornersFaceNothing)
{
    const RoadSet road = RoadBuilder(0, 0, 0, 0).line(400).arc(-30, 30 * kPi).line(100).build();
    double x = 0, y = 0, L = 0, a = 0, offset = 0;
    ASSERT_TRUE(road.XY2L(350, 3, &x, &y, &L, &a, &offset));
    EXPECT_NEAR(std::hypot(L - 350, offset - 3), 0, 1e-9);
    ASSERT_TRUE(road.XY2L(350, -63, &x, &y, &L, &a, &offset));
    EXPECT_NEAR(std::hypot(L - 400 - 30 * kPi - 50, offset - 3), 0, 1e-9);

    RoadSet corner = RoadBuilder(0, 0, 0, 0).line(100).build();
    RoadEntity east;
    ASSERT_EQ(east.set(1, 100, 0, kPi / 2, 0, 0, 100, 3), 0);
    corner.InsertHorizon(east);
    ASSERT_EQ(corner.ApplyHorizon(), 0);
    x = y = 5;
    EXPECT_FALSE(corner.XY2L(110, -10, &x, &y));
    EXPECT_EQ(x + y, 10);
    EXPECT_TRUE(corner.XY2L(50, 10, &x, &y));
}

// A point set off a station of a winding road comes back to that station, offset and azimuth
// unless XY2L finds another leg nearer to it.
TEST(StationsRoundTrip, PointsBesideWindingRoadsComeBackToTheirStationAndOffset)
{
    int checked = 0;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        const RoadSet road = windingRoad(seed, 12);
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> station(1000.5, endOf(road) - 0.5), side(-15, 15);
        for (int i = 0; i < 120; ++i) {
            const double L = station(random), o = side(random);
            double px = 0, py = 0, a = 0, fx = 0, fy = 0, bL = 0, bA = 0, bO = 0;
            road.L2XY(L, o, &px, &py, &a);
            ASSERT_TRUE(road.XY2L(px, py, &fx, &fy, &bL, &bA, &bO)) << L;
            if (std::fabs(bO) < std::fabs(o) - 1e-3)
                continue;  // a nearer leg
            EXPECT_LT(std::hypot(bL - L, bO - o) + std::fabs(std::remainder(bA - a, 2 * kPi)), 1e-3)
                << "road " << seed << " station " << L << " offset " << o;
            ++checked;
        }
    }
    EXPECT_GT(checked, 900);
}

}  // namespace
