#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

struct Stake
{
    int type;
    double station;
};

// Walks from `start` until the walk reports the end it runs to; the stake
// reported at that end is the last entry.
std::vector<Stake> walk(const RoadSet& road, double interval, double start, bool integral,
                        bool keyPoints, bool forward = true)
{
    RoadIter it;
    std::vector<Stake> stakes;
    if (road.first(it, interval, start, integral, keyPoints) == 0)
        return stakes;
    stakes.push_back({it.type(), it.current()});
    const int stop = forward ? RoadIter::Tail : RoadIter::Head;
    for (int guard = 0; guard < 1000000 && it.type() != stop; ++guard) {
        road.iter(it, forward);
        stakes.push_back({it.type(), it.current()});
    }
    return stakes;
}

// Line 1000-1100, right arc to 1257.0796.
RoadSet lineThenArc()
{
    return RoadBuilder(0, 0, 0, 1000).line(100).arc(100, 157.0796).build();
}

TEST(StakeWalk, RegularStakesThenTheEnd)
{
    const std::vector<Stake> stakes = walk(lineThenArc(), 20, 1000, false, false);
    ASSERT_EQ(stakes.size(), 15u);
    EXPECT_EQ(stakes[0].type, RoadIter::Head);
    EXPECT_DOUBLE_EQ(stakes[0].station, 1000);
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(stakes[k].type, RoadIter::Norm);
        EXPECT_NEAR(stakes[k].station, 1000 + 20 * k, 1e-9);
    }
    EXPECT_EQ(stakes[13].type, RoadIter::Norm);
    EXPECT_NEAR(stakes[13].station, 1257.08, 1e-9);
    // The end is reached as an ordinary stake; the step after it cannot move.
    EXPECT_EQ(stakes[14].type, RoadIter::Tail);
    EXPECT_NEAR(stakes[14].station, 1257.08, 1e-9);
}

TEST(StakeWalk, KeyPointsMarkTheElementBoundary)
{
    const std::vector<Stake> stakes = walk(lineThenArc(), 20, 1000, false, true);
    ASSERT_EQ(stakes.size(), 15u);
    EXPECT_NEAR(stakes[5].station, 1100, 1e-9);
    EXPECT_EQ(stakes[5].type, RoadIter::Main);
    EXPECT_EQ(stakes[4].type, RoadIter::Norm);
    EXPECT_EQ(stakes[6].type, RoadIter::Norm);
}

TEST(StakeWalk, IntegralCountsFromTheTensBelowTheStart)
{
    const RoadSet road = RoadBuilder(0, 0, 0, 1003.5).line(100).build();
    const std::vector<Stake> integral = walk(road, 10, 0, true, false);
    EXPECT_EQ(integral[0].type, RoadIter::Head);
    EXPECT_NEAR(integral[0].station, 1003.5, 1e-9);
    EXPECT_NEAR(integral[1].station, 1010, 1e-9);
    EXPECT_NEAR(integral[2].station, 1020, 1e-9);

    const std::vector<Stake> plain = walk(road, 10, 0, false, false);
    EXPECT_NEAR(plain[1].station, 1013.5, 1e-9);
    EXPECT_NEAR(plain[2].station, 1023.5, 1e-9);
}

TEST(StakeWalk, IntegralBelowStationZeroCountsFromTheTensBelow)
{
    const RoadSet road = RoadBuilder(0, 0, 0, -13.5).line(50).build();
    const std::vector<Stake> stakes = walk(road, 10, -100, true, false);
    EXPECT_NEAR(stakes[1].station, -10, 1e-9);
    EXPECT_NEAR(stakes[2].station, 0, 1e-9);
    for (std::size_t k = 1; k < stakes.size(); ++k)
        EXPECT_GE(stakes[k].station, stakes[k - 1].station);
}

TEST(StakeWalk, FirstSnapsNearElementEndsToTheNextElement)
{
    const RoadSet road = lineThenArc();
    RoadIter it;
    EXPECT_EQ(road.first(it, 20, 1099.995, false, true), 2);
    EXPECT_EQ(it.type(), RoadIter::Main);
    EXPECT_DOUBLE_EQ(it.current(), 1100);
    EXPECT_EQ(road.first(it, 20, 1099.995, false, false), 2);
    EXPECT_EQ(it.type(), RoadIter::Norm);
}

TEST(StakeWalk, FirstOutsideTheRoadStandsOnItsEnds)
{
    const RoadSet road = lineThenArc();
    RoadIter it;
    EXPECT_EQ(road.first(it, 20, 500, false, false), 1);
    EXPECT_EQ(it.type(), RoadIter::Head);
    EXPECT_DOUBLE_EQ(it.current(), 1000);
    EXPECT_EQ(road.first(it, 20, 5000, false, false), 2);
    EXPECT_EQ(it.type(), RoadIter::Tail);
    EXPECT_NEAR(it.current(), 1257.08, 1e-9);
}

TEST(StakeWalk, RegularStakeJustBeforeAnElementEndIsSkippedUnderFiveMillimetres)
{
    // Element ends at 1100.004 and 1200.006 with stakes every 20 m from 1000.
    RoadSet near = RoadBuilder(0, 0, 0, 1000).line(100.004).line(99.996).line(50).build();
    std::vector<Stake> stakes = walk(near, 20, 1000, false, true);
    ASSERT_GT(stakes.size(), 6u);
    EXPECT_NEAR(stakes[4].station, 1080, 1e-9);
    EXPECT_NEAR(stakes[5].station, 1100.004, 1e-9);  // 1100 skipped
    EXPECT_EQ(stakes[5].type, RoadIter::Main);

    RoadSet far = RoadBuilder(0, 0, 0, 1000).line(100.006).line(50).build();
    stakes = walk(far, 20, 1000, false, true);
    EXPECT_NEAR(stakes[5].station, 1100, 1e-9);
    EXPECT_NEAR(stakes[6].station, 1100.006, 1e-9);
    EXPECT_EQ(stakes[6].type, RoadIter::Main);
}

TEST(StakeWalk, StepsBeyondTheEndsStayPut)
{
    const RoadSet road = lineThenArc();
    RoadIter it;
    road.first(it, 20, 1000, false, false);
    EXPECT_DOUBLE_EQ(road.iter(it, false), 1000);
    EXPECT_EQ(it.type(), RoadIter::Head);
    road.first(it, 20, 1300, false, false);
    EXPECT_NEAR(road.iter(it, true), 1257.08, 1e-9);
    EXPECT_EQ(it.type(), RoadIter::Tail);
}

TEST(StakeWalk, RoadWithoutElementsOrIntervalHasNoWalk)
{
    RoadSet road;
    road.InsertHorizonPoint(0, 0, 0);
    RoadIter it;
    it.station = 42;
    EXPECT_EQ(road.first(it, 20, 0, false, false), 0);
    EXPECT_EQ(it.station, 42);

    const RoadSet real = lineThenArc();
    EXPECT_EQ(real.first(it, 0, 1000, false, false), 0);
    EXPECT_EQ(real.first(it, -5, 1000, false, false), 0);
    EXPECT_EQ(real.first(it, 20, std::nan(""), false, false), 0);
    EXPECT_EQ(it.station, 42);
}

TEST(StakeWalk, ElementEndsThatAreNoBinaryFractionsDoNotEndTheWalkEarly)
{
    const RoadSet road = RoadBuilder(0, 0, 0, 3460.284)
                             .line(100.437)
                             .line(51.794)
                             .line(227.405)
                             .line(224.702)
                             .line(148.8)
                             .build();
    const std::vector<Stake> stakes = walk(road, 20, 3460.284, false, false);
    EXPECT_NEAR(stakes.back().station, 4213.422, 1e-9);
}

TEST(StakeWalk, BackwardWalkVisitsTheSameStakes)
{
    const RoadSet road =
        RoadBuilder(0, 0, 0, 1000).line(100).spiral(0, 300, 40).arc(300, 77.7).build();
    const std::vector<Stake> forward = walk(road, 20, 1000, false, true);
    const std::vector<Stake> backward = walk(road, 20, 1300, false, true, false);
    ASSERT_EQ(forward.size(), backward.size());
    const std::size_t n = forward.size();
    // Both runs report their far end twice; the stakes between match.
    for (std::size_t k = 0; k + 1 < n; ++k)
        EXPECT_NEAR(forward[k].station, backward[n - 2 - k].station, 1e-9);
}

// Walks over random roads whose element lengths have three decimals.
TEST(StakeWalk, RandomRoadsAreWalkedToTheEndInRegularSteps)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> millimetres(1000, 400000);
    std::uniform_int_distribution<int> startMm(0, 9999999);
    const double intervals[] = {5, 10, 20, 25, 50};
    for (int road = 0; road < 2000; ++road) {
        RoadBuilder builder(0, 0, 0, startMm(random) / 1000.0);
        const int elements = 1 + road % 7;
        for (int e = 0; e < elements; ++e)
            builder.line(millimetres(random) / 1000.0);
        const RoadSet set = builder.build();
        const RoadEntity& last = *set.GetHorizon(set.NumberOfHorizon() - 1);
        const double end = std::trunc((last.l1 + last.length) * 1000 + 0.5) / 1000;
        const double interval = intervals[road % 5];
        const bool keyPoints = road % 2;
        const bool integral = road % 3 == 0;

        const std::vector<Stake> stakes =
            walk(set, interval, set.GetHorizon(1)->l1, integral, keyPoints);
        ASSERT_EQ(stakes.back().type, RoadIter::Tail);
        ASSERT_NEAR(stakes.back().station, end, 1e-6) << "road " << road;
        for (std::size_t k = 1; k + 1 < stakes.size(); ++k) {
            const double step = stakes[k].station - stakes[k - 1].station;
            ASSERT_GT(step, 1e-4) << "road " << road << " stake " << k;
            // A regular stake under 5 mm before an element end gives way to it.
            ASSERT_LE(step, interval + 0.005);
        }
    }
}

}  // namespace
