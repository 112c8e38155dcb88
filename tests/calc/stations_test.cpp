#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

TEST(StationToPoint, EndsAndBoundariesBelongToTheNearestRealElement)
{
    const RoadSet road = lineThenArc();
    double x = 0, y = 0, a = -1;
    ASSERT_TRUE(road.L2XY(1100, 0, &x, &y, &a));  // the earlier element's end
    EXPECT_NEAR(std::hypot(x - 100, y), 0, 1e-12);
    EXPECT_EQ(a, road.GetHorizon(1)->angle2);
    ASSERT_TRUE(road.L2XY(1000, 0, &x, &y, &a));  // element 1, not the start point
    EXPECT_EQ(a, 0.0);

    // A millimetre of slack at the road ends; outputs untouched beyond.
    ASSERT_TRUE(road.L2XY(999.9995, 0, &x, &y));
    EXPECT_NEAR(x, -0.0005, 1e-9);
    EXPECT_TRUE(road.L2XY(1257.0806, 0, &x, &y));
    x = y = 7;
    EXPECT_FALSE(road.L2XY(999.998, 0, &x, &y));
    EXPECT_FALSE(road.L2XY(1257.082, 0, &x, &y));
    EXPECT_EQ(x + y, 14);
    RoadSet startOnly;
    startOnly.InsertHorizonPoint(0, 0, 0);
    EXPECT_FALSE(startOnly.L2XY(0, 0, &x, &y));
}

TEST(PointToStation, OutsideACornerWithoutCurveFacesNoElement)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0).line(100).build();
    RoadEntity east;
    ASSERT_EQ(east.set(1, 100, 0, std::acos(-1) / 2, 0, 0, 100, 3), 0);
    road.InsertHorizon(east);
    ASSERT_EQ(road.ApplyHorizon(), 0);
    double x = 5, y = 5;
    EXPECT_FALSE(road.XY2L(110, -10, &x, &y));
    EXPECT_EQ(x, 5);
    EXPECT_TRUE(road.XY2L(50, 10, &x, &y));
}

TEST(StakeToPoint, BoundaryIsTheMiddleOfTheTouchingEndsAndRoadEndsAreStored)
{
    RoadSet road = lineThenArc();
    road.GetHorizon(2)->x1 += 0.002;  // ends that do not quite meet
    RoadIter it;
    it.stakeType = RoadIter::Main;
    it.index = 2;
    it.station = 1100;
    double x = 0, y = 0, a = -1;
    EXPECT_EQ(road.L2XY(it, 0, &x, &y, &a), 3);
    EXPECT_NEAR(x, 100.001, 1e-12);
    EXPECT_EQ(a, road.GetHorizon(1)->angle2);  // the incoming azimuth

    it.stakeType = RoadIter::Tail;
    EXPECT_EQ(road.L2XY(it, 1, &x, &y, &a), 2);
    const RoadEntity& last = *road.GetHorizon(2);
    EXPECT_NEAR(std::hypot(x - last.x2 + std::sin(a), y - last.y2 - std::cos(a)), 0, 1e-12);
    EXPECT_EQ(a, last.angle2);
}

TEST(PointToStation, OnAHairpinTheLegNearestThePointWins)
{
    // 400 m north, a left half circle of radius 30, 100 m back south: the
    // return leg's chord middle lies nearer, its foot 63 m away. Positive
    // offsets lie to the right; the outputs beside the foot are optional.
    const RoadSet road =
        RoadBuilder(0, 0, 0, 0).line(400).arc(-30, 30 * std::acos(-1)).line(100).build();
    double x = 0, y = 0, L = 0, a = 0, offset = 0;
    ASSERT_TRUE(road.XY2L(350, 3, &x, &y, &L, &a, &offset));
    EXPECT_NEAR(L, 350, 1e-9);
    EXPECT_NEAR(offset, 3, 1e-9);
    ASSERT_TRUE(road.XY2L(350, -63, &x, &y, &L, &a, &offset));
    EXPECT_NEAR(L, 400 + 30 * std::acos(-1) + 50, 1e-9);
    EXPECT_NEAR(offset, 3, 1e-9);
    EXPECT_TRUE(road.XY2L(350, 3, &x, &y));
}

// A point set off a station of a winding road comes back to that station
// and offset wherever it lies nearer its own leg than half the distance to
// any other leg.
TEST(StationsRoundTrip, PointsBesideWindingRoadsComeBackToTheirStationAndOffset)
{
    int checked = 0;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        const RoadSet road = windingRoad(seed, 12);
        const RoadEntity& last = *road.GetHorizon(road.NumberOfHorizon() - 1);
        const double end = last.l1 + last.length;
        struct Sample
        {
            double L, x, y;
        };
        std::vector<Sample> centreLine;
        for (double L = 1000; L < end; L += 0.5) {
            Sample c{L, 0, 0};
            road.L2XY(L, 0, &c.x, &c.y);
            centreLine.push_back(c);
        }
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> station(1000.5, end - 0.5), side(-15, 15);
        for (int i = 0; i < 120; ++i) {
            const double L = station(random), o = side(random);
            double cx = 0, cy = 0, px = 0, py = 0, a = 0;
            road.L2XY(L, 0, &cx, &cy, &a);
            road.L2XY(L, o, &px, &py);
            double otherLegs = HUGE_VAL;
            for (const Sample& c : centreLine)
                if (std::fabs(c.L - L) > 4 * std::fabs(o) + 1)
                    otherLegs = std::min(otherLegs, std::hypot(c.x - cx, c.y - cy));
            if (std::fabs(o) >= otherLegs / 2)
                continue;
            double x = 0, y = 0, backL = 0, backA = 0, backOffset = 0;
            ASSERT_TRUE(road.XY2L(px, py, &x, &y, &backL, &backA, &backOffset)) << L;
            EXPECT_NEAR(backL, L, 1e-3) << "road " << seed << " offset " << o;
            EXPECT_NEAR(backOffset, o, 1e-3) << "road " << seed << " station " << L;
            EXPECT_NEAR(std::remainder(backA - a, 2 * std::acos(-1)), 0, 1e-6) << L;
            ++checked;
        }
    }
    EXPECT_GT(checked, 800);
}

}  // namespace
