// Realistic roads for the benchmarks: repeated curve groups of an entry
// spiral, an arc and an exit spiral between straights, turning alternately
// right and left.
#ifndef VANTOREL_BENCH_ROADS_H
#define VANTOREL_BENCH_ROADS_H

#include "roadset.h"

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

#endif  // VANTOREL_BENCH_ROADS_H
