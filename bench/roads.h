// Realistic roads for the benchmarks: repeated curve groups of an entry
// spiral, an arc and an exit spiral between straights, turning alternately
// right and left.
#ifndef VANTOREL_BENCH_ROADS_H
#define VANTOREL_BENCH_ROADS_H

#include "roadset.h"
#include "stakeout.h"

#include <cmath>
#include <random>
#include <vector>

// A road of `groups` straight + spiral-arc-spiral groups (4 elements each)
// with its elements scaled so that the road is `length` metres long.
inline RoadSet mixedRoad(int groups, double length)
{
    const double straight = 0.4 * length / groups;
    const double spiral = 0.15 * length / groups;
    const double arc = 0.3 * length / groups;
    const double radius = 2.0 * (spiral + arc);

    RoadSet road;
    road.InsertHorizonPoint(3000000.0, 500000.0, 0.0);
    for (int g = 0; g < groups; ++g) {
        const double R = g % 2 ? -radius : radius;
        RoadEntity e;
        e.set(1, 3000000.0, 500000.0, 0.3, 0, 0, straight, 0);
        road.InsertHorizon(e);
        e.set(3, 0, 0, 0, 0, R, spiral, 0);
        road.InsertHorizon(e);
        e.set(2, 0, 0, 0, R, R, arc, 0);
        road.InsertHorizon(e);
        e.set(3, 0, 0, 0, R, 0, spiral, 0);
        road.InsertHorizon(e);
    }
    road.ApplyHorizon();
    return road;
}

// A compact, curvy road of `elements` elements of 50 m: spiral from straight
// to radius 30, arc of radius 30, spiral back, again and again, all turning
// the same way, so that 20 km of it stay within about 210 by 230 m.
inline RoadSet compactRoad(int elements)
{
    constexpr double kRadius = 30.0;
    constexpr double kLength = 50.0;
    RoadSet road;
    road.InsertHorizonPoint(3000000.0, 500000.0, 0.0);
    for (int i = 0; i < elements; ++i) {
        RoadEntity e;
        switch (i % 3) {
        case 0:  // the first carries the road's start point and azimuth
            e.set(3, 3000000.0, 500000.0, 0.3, 0, kRadius, kLength, 0);
            break;
        case 1:
            e.set(2, 0, 0, 0, kRadius, kRadius, kLength, 0);
            break;
        default:
            e.set(3, 0, 0, 0, kRadius, 0, kLength, 0);
            break;
        }
        road.InsertHorizon(e);
    }
    road.ApplyHorizon();
    return road;
}

// Gives a road of `length` metres from station 0 a rolling profile of
// `gradePoints` points (3 m up and down, vertical curves of 5000 m) and
// `sections` sections alternating between a fill and a cut template.
inline void addProfileAndSections(RoadSet& road, double length, int gradePoints, int sections)
{
    for (int i = 0; i < gradePoints; ++i) {
        VerticalEntity v;
        v.mile = i * length / (gradePoints - 1);
        v.height = 100.0 + (i % 2) * 3.0;
        v.radius = i == 0 || i == gradePoints - 1 ? 0.0 : 5000.0;
        road.InsertVertical(v);
    }
    road.ApplyVertical();

    RoadTemplate fill;
    fill.name = "Fill";
    fill.items = {{3.75, -0.075}, {6.25, -0.15}, {7.0, -0.18}, {11.5, -3.18}};
    RoadTemplate cut;
    cut.name = "Cut";
    cut.items = {{3.75, -0.075}, {6.25, -0.15}, {7.0, -0.18}, {7.6, -0.78},
                 {8.2, -0.78},   {8.8, -0.18},  {14.8, 5.82}};
    road.AddTemplate(fill);
    road.AddTemplate(cut);
    for (int i = 0; i < sections; ++i) {
        RoadSection s;
        s.L1 = i * length / sections;
        // The last one reaches a metre beyond the end, which is in no range.
        s.L2 = (i + 1) * length / sections + (i == sections - 1 ? 1.0 : 0.0);
        s.left = s.right = i % 2 ? "Cut" : "Fill";
        road.AddSection(s);
    }
}

// A 100 km road of 2,000 elements with 101 grade points and 50 sections, as
// the stake-out and the as-built check meet it; made once.
constexpr double kProfiledRoadLength = 100000.0;

inline const RoadSet& profiledRoad()
{
    static const RoadSet road = [] {
        RoadSet r = mixedRoad(500, kProfiledRoadLength);
        addProfileAndSections(r, kProfiledRoadLength, 101, 50);
        return r;
    }();
    return road;
}

// `count` points along a road of `length` metres from station 0, in road
// order, each at a random offset of up to `across` metres either side: a
// survey as a crew walks it. Heights are left at 0.
inline std::vector<StakePoint> pointsAlong(const RoadSet& road, double length, int count,
                                           double across)
{
    std::mt19937 random(1);
    std::uniform_real_distribution<double> offset(-across, across);
    std::vector<StakePoint> points(static_cast<std::size_t>(count));
    int element = 1;
    for (int i = 0; i < count; ++i) {
        StakePoint& p = points[static_cast<std::size_t>(i)];
        p.station = i * length / count;
        p.offset = offset(random);
        const RoadEntity* e = road.GetHorizon(element);
        while (p.station > e->l1 + e->length && element + 1 < road.NumberOfHorizon())
            e = road.GetHorizon(++element);
        double azimuth = 0;
        e->L2XY(p.station, &p.x, &p.y, &azimuth);
        p.x -= p.offset * std::sin(azimuth);
        p.y += p.offset * std::cos(azimuth);
    }
    return points;
}

#endif  // VANTOREL_BENCH_ROADS_H
