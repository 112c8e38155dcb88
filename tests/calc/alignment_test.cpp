#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

TEST(ApplyHorizon, NeedsAtLeastOneElementBesideTheStartPoint)
{
    RoadSet road;
    EXPECT_EQ(road.ApplyHorizon(), 1);
    road.InsertHorizonPoint(0, 0, 0);
    EXPECT_EQ(road.ApplyHorizon(), 1);
    EXPECT_FALSE(road.IsModified());
}

TEST(ApplyHorizon, ChainsALineIntoARightArc)
{
    RoadSet road = RoadBuilder(0, 0, 0, 1000).line(100).arc(100, 157.0796).build();
    EXPECT_TRUE(road.IsModified());
    const RoadEntity& arc = *road.GetHorizon(2);
    EXPECT_NEAR(arc.x1, 100, 1e-9);
    EXPECT_NEAR(arc.y1, 0, 1e-9);
    EXPECT_NEAR(arc.l1, 1100, 1e-9);
    EXPECT_NEAR(arc.angle1, 0, 1e-12);
    EXPECT_NEAR(arc.x2, 200, 1e-3);
    EXPECT_NEAR(arc.y2, 100, 1e-3);
    EXPECT_NEAR(arc.angle2, kPi / 2, 1e-6);
    EXPECT_NEAR(arc.l1 + arc.length, 1257.0796, 1e-9);
}

TEST(ApplyHorizon, ElementWithOwnStartKeepsItButContinuesTheStation)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0).line(100).build();
    RoadEntity own;
    ASSERT_EQ(own.set(1, 500, 500, 1.0, 0, 0, 50, 3), 0);
    road.InsertHorizon(own);
    ASSERT_EQ(road.ApplyHorizon(), 0);
    const RoadEntity& e = *road.GetHorizon(2);
    EXPECT_EQ(e.x1, 500);
    EXPECT_EQ(e.y1, 500);
    EXPECT_EQ(e.angle1, 1.0);
    EXPECT_EQ(e.l1, 100);
    EXPECT_NEAR(e.x2, 500 + 50 * std::cos(1.0), 1e-9);
}

TEST(ApplyHorizon, ModeBitsSelectOwnAzimuthOrOwnPoint)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0).line(100).build();
    RoadEntity ownAzimuth;
    ASSERT_EQ(ownAzimuth.set(1, 500, 500, 1.0, 0, 0, 10, 1), 0);
    road.InsertHorizon(ownAzimuth);
    RoadEntity ownPoint;
    ASSERT_EQ(ownPoint.set(1, 700, 700, 2.0, 0, 0, 10, 2), 0);
    road.InsertHorizon(ownPoint);
    ASSERT_EQ(road.ApplyHorizon(), 0);
    EXPECT_EQ(road.GetHorizon(2)->x1, 100);  // point from the predecessor
    EXPECT_EQ(road.GetHorizon(2)->angle1, 1.0);
    EXPECT_EQ(road.GetHorizon(3)->x1, 700);
    EXPECT_DOUBLE_EQ(road.GetHorizon(3)->angle1, 1.0);  // azimuth from the predecessor
}

TEST(ElementBuilders, FillOnlyTheirOwnFields)
{
    RoadSet road;
    road.InsertHorizonPoint(3, 4, 1000);
    road.InsertHorizonLine(0.5, 100);
    road.InsertHorizonArc(-150, 80);
    road.InsertHorizonSpiral(60);
    road.InsertHorizonLine(40);

    const RoadEntity& start = *road.GetHorizon(0);
    EXPECT_EQ(start.type, 0);
    EXPECT_EQ(start.x2, 3);
    EXPECT_EQ(start.y2, 4);
    EXPECT_EQ(start.l1, 1000);

    const RoadEntity& arc = *road.GetHorizon(2);
    EXPECT_EQ(arc.type, 2);
    EXPECT_EQ(arc.radius, 150);
    EXPECT_EQ(arc.pz, 0);
    EXPECT_DOUBLE_EQ(arc.rou1, 1.0 / 150);
    EXPECT_DOUBLE_EQ(arc.rou2, 1.0 / 150);

    const RoadEntity& spiral = *road.GetHorizon(3);
    EXPECT_EQ(spiral.type, 3);
    EXPECT_EQ(spiral.rou1, 0);
    EXPECT_EQ(spiral.rou2, 0);

    const RoadEntity& line = *road.GetHorizon(4);
    EXPECT_EQ(line.angle1, 0);
    EXPECT_EQ(line.length, 40);
    EXPECT_FALSE(road.IsModified());
}

TEST(ApplyHorizon, SingleArgumentLineTakesThePredecessorsAzimuth)
{
    RoadSet road;
    road.InsertHorizonPoint(0, 0, 0);
    road.InsertHorizonLine(0.5, 100);
    road.InsertHorizonArc(200, 50);
    road.InsertHorizonLine(40);
    ASSERT_EQ(road.ApplyHorizon(), 0);
    const RoadEntity& line = *road.GetHorizon(3);
    EXPECT_NEAR(line.angle1, 0.5 + 50.0 / 200.0, 1e-12);
    EXPECT_NEAR(line.angle2, line.angle1, 1e-15);
}

}  // namespace
