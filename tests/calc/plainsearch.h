// XY2L's rule worked out by trying every element, for checking the indexed
// search against: of the elements facing the point (it lies ahead of the
// start and behind the end; for one turning by more than half a circle, its
// foot lies on it) the nearest foot wins, then the nearer chord middle,
// then the earlier element. A chord middle that is not a number is the farthest.
#ifndef VANTOREL_TESTS_PLAINSEARCH_H
#define VANTOREL_TESTS_PLAINSEARCH_H

#include "roadset.h"

#include <algorithm>
#include <cmath>

struct Foot
{
    bool found = false;
    double x = 0, y = 0, L = 0, azimuth = 0, offset = 0;

    // NaN equals NaN: both searches must give the same, whatever it is.
    bool operator==(const Foot& o) const
    {
        const auto same = [](double a, double b) { return a == b || (a != a && b != b); };
        return found == o.found && same(x, o.x) && same(y, o.y) && same(L, o.L) &&
               same(azimuth, o.azimuth) && same(offset, o.offset);
    }
};

inline Foot indexedSearch(const RoadSet& road, double x, double y)
{
    Foot f;
    f.found = road.XY2L(x, y, &f.x, &f.y, &f.L, &f.azimuth, &f.offset);
    return f;
}

inline Foot plainSearch(const RoadSet& road, double x, double y)
{
    constexpr double kPi = 3.141592653589793;
    Foot best;
    double bestChord = 0;
    for (int i = 1; i < road.NumberOfHorizon(); ++i) {
        const RoadEntity& e = *road.GetHorizon(i);
        const double turn = e.type == 2
                                ? (e.radius != 0 ? std::fabs(e.length) / std::fabs(e.radius) : 0)
                            : e.type == 3 ? std::fabs((e.rou1 + e.rou2) * e.length) / 2
                                          : 0;
        const bool wide = turn > kPi;
        if (e.type < 1 || e.type > 3 ||
            (!wide && !((x - e.x1) * std::cos(e.angle1) + (y - e.y1) * std::sin(e.angle1) > 0 &&
                        (x - e.x2) * std::cos(e.angle2) + (y - e.y2) * std::sin(e.angle2) < 0)))
            continue;
        Foot f;
        f.found = true;
        e.XY2L(x, y, &f.x, &f.y, &f.L, &f.azimuth, &f.offset);
        const double end = e.l1 + e.length;
        if (!std::isfinite(f.offset) ||
            (wide && !(std::min(e.l1, end) <= f.L && f.L <= std::max(e.l1, end))))
            continue;
        const double mx = (e.x1 + e.x2) / 2 - x, my = (e.y1 + e.y2) / 2 - y;
        const double chord = std::isnan(mx * mx + my * my) ? HUGE_VAL : mx * mx + my * my;
        if (!best.found || std::fabs(f.offset) < std::fabs(best.offset) ||
            (std::fabs(f.offset) == std::fabs(best.offset) && chord < bestChord)) {
            best = f;
            bestChord = chord;
        }
    }
    return best;
}

#endif  // VANTOREL_TESTS_PLAINSEARCH_H
