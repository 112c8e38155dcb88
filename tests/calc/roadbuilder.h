// Builds test roads element by element, the way the element editor does:
// every element through RoadEntity::set, then the chain.
#ifndef VANTOREL_TESTS_ROADBUILDER_H
#define VANTOREL_TESTS_ROADBUILDER_H

#include "roadset.h"

#include <gtest/gtest.h>

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

#endif  // VANTOREL_TESTS_ROADBUILDER_H
