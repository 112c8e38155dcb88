// The road model and the chaining of its elements.
#include "roadbuilder.h"

#include <QLoggingCategory>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RoadModel, AccessOutsideTheListsGivesNull)
{
    RoadSet road;
    road.InsertHorizonPoint(1, 2, 3);
    road.InsertVertical(VerticalEntity());
    EXPECT_NE(road.GetHorizon(0), nullptr);
    EXPECT_EQ(road.GetHorizon(1), nullptr);
    EXPECT_EQ(road.GetHorizon(-1), nullptr);
    EXPECT_EQ(road.GetVertical(1), nullptr);
}

TEST(RoadModel, ClearAllResetsTheFileVersionAndNewRoadTheModifiedFlag)
{
    RoadSet road;
    road.InsertCross(CrossEntity());
    EXPECT_FALSE(road.isHorizonEmpty());  // intersection points count as horizon
    road.SetModified(true);
    RoadSet::fileVer = 1;
    RoadSet::Ver = RoadSet::VerOlder;
    road.ClearAll();
    EXPECT_TRUE(road.isHorizonEmpty());
    EXPECT_EQ(std::make_pair(RoadSet::fileVer, RoadSet::Ver),
              std::make_pair(0, RoadSet::VerCurrent));
    EXPECT_TRUE(road.IsModified());
    road.NewRoad();
    EXPECT_FALSE(road.IsModified());
}

TEST(ApplyHorizon, ModeBitsKeepTheElementsOwnAzimuthOrPoint)
{
    RoadSet road;
    road.InsertHorizonPoint(0, 0, 0);
    EXPECT_EQ(road.ApplyHorizon(), 1);  // nothing beside the start point
    EXPECT_FALSE(road.IsModified());

    road = RoadBuilder(0, 0, 0, 0).line(100).build();
    for (int mode : {1, 2, 3}) {
        RoadEntity e;
        ASSERT_EQ(e.set(1, 500 * mode, 500, mode, 0, 0, 10, mode), 0);
        road.InsertHorizon(e);
    }
    ASSERT_EQ(road.ApplyHorizon(), 0);
    EXPECT_TRUE(road.IsModified());
    const RoadEntity* e = road.GetHorizon(2);
    EXPECT_EQ(e[0].x1, 100);  // own azimuth, point from the predecessor
    EXPECT_EQ(e[0].angle1, 1.0);
    EXPECT_EQ(e[1].x1, 1000);  // own point, azimuth from the predecessor
    EXPECT_DOUBLE_EQ(e[1].angle1, 1.0);
    EXPECT_EQ(e[2].x1, 1500);  // both its own, the station continued
    EXPECT_EQ(e[2].angle1, 3.0);
    EXPECT_EQ(e[2].l1, 120);
    EXPECT_NEAR(e[2].x2, 1500 + 10 * std::cos(3.0), 1e-9);
}

QStringList captured;

void capture(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    captured << QString::fromLatin1(context.category) + ": " + message;
}

// The library's traces cost the stake walk and the drawing nothing unless
// asked for, the way QT_LOGGING_RULES asks.
TEST(DebugLines, OffByDefaultAndOnWithTheLoggingRules)
{
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    captured.clear();
    lineThenArc();
    EXPECT_TRUE(captured.isEmpty());
    QLoggingCategory::setFilterRules("trazel.debug=true");
    lineThenArc();
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    ASSERT_FALSE(captured.isEmpty());
    EXPECT_EQ(captured[0], "trazel: Enter ApplyHorizon");
}

}  // namespace
