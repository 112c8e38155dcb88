// Builds test roads the way the editors do: every element through
// RoadEntity::set, then the chain; grade points and intersection points as typed.
#ifndef VANTOREL_TESTS_ROADBUILDER_H
#define VANTOREL_TESTS_ROADBUILDER_H

#include "roadset.h"

#include <gtest/gtest.h>

#include <initializer_list>

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
