#include "roadset.h"

#include <gtest/gtest.h>

namespace {

class RoadModel : public ::testing::Test
{
protected:
    void TearDown() override
    {
        RoadSet::fileVer = 0;
        RoadSet::Ver = RoadSet::VerCurrent;
    }
};

TEST_F(RoadModel, NewRoadIsEmptyUnmodifiedAndUsesIntersectionPoints)
{
    const RoadSet road;
    EXPECT_EQ(road.NumberOfHorizon(), 0);
    EXPECT_EQ(road.NumberOfCross(), 0);
    EXPECT_EQ(road.NumberOfVertical(), 0);
    EXPECT_EQ(road.NumberOfTemplates(), 0);
    EXPECT_EQ(road.NumberOfSections(), 0);
    EXPECT_TRUE(road.isHorizonEmpty());
    EXPECT_TRUE(road.isVerticalEmpty());
    EXPECT_FALSE(road.IsModified());
    EXPECT_STREQ(road.FilePath(), "");
    EXPECT_TRUE(road.CanUseCross());
    EXPECT_EQ(RoadSet::currVer, 2);
}

TEST_F(RoadModel, IntersectionPointsAloneMakeTheHorizonNonEmpty)
{
    RoadSet road;
    road.InsertCross(CrossEntity());
    EXPECT_EQ(road.NumberOfHorizon(), 0);
    EXPECT_FALSE(road.isHorizonEmpty());
}

TEST_F(RoadModel, AccessOutsideTheListGivesNull)
{
    RoadSet road;
    road.InsertHorizonPoint(1, 2, 3);
    road.InsertVertical(VerticalEntity());
    EXPECT_NE(road.GetHorizon(0), nullptr);
    EXPECT_EQ(road.GetHorizon(1), nullptr);
    EXPECT_EQ(road.GetHorizon(-1), nullptr);
    EXPECT_EQ(road.GetCross(0), nullptr);
    EXPECT_NE(road.GetVertical(0), nullptr);
    EXPECT_EQ(road.GetVertical(1), nullptr);
    EXPECT_EQ(road.GetTemplate(0), nullptr);
    EXPECT_EQ(road.GetSection(0), nullptr);
}

TEST_F(RoadModel, AppendingCopiesAndLeavesTheModifiedFlag)
{
    RoadSet road;
    RoadTemplate t;
    t.name = "A";
    t.items.push_back({3.5, -0.07});
    road.AddTemplate(t);
    t.name = "changed";
    ASSERT_EQ(road.NumberOfTemplates(), 1);
    EXPECT_EQ(road.GetTemplate(0)->name, "A");
    EXPECT_EQ(road.GetTemplate(0)->items.size(), 1u);
    EXPECT_FALSE(road.IsModified());

    road.GetTemplate(0)->name = "edited in place";
    EXPECT_EQ(road.GetTemplate(0)->name, "edited in place");
}

TEST_F(RoadModel, ClearAllResetsVersionStaticsButKeepsModified)
{
    RoadSet road;
    road.InsertHorizonPoint(0, 0, 0);
    road.SetModified(true);
    RoadSet::fileVer = 1;
    RoadSet::Ver = RoadSet::VerOlder;
    road.ClearAll();
    EXPECT_EQ(road.NumberOfHorizon(), 0);
    EXPECT_EQ(RoadSet::fileVer, 0);
    EXPECT_EQ(RoadSet::Ver, RoadSet::VerCurrent);
    EXPECT_TRUE(road.IsModified());
}

TEST_F(RoadModel, NewRoadClearsModifiedButKeepsVersionStatics)
{
    RoadSet road;
    road.InsertHorizonPoint(0, 0, 0);
    road.InsertCross(CrossEntity());
    road.SetModified(true);
    RoadSet::fileVer = 3;
    RoadSet::Ver = RoadSet::VerNewer;
    road.NewRoad();
    EXPECT_TRUE(road.isHorizonEmpty());
    EXPECT_FALSE(road.IsModified());
    EXPECT_TRUE(road.CanUseCross());
    EXPECT_EQ(RoadSet::fileVer, 3);
    EXPECT_EQ(RoadSet::Ver, RoadSet::VerNewer);
}

TEST_F(RoadModel, CopiesAreDeep)
{
    RoadSet source;
    source.InsertHorizonPoint(10, 20, 100);
    source.SetModified(true);
    RoadSet copy(source);
    copy.GetHorizon(0)->x1 = 99;
    copy.InsertHorizonLine(5);
    copy.SetModified(false);
    copy.ClearFilePath();

    EXPECT_EQ(source.NumberOfHorizon(), 1);
    EXPECT_EQ(source.GetHorizon(0)->x1, 10);
    EXPECT_TRUE(source.IsModified());

    RoadSet assigned;
    assigned = source;
    assigned.ClearHorizon();
    EXPECT_EQ(source.NumberOfHorizon(), 1);
}

TEST_F(RoadModel, ClearingAnArcKeepsOnlyItsType)
{
    RoadEntity arc;
    ASSERT_EQ(arc.set(2, 1, 2, 0.3, 200, 200, 50, 3), 0);
    arc.l1 = 10;
    arc.x2 = 5;
    arc.Clear();
    EXPECT_EQ(arc.type, 2);
    for (double v : {arc.radius, arc.rou1, arc.rou2, arc.x1, arc.y1, arc.x2, arc.y2, arc.angle1,
                     arc.angle2, arc.l1, arc.length})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(arc.pz, 0);
    EXPECT_EQ(arc.mode, 0);
}

TEST_F(RoadModel, NewRecordsAreZero)
{
    const RoadEntity e;
    EXPECT_EQ(e.type, 0);
    EXPECT_EQ(e.length, 0.0);
    const CrossEntity c;
    EXPECT_EQ(c.angle, 0.0);
    const VerticalEntity v;
    EXPECT_EQ(v.tangent, 0.0);
    const RoadSection s;
    EXPECT_EQ(s.L1, 0.0);
    EXPECT_EQ(s.L2, 0.0);
    EXPECT_TRUE(s.left.empty());
}

}  // namespace
