// XY2L through the spatial index answers as trying every element does: on random roads and
// points, after each way a caller changes a road, and from two threads at once.
#include "plainsearch.h"
#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cmath>
#include <random>
#include <thread>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;
using Points = std::vector<std::pair<double, double>>;

// Points beside the road, up to 40 m off, or anywhere within 2 km of it.
Points pointsAround(const RoadSet& road, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> station(road.GetHorizon(1)->l1, endOf(road)),
        side(-40, 40), far(-2000, 2000);
    Points points(300);
    for (auto& [x, y] : points) {
        road.L2XY(station(random), side(random), &x, &y);
        if (random() % 2) {
            x += far(random);
            y += far(random);
        }
    }
    return points;
}

// Where the search from two threads at once (racing to build the index) differs from plain.
int mismatches(const RoadSet& road, unsigned seed, Points points = {})
{
    if (points.empty())
        points = pointsAround(road, seed);
    std::atomic<int> differing{0};
    const auto search = [&] {
        for (const auto& [x, y] : points)
            differing += !(indexedSearch(road, x, y) == plainSearch(road, x, y));
    };
    std::thread other(search);
    search();
    other.join();
    return differing;
}

// A grid of points 10 m apart over 200 m around the start of element i.
Points pointsNear(const RoadSet& road, int i)
{
    Points points;
    for (int k = 0; k < 21 * 21; ++k)
        points.emplace_back(road.GetHorizon(i)->x1 + 10 * (k / 21 - 10),
                            road.GetHorizon(i)->y1 + 10 * (k % 21 - 10));
    return points;
}

// Straights at (x, y) on azimuth a, each keeping its own start.
RoadSet straights(std::initializer_list<std::array<double, 4>> lines)
{
    RoadSet road;
    road.InsertHorizonPoint(0, 0, 0);
    for (const auto& [x, y, a, length] : lines) {
        RoadEntity e;
        e.set(1, x, y, a, 0, 0, length, 3);
        road.InsertHorizon(e);
    }
    road.ApplyHorizon();
    return road;
}

TEST(SpatialIndex, AnswersAsTryingEveryElementOnRandomRoads)
{
    for (unsigned seed = 1; seed <= 6; ++seed)
        EXPECT_EQ(mismatches(windingRoad(seed, 40), seed), 0) << "road " << seed;
    // Spirals turning by more than half a circle, and a full-circle arc.
    RoadBuilder loops(100, 200, 1, 0);
    loops.line(50).spiral(0, 20, 150).spiral(20, 0, 150).line(40).arc(-30, 2 * kPi * 30).line(40);
    EXPECT_EQ(mismatches(loops.build(), 7), 0);

    // In the box of a long diagonal straight, 35 m off; a straight 20 m away must count too.
    const RoadSet diagonal = straights({{0, 0, kPi / 4, 400}, {100, 80, 0, 100}});
    EXPECT_EQ(mismatches(diagonal, 0, {{150, 100}}), 0);
    EXPECT_NEAR(std::fabs(indexedSearch(diagonal, 150, 100).offset), 20, 1e-9);

    // A stored end azimuth turned away: the foot lies beyond the end, 40 m off, out of the box.
    RoadSet turned = straights({{0, 0, 0, 100}, {100, 95, 0, 150}});
    EXPECT_EQ(mismatches(turned, 0, {{150, 40}}), 0);  // builds the index
    turned.GetHorizon(1)->angle2 -= 1;
    EXPECT_EQ(mismatches(turned, 0, {{150, 40}}), 0);
    EXPECT_NEAR(std::fabs(indexedSearch(turned, 150, 40).offset), 40, 1e-9);
}

TEST(SpatialIndex, FollowsEveryChangeToTheRoad)
{
    RoadSet road = windingRoad(21, 30);
    EXPECT_EQ(mismatches(road, 1), 0);  // builds the index
    road.GetHorizon(5)->x1 += 150;      // moved without a new chain
    EXPECT_EQ(mismatches(road, 0, pointsNear(road, 5)), 0);
    road.GetHorizon(12)->length *= 1.5;
    ASSERT_EQ(road.ApplyHorizon(), 0);
    EXPECT_EQ(mismatches(road, 0, pointsNear(road, 13)), 0);

    // Rebuilt from its intersection points, the last moved 500 m on along its leg: as many
    // elements as before, in the same storage.
    RoadSet rebuilt =
        RoadBuilder(3000, 5000, 0.4, 1000).line(200).curve(250, 70, 120, 40).line(150).build();
    const double leg = std::as_const(rebuilt).GetHorizon(rebuilt.NumberOfHorizon() - 1)->angle2;
    ASSERT_TRUE(rebuilt.ToCross_v2());
    EXPECT_EQ(mismatches(rebuilt, 8), 0);  // builds the index
    CrossEntity& end = *rebuilt.GetCross(rebuilt.NumberOfCross() - 1);
    end.x += 500 * std::cos(leg);
    end.y += 500 * std::sin(leg);
    int index = 0;
    ASSERT_EQ(rebuilt.FromCrossWithAdjust(index), 0);
    EXPECT_EQ(mismatches(rebuilt, 9), 0);

    road.ClearHorizon();
    road.InsertHorizonPoint(0, 0, 0);
    double x = 5, y = 5;
    EXPECT_FALSE(road.XY2L(1, 1, &x, &y) || x != 5);
}

}  // namespace
