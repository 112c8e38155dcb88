// Builds test roads the way the editors do: every element through
// RoadEntity::set, then the chain; grade points and intersection points as typed.
#ifndef VANTOREL_TESTS_ROADBUILDER_H
#define VANTOREL_TESTS_ROADBUILDER_H

#include "roadset.h"

#include <gtest/gtest.h>

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
    // Signed radii: positive turns right, 0 is a straight end.
    RoadBuilder& arc(double radius, double length) { return add(2, radius, radius, length); }
    RoadBuilder& spiral(double startRadius, double endRadius, double length)
    {
        return add(3, startRadius, endRadius, length);
    }
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
    double x_;
    double y_;
    double azimuth_;
    double station_;
};

// The station where the chain ends.
inline double endOf(const RoadSet& road)
{
    const RoadEntity& last = *road.GetHorizon(road.NumberOfHorizon() - 1);
    return last.l1 + last.length;
}

// Line 1000-1100 north from the origin, then a right arc of radius 100 to
// 1257.0796.
inline RoadSet lineThenArc()
{
    return RoadBuilder(0, 0, 0, 1000).line(100).arc(100, 157.0796).build();
}

// A road start 1000, line 100, then `middle` (a zero-length line, one that
// runs back, or one that is no number) and line 100, as road files or older
// conversions made them: chained without RoadEntity::set's checks.
inline RoadSet roadWithMiddleLine(double middle)
{
    RoadSet road;
    road.InsertHorizonPoint(0, 0, 1000);
    for (const double length : {100.0, middle, 100.0}) {
        RoadEntity line;
        line.type = 1;
        line.length = length;
        line.l1 = 1000;  // the chain takes the first element's station
        road.InsertHorizon(line);
    }
    road.ApplyHorizon();
    return road;
}

// A mountain road of `groups` straights each followed by a tight curve,
// radius 25-120 m either way: a plain arc turning up to 1.3π (hairpins and
// loops), a spiral-arc-spiral curve, or two arcs joined by a spiral.
inline RoadSet windingRoad(unsigned seed, int groups)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    RoadBuilder builder(3000 + 1000 * unit(random), 5000, 6 * unit(random), 1000);
    for (int g = 0; g < groups; ++g) {
        builder.line(20 + 130 * unit(random));
        const double R = (25 + 95 * unit(random)) * (unit(random) < 0.5 ? -1 : 1);
        const double kind = unit(random);
        if (kind < 0.4)
            builder.arc(R, std::fabs(R) * 1.3 * std::acos(-1) * unit(random) + 5);
        else if (kind < 0.7)
            builder.curve(R, 20 + 40 * unit(random), 10 + 60 * unit(random),
                          20 + 40 * unit(random));
        else
            builder.arc(R, 30).spiral(R, 1.6 * R, 25 + 30 * unit(random)).arc(1.6 * R, 40);
    }
    return builder.build();
}

struct GradePoint
{
    double mile;
    double height;
    double radius;
};

inline void insertGrades(RoadSet& road, std::initializer_list<GradePoint> points)
{
    for (const GradePoint& p : points) {
        VerticalEntity v;
        v.mile = p.mile;
        v.height = p.height;
        v.radius = p.radius;
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
