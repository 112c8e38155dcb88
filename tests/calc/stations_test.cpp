#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr double kPi = 3.141592653589793;

// Line 1000-1100 north from the origin, then a right arc of radius 100 to
// 1257.0796.
RoadSet lineThenArc()
{
    return RoadBuilder(0, 0, 0, 1000).line(100).arc(100, 157.0796).build();
}

TEST(StationToPoint, BoundaryBelongsToTheEarlierElement)
{
    const RoadSet road = lineThenArc();
    double x = 0, y = 0, a = -1;
    ASSERT_TRUE(road.L2XY(1100, 0, &x, &y, &a));
    EXPECT_NEAR(x, 100, 1e-12);
    EXPECT_NEAR(y, 0, 1e-12);
    EXPECT_EQ(a, road.GetHorizon(1)->angle2);
}

TEST(StationToPoint, AMillimetreOfSlackAtTheRoadEnds)
{
    const RoadSet road = lineThenArc();
    double x = 7, y = 7;
    ASSERT_TRUE(road.L2XY(999.9995, 0, &x, &y));
    EXPECT_NEAR(x, -0.0005, 1e-9);
    x = y = 7;
    EXPECT_FALSE(road.L2XY(999.998, 0, &x, &y));
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 7);
    EXPECT_TRUE(road.L2XY(1257.0806, 0, &x, &y));
    EXPECT_FALSE(road.L2XY(1257.082, 0, &x, &y));
}

TEST(StationToPoint, RoadStartUsesTheFirstElementNotTheStartPoint)
{
    const RoadSet road = lineThenArc();
    double x = 0, y = 0, a = -1;
    ASSERT_TRUE(road.L2XY(1000, 0, &x, &y, &a));
    EXPECT_EQ(a, 0.0);
}

TEST(StationToPoint, OffsetsGoRightWhenPositive)
{
    const RoadSet road = lineThenArc();
    double x = 0, y = 0;
    ASSERT_TRUE(road.L2XY(1050, 2, &x, &y));
    EXPECT_NEAR(x, 50, 1e-12);
    EXPECT_NEAR(y, 2, 1e-12);  // east of a northbound road
    ASSERT_TRUE(road.L2XY(1050, -2, &x, &y));
    EXPECT_NEAR(y, -2, 1e-12);
}

TEST(StationToPoint, EmptyRoadHasNoStations)
{
    RoadSet road;
    double x = 0, y = 0;
    EXPECT_FALSE(road.L2XY(0, 0, &x, &y));
    road.InsertHorizonPoint(0, 0, 0);
    EXPECT_FALSE(road.L2XY(0, 0, &x, &y));
}

TEST(PointToStation, PointLeftOfAStraight)
{
    const RoadSet road = lineThenArc();
    double x = 0, y = 0, L = 0, a = -1, offset = 0;
    ASSERT_TRUE(road.XY2L(40, -3, &x, &y, &L, &a, &offset));
    EXPECT_NEAR(x, 40, 1e-12);
    EXPECT_NEAR(y, 0, 1e-12);
    EXPECT_NEAR(L, 1040, 1e-12);
    EXPECT_EQ(a, 0.0);
    EXPECT_NEAR(offset, -3, 1e-12);
}

TEST(PointToStation, OutsideACornerWithoutCurveFaceNoElement)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0).line(100).build();
    RoadEntity east;
    ASSERT_EQ(east.set(1, 100, 0, kPi / 2, 0, 0, 100, 3), 0);
    road.InsertHorizon(east);
    ASSERT_EQ(road.ApplyHorizon(), 0);
    double x = 5, y = 5;
    EXPECT_FALSE(road.XY2L(110, -10, &x, &y));
    EXPECT_EQ(x, 5);
    EXPECT_TRUE(road.XY2L(50, 10, &x, &y));
}

TEST(PointToStation, OptionalOutputsMayBeNull)
{
    const RoadSet road = lineThenArc();
    double x = 0, y = 0, offset = 0;
    EXPECT_TRUE(road.XY2L(40, 1, &x, &y));
    EXPECT_TRUE(road.XY2L(40, 1, &x, &y, nullptr, nullptr, &offset));
    EXPECT_NEAR(offset, 1, 1e-12);
}

TEST(StakeToPoint, BoundaryStakeIsTheMiddleOfTheTouchingEndsWithIncomingAzimuth)
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
    EXPECT_EQ(a, road.GetHorizon(1)->angle2);
}

TEST(StakeToPoint, EndsComeFromTheStoredElementEnds)
{
    const RoadSet road = lineThenArc();
    RoadIter it;
    it.stakeType = RoadIter::Tail;
    it.index = 2;
    double x = 0, y = 0, a = 0;
    EXPECT_EQ(road.L2XY(it, 1, &x, &y, &a), 2);
    const RoadEntity& last = *road.GetHorizon(2);
    EXPECT_NEAR(x, last.x2 + std::cos(last.angle2 + kPi / 2), 1e-12);
    EXPECT_NEAR(y, last.y2 + std::sin(last.angle2 + kPi / 2), 1e-12);
    it.stakeType = RoadIter::Head;
    it.index = 1;
    EXPECT_EQ(road.L2XY(it, 0, &x, &y, &a), 1);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

TEST(StationsRoundTrip, PointsBesideAMixedRoadComeBackToTheirStationAndOffset)
{
    const RoadSet road = RoadBuilder(3000, 5000, 0.3, 2000)
                             .line(150)
                             .spiral(0, 250, 60)
                             .arc(250, 120)
                             .spiral(250, 0, 60)
                             .line(200)
                             .spiral(0, -400, 80)
                             .arc(-400, 90)
                             .spiral(-400, -1200, 50)
                             .line(120)
                             .build();
    const RoadEntity& last = *road.GetHorizon(road.NumberOfHorizon() - 1);
    const double end = last.l1 + last.length;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> station(2000.5, end - 0.5);
    std::uniform_real_distribution<double> side(-15, 15);
    for (int i = 0; i < 500; ++i) {
        const double L = station(random);
        const double o = side(random);
        double px = 0, py = 0;
        ASSERT_TRUE(road.L2XY(L, o, &px, &py));
        double x = 0, y = 0, backL = 0, a = 0, backOffset = 0;
        ASSERT_TRUE(road.XY2L(px, py, &x, &y, &backL, &a, &backOffset)) << L;
        // Spirals are searched to a millimetre of station.
        EXPECT_NEAR(backL, L, 2e-3) << "offset " << o;
        EXPECT_NEAR(backOffset, o, 2e-3) << "station " << L;
    }
}

}  // namespace
