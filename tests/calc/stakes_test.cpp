#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Stake = std::pair<int, double>;  // type, station

// Walks from `start` until the walk reports the end it runs to, the stake reported at that end
// the last entry; `how` holds i for integral stakes, k for key points, b for backwards.
std::vector<Stake> walk(const RoadSet& road, double interval, double start, std::string how)
{
    const auto has = [&how](char c) { return how.find(c) != std::string::npos; };
    RoadIter it;
    std::vector<Stake> stakes;
    for (int n = road.first(it, interval, start, has('i'), has('k')); n > 0 && n < 2000; ++n) {
        stakes.emplace_back(it.type(), it.current());
        if (it.type() == (has('b') ? RoadIter::Head : RoadIter::Tail))
            break;
        road.iter(it, !has('b'));
    }
    return stakes;
}

// The stations of a walk, marked H, T or M for head, tail and main stakes.
std::string text(const std::vector<Stake>& stakes)
{
    const char* const marks[] = {"", "H", "T", "M"};
    std::ostringstream out;
    for (const auto& [type, station] : stakes)
        out << (out.tellp() > 0 ? " " : "") << marks[type] << std::setprecision(10) << station;
    return out.str();
}

RoadSet lines(double start, std::initializer_list<double> lengths)
{
    RoadBuilder builder(0, 0, 0, start);
    for (const double length : lengths)
        builder.line(length);
    return builder.build();
}

// The end, reached as an ordinary stake, is rounded to 0.001 unless key points stop at the
// element end; the step after it cannot move. Integral stakes count from the tens below the
// start; a regular stake under 5 mm before an element end gives way to it, and none follows a
// key point by less than a stake's width. Walking back meets the same stakes; a zero-length
// element is no stop on the way. No walk without a positive interval, a
// start or elements.
TEST(StakeWalk, StakesOfEachKindOfWalk)
{
    const std::string rest = "1100 1120 1140 1160 1180 1200 1220 1240 ",
                      back = "1100 1080 1060 1040 1020 1000 H1000";
    const std::tuple<RoadSet, double, double, const char*, std::string> cases[] = {
        {lineThenArc(), 20, 1000, "", "H1000 1020 1040 1060 1080 " + rest + "1257.08 T1257.08"},
        {lineThenArc(), 20, 1000, "k",
         "H1000 1020 1040 1060 1080 M" + rest + "1257.0796 T1257.0796"},
        {lines(1003.5, {25}), 10, 0, "i", "H1003.5 1010 1020 1028.5 T1028.5"},
        {lines(1003.5, {25}), 10, 0, "", "H1003.5 1013.5 1023.5 1028.5 T1028.5"},
        {lines(-13.5, {40}), 20, -100, "i", "H-13.5 0 20 26.5 T26.5"},
        {lines(1060, {40.004, 20}), 20, 1060, "k", "H1060 1080 M1100.004 1120.004 T1120.004"},
        {lines(1060, {40.006, 20}), 20, 1060, "k",
         "H1060 1080 1100 M1100.006 1120 1120.006 T1120.006"},
        {lines(1060, {39.99995, 20}), 20, 1060, "k",
         "H1060 1080 M1099.99995 1119.99995 T1119.99995"},
        {lineThenArc(), 20, 1300, "kb", "T1257.08 1240 1220 1200 1180 1160 1140 1120 M" + back},
        {roadWithMiddleLine(0), 20, 1200, "kb", "T1200 1180 1160 1140 1120 M" + back}};
    for (const auto& [road, interval, start, how, stakes] : cases)
        EXPECT_EQ(text(walk(road, interval, start, how)), stakes);

    // The first stake snaps to an element end within 5 mm and to the road ends; a step back from
    // the start or on from the end stays.
    const RoadSet road = lineThenArc();
    RoadIter it;
    const auto at = [&it] { return text({{it.type(), it.current()}}); };
    EXPECT_EQ(road.first(it, 20, 1099.995, false, true), 2);
    EXPECT_EQ(at(), "M1100");
    EXPECT_EQ(road.first(it, 20, 1099.995, false, false), 2);
    EXPECT_EQ(at(), "1100");
    EXPECT_EQ(road.first(it, 20, 500, false, false), 1);
    road.iter(it, false);
    EXPECT_EQ(at(), "H1000");
    EXPECT_EQ(road.first(it, 20, 5000, false, false), 2);
    road.iter(it, true);
    EXPECT_EQ(at(), "T1257.08");
}

// Element ends that are no binary fractions leave residue that must not end the walk early: one
// measured road, then random ones. A stake under 5 mm before an element end gives way to it.
TEST(StakeWalk, RoadsAreWalkedToTheEndInRegularSteps)
{
    EXPECT_NEAR(
        walk(lines(3460.284, {100.437, 51.794, 227.405, 224.702, 148.8}), 20, 0, "").back().second,
        4213.422, 1e-9);

    std::mt19937 random(2024);
    std::uniform_int_distribution<int> millimetres(1000, 400000), startMm(0, 9999999);
    const double intervals[] = {5, 10, 20, 25, 50};
    for (int road = 0; road < 2000; ++road) {
        RoadBuilder builder(0, 0, 0, startMm(random) / 1000.0);
        for (int e = 0; e <= road % 7; ++e)
            builder.line(millimetres(random) / 1000.0);
        const RoadSet set = builder.build();
        const double interval = intervals[road % 5];
        const auto stakes = walk(set, interval, set.GetHorizon(1)->l1,
                                 std::string(road % 3 ? "" : "i") + (road % 2 ? "k" : ""));
        ASSERT_NEAR(stakes.back().second, std::trunc(endOf(set) * 1000 + 0.5) / 1000, 1e-6) << road;
        for (std::size_t k = 1; k + 1 < stakes.size(); ++k) {
            const double step = stakes[k].second - stakes[k - 1].second;
            ASSERT_TRUE(step > 1e-4 && step <= interval + 0.005) << road << " " << k;
        }
    }
}

}  // namespace
