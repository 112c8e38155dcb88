// XY2L through the spatial index answers as trying every element does: on
// random roads and points, after each way a caller changes a road, and
// from several threads at once.
#include "plainsearch.h"
#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cmath>
#include <random>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

// Points beside the road, up to 40 m off, and anywhere within 500 m of it,
// beyond its ends included.
std::vector<std::pair<double, double>> pointsAround(const RoadSet& road, unsigned seed)
{
    const RoadEntity& last = *road.GetHorizon(road.NumberOfHorizon() - 1);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> station(road.GetHorizon(1)->l1, last.l1 + last.length),
        side(-40, 40), far(-2000, 2000);
    std::vector<std::pair<double, double>> points(300);
    for (auto& [x, y] : points) {
        road.L2XY(station(random), side(random), &x, &y);
        if (random() % 2) {
            x += far(random);
            y += far(random);
        }
    }
    return points;
}

int mismatches(const RoadSet& road, const std::vector<std::pair<double, double>>& points)
{
    int differing = 0;
    for (const auto& [x, y] : points)
        differing += !(indexedSearch(road, x, y) == plainSearch(road, x, y));
    return differing;
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

int mismatches(const RoadSet& road, unsigned seed)
{
    return mismatches(road, pointsAround(road, seed));
}

// A grid of points 10 m apart over 200 m around the start of element i.
std::vector<std::pair<double, double>> pointsNear(const RoadSet& road, int i)
{
    std::vector<std::pair<double, double>> points;
    for (int row = -10; row <= 10; ++row)
        for (int column = -10; column <= 10; ++column)
            points.emplace_back(road.GetHorizon(i)->x1 + 10 * row,
                                road.GetHorizon(i)->y1 + 10 * column);
    return points;
}

TEST(SpatialIndex, AnswersAsTryingEveryElementOnRandomRoads)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        const RoadSet road = windingRoad(seed, 40);
        EXPECT_EQ(mismatches(road, seed), 0) << "road " << seed;
    }
    // Spirals turning by more than half a circle, and a full-circle arc.
    const RoadSet loops = RoadBuilder(100, 200, 1, 0)
                              .line(50)
                              .spiral(0, 20, 150)
                              .spiral(20, 0, 150)
                              .line(40)
                              .arc(-30, 2 * kPi * 30)
                              .line(40)
                              .build();
    EXPECT_EQ(mismatches(loops, 7), 0);

    // The point lies inside the box of a long diagonal straight, 35 m from
    // it; the straight 20 m away must be searched all the same.
    const RoadSet diagonal = straights({{0, 0, kPi / 4, 400}, {100, 80, 0, 100}});
    EXPECT_EQ(mismatches(diagonal, {{150, 100}}), 0);
    EXPECT_NEAR(std::fabs(indexedSearch(diagonal, 150, 100).offset), 20, 1e-9);
}

TEST(SpatialIndex, FollowsEveryChangeToTheRoad)
{
    RoadSet road = windingRoad(21, 30);
    EXPECT_EQ(mismatches(road, 1), 0);  // builds the index

    // Elements moved through GetHorizon without a new chain: stored ends
    // that no longer match the geometry.
    road.GetHorizon(5)->x1 += 150;
    EXPECT_EQ(mismatches(road, pointsNear(road, 5)), 0);
    road.GetHorizon(9)->angle1 += 0.5;
    EXPECT_EQ(mismatches(road, pointsNear(road, 9)), 0);
    EXPECT_EQ(mismatches(road, 2), 0);

    // A stored end azimuth turned away: the straight faces points whose
    // foot lies beyond its end, 40 m off, farther out than its box.
    RoadSet turned = straights({{0, 0, 0, 100}, {100, 95, 0, 150}});
    EXPECT_EQ(mismatches(turned, {{150, 40}}), 0);
    turned.GetHorizon(1)->angle2 -= 1;
    EXPECT_EQ(mismatches(turned, {{150, 40}}), 0);
    EXPECT_NEAR(std::fabs(indexedSearch(turned, 150, 40).offset), 40, 1e-9);

    // Queried between the change and the new chain, and after it.
    road.GetHorizon(12)->length *= 1.5;
    EXPECT_EQ(mismatches(road, pointsNear(road, 13)), 0);
    ASSERT_EQ(road.ApplyHorizon(), 0);
    EXPECT_EQ(mismatches(road, pointsNear(road, 13)), 0);
    EXPECT_EQ(mismatches(road, 3), 0);

    RoadSet copy = road;
    EXPECT_EQ(mismatches(copy, 4), 0);
    copy.GetHorizon(3)->length += 40;
    ASSERT_EQ(copy.ApplyHorizon(), 0);
    EXPECT_EQ(mismatches(copy, 5), 0);
    EXPECT_EQ(mismatches(road, 5), 0);  // the original keeps its own

    road = copy;
    EXPECT_EQ(mismatches(road, 6), 0);
    RoadEntity line;
    line.set(1, 0, 0, 0, 0, 0, 300, 0);
    road.InsertHorizon(line);
    ASSERT_EQ(road.ApplyHorizon(), 0);
    EXPECT_EQ(mismatches(road, 7), 0);

    // The chain rebuilt from its intersection points with the last one moved
    // 500 m on along its leg: as many elements as before, in the same storage.
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
    EXPECT_FALSE(road.XY2L(1, 1, &x, &y));
    EXPECT_EQ(x, 5);
}

TEST(SpatialIndex, ConcurrentQueriesOnAConstRoadAgree)
{
    const RoadSet road = windingRoad(33, 60);
    const auto points = pointsAround(road, 33);
    std::vector<Foot> expected;
    for (const auto& [x, y] : points)
        expected.push_back(plainSearch(road, x, y));

    const RoadSet shared = road;  // no index yet: the threads race to build it
    std::atomic<int> differing{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (std::size_t i = 0; i < points.size(); ++i)
                differing +=
                    !(indexedSearch(shared, points[i].first, points[i].second) == expected[i]);
        });
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(differing, 0);
}

}  // namespace
