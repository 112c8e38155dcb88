// Test roads built as the editors do (RoadEntity::set, then the chain); radii turn right if > 0.
#ifndef VANTOREL_TESTS_ROADBUILDER_H
#define VANTOREL_TESTS_ROADBUILDER_H

#include "roadset.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <random>

class RoadBuilder
{
public:
    RoadBuilder(double x, double y, double azimuth, double station)
        : x_(x), y_(y), azimuth_(azimuth), station_(station)
    {
        road_.InsertHorizonPoint(x, y, station);
    }

    RoadBuilder& line(double length) { return add(1, 0.0, 0.0, length); }
    RoadBuilder& arc(double radius, double length) { return add(2, radius, radius, length); }
    RoadBuilder& spiral(double r1, double r2, double length) { return add(3, r1, r2, length); }
    RoadBuilder& curve(double radius, double spiralIn, double arcLength, double spiralOut)
    {
        return spiral(0, radius, spiralIn).arc(radius, arcLength).spiral(radius, 0, spiralOut);
    }

    RoadSet build()
    {
        EXPECT_EQ(road_.ApplyHorizon(), 0);
        return road_;
    }

private:
    RoadBuilder& add(int type, double r1, double r2, double length)
    {
        RoadEntity e;
        EXPECT_EQ(e.set(type, x_, y_, azimuth_, r1, r2, length, 0), 0);
        e.l1 = station_;
        road_.InsertHorizon(e);
        return *this;
    }

    RoadSet road_;
    double x_, y_, azimuth_, station_;
};

inline double endOf(const RoadSet& road)
{
    const RoadEntity& last = *road.GetHorizon(road.NumberOfHorizon() - 1);
    return last.l1 + last.length;
}

// Line 1000-1100 north from the origin, then a right arc of radius 100 to 1257.0796.
inline RoadSet lineThenArc()
{
    return RoadBuilder(0, 0, 0, 1000).line(100).arc(100, 157.0796).build();
}

// Lines of 100 and `middle` (0, negative or NaN, as files may hold) and 100 from station 1000.
inline RoadSet roadWithMiddleLine(double middle)
{
    RoadSet road = RoadBuilder(0, 0, 0, 1000).line(100).line(100).line(100).build();
    road.GetHorizon(2)->length = middle;
    road.ApplyHorizon();
    return road;
}

// `groups` straights, each with an arc, spiral-arc-spiral or arc-spiral-arc curve of 25-120 m.
inline RoadSet windingRoad(unsigned seed, int groups)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto from = [&](double low, double span) { return low + span * unit(random); };
    RoadBuilder builder(from(3000, 1000), 5000, from(0, 6), 1000);
    for (int g = 0; g < groups; ++g) {
        builder.line(from(20, 130));
        const double R = from(25, 95) * (unit(random) < 0.5 ? -1 : 1), kind = unit(random);
        if (kind < 0.4)
            builder.arc(R, std::fabs(R) * 1.3 * std::acos(-1) * unit(random) + 5);
        else if (kind < 0.7)
            builder.curve(R, from(20, 40), from(10, 60), from(20, 40));
        else
            builder.arc(R, 30).spiral(R, 1.6 * R, from(25, 30)).arc(1.6 * R, 40);
    }
    return builder.build();
}

inline void insertGrades(RoadSet& road, std::initializer_list<std::array<double, 3>> points)
{
    for (const auto& [mile, height, radius] : points) {
        VerticalEntity v;
        v.mile = mile;
        v.height = height;
        v.radius = radius;
        road.InsertVertical(v);
    }
}

// An intersection point with its curve data in the order of the point file.
inline CrossEntity pointAt(double x, double y, double radius = 0, double spiralIn = 0,
                           double arcLen = 0, double spiralOut = 0)
{
    CrossEntity p;
    p.x = x;
    p.y = y;
    p.radius = radius;
    p.spiralLenIn = spiralIn;
    p.arcLen = arcLen;
    p.spiralLenOut = spiralOut;
    return p;
}

#endif  // VANTOREL_TESTS_ROADBUILDER_H
