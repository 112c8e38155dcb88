#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>
#include <sstream>
#include <string>
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
    for (int guard = 0; guard < 2000 && it.type() != stop; ++guard) {
        road.iter(it, forward);
        stakes.push_back({it.type(), it.current()});
    }
    return stakes;
}

// The stations of a walk, marked H, T or M for head, tail and main stakes.
std::string text(const std::vector<Stake>& stakes)
{
    const char* const marks[] = {"", "H", "T", "M"};
    std::ostringstream out;
    for (const Stake& s : stakes)
        out << (&s == &stakes[0] ? "" : " ") << marks[s.type] << std::setprecision(10) << s.station;
    return out.str();
}

RoadSet lines(double start, std::initializer_list<double> lengths)
{
    RoadBuilder builder(0, 0, 0, start);
    for (const double length : lengths)
        builder.line(length);
    return builder.build();
}

// The end, reached as an ordinary stake, is rounded to 0.001 unless key
// points stop at the element end; the step after it cannot move. Integral
// stakes count from the tens below the start; a regular stake under 5 mm
// before an element end gives way to it, and none follows a key point by
// less than a stake's width.
TEST(StakeWalk, StakesOfEachKindOfWalk)
{
    const std::string rest = "1100 1120 1140 1160 1180 1200 1220 1240 ";
    const struct
    {
        RoadSet road;
        double interval, start;
        bool integral, keyPoints, forward;
        std::string stakes;
    } cases[] = {
        {lineThenArc(), 20, 1000, false, false, true,
         "H1000 1020 1040 1060 1080 " + rest + "1257.08 T1257.08"},
        {lineThenArc(), 20, 1000, false, true, true,
         "H1000 1020 1040 1060 1080 M" + rest + "1257.0796 T1257.0796"},
        {lines(1003.5, {25}), 10, 0, true, false, true, "H1003.5 1010 1020 1028.5 T1028.5"},
        {lines(1003.5, {25}), 10, 0, false, false, true, "H1003.5 1013.5 1023.5 1028.5 T1028.5"},
        {lines(-13.5, {40}), 20, -100, true, false, true, "H-13.5 0 20 26.5 T26.5"},
        {lines(1060, {40.004, 20}), 20, 1060, false, true, true,
         "H1060 1080 M1100.004 1120.004 T1120.004"},
        {lines(1060, {40.006, 20}), 20, 1060, false, true, true,
         "H1060 1080 1100 M1100.006 1120 1120.006 T1120.006"},
        {lines(1060, {39.99995, 20}), 20, 1060, false, true, true,
         "H1060 1080 M1099.99995 1119.99995 T1119.99995"},
        // A zero-length element is no stop on the way back.
        {roadWithMiddleLine(0), 20, 1200, false, true, false,
         "T1200 1180 1160 1140 1120 M1100 1080 1060 1040 1020 1000 H1000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(walk(c.road, c.interval, c.start, c.integral, c.keyPoints, c.forward)),
                  c.stakes);
}

TEST(StakeWalk, FirstSnapsToElementAndRoadEnds)
{
    const RoadSet road = lineThenArc();
    RoadIter it;
    EXPECT_EQ(road.first(it, 20, 1099.995, false, true), 2);
    EXPECT_EQ(text({{it.type(), it.current()}}), "M1100");
    EXPECT_EQ(road.first(it, 20, 1099.995, false, false), 2);
    EXPECT_EQ(text({{it.type(), it.current()}}), "1100");
    EXPECT_EQ(road.first(it, 20, 500, false, false), 1);
    EXPECT_EQ(text({{it.type(), it.current()}}), "H1000");
    road.iter(it, false);  // a step back from the start stays
    EXPECT_EQ(text({{it.type(), it.current()}}), "H1000");
    EXPECT_EQ(road.first(it, 20, 5000, false, false), 2);
    road.iter(it, true);  // a step on from the end stays
    EXPECT_EQ(text({{it.type(), it.current()}}), "T1257.08");
}

TEST(StakeWalk, RoadWithoutElementsOrIntervalHasNoWalk)
{
    RoadSet startOnly;
    startOnly.InsertHorizonPoint(0, 0, 0);
    RoadIter it;
    it.station = 42;
    EXPECT_EQ(startOnly.first(it, 20, 0, false, false), 0);
    const RoadSet real = lineThenArc();
    for (double interval : {0.0, -5.0})
        EXPECT_EQ(real.first(it, interval, 1000, false, false), 0);
    EXPECT_EQ(real.first(it, 20, std::nan(""), false, false), 0);
    EXPECT_EQ(it.station, 42);
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

// Element ends that are no binary fractions leave fmod residue that must not
// end the walk early: one measured road, then random ones with 3-decimal lengths.
TEST(StakeWalk, RoadsAreWalkedToTheEndInRegularSteps)
{
    const RoadSet measured = lines(3460.284, {100.437, 51.794, 227.405, 224.702, 148.8});
    EXPECT_NEAR(walk(measured, 20, 3460.284, false, false).back().station, 4213.422, 1e-9);

    std::mt19937 random(2024);
    std::uniform_int_distribution<int> millimetres(1000, 400000);
    std::uniform_int_distribution<int> startMm(0, 9999999);
    const double intervals[] = {5, 10, 20, 25, 50};
    for (int road = 0; road < 2000; ++road) {
        RoadBuilder builder(0, 0, 0, startMm(random) / 1000.0);
        for (int e = 0; e <= road % 7; ++e)
            builder.line(millimetres(random) / 1000.0);
        const RoadSet set = builder.build();
        const RoadEntity& last = *set.GetHorizon(set.NumberOfHorizon() - 1);
        const double end = std::trunc((last.l1 + last.length) * 1000 + 0.5) / 1000;
        const double interval = intervals[road % 5];
        const std::vector<Stake> stakes =
            walk(set, interval, set.GetHorizon(1)->l1, road % 3 == 0, road % 2);
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
