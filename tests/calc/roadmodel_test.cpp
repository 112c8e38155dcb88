// The road model and the chaining of its elements.
#include "roadbuilder.h"

#include <QLoggingCategory>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

TEST(RoadModel, AccessOutsideTheListGivesNull)
{
    RoadSet road;
    EXPECT_TRUE(road.isHorizonEmpty() && road.isVerticalEmpty() && road.CanUseCross());
    EXPECT_EQ(road.GetHorizon(0), nullptr);
    road.InsertHorizonPoint(1, 2, 3);
    road.InsertVertical(VerticalEntity());
    EXPECT_NE(road.GetHorizon(0), nullptr);
    EXPECT_EQ(road.GetHorizon(1), nullptr);
    EXPECT_EQ(road.GetHorizon(-1), nullptr);
    EXPECT_EQ(road.GetCross(0), nullptr);
    EXPECT_EQ(road.GetVertical(1), nullptr);
    EXPECT_EQ(road.GetTemplate(0), nullptr);
    EXPECT_EQ(road.GetSection(0), nullptr);
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
    EXPECT_EQ(RoadSet::fileVer, 0);
    EXPECT_EQ(RoadSet::Ver, RoadSet::VerCurrent);
    EXPECT_TRUE(road.IsModified());

    road.InsertCross(CrossEntity());
    RoadSet::fileVer = 3;
    road.NewRoad();
    EXPECT_EQ(RoadSet::fileVer, 3);
    RoadSet::fileVer = 0;
    EXPECT_TRUE(road.isHorizonEmpty());
    EXPECT_FALSE(road.IsModified());
}

TEST(ApplyHorizon, ChainsALineIntoARightArc)
{
    RoadSet road;
    road.InsertHorizonPoint(0, 0, 0);
    EXPECT_EQ(road.ApplyHorizon(), 1);  // nothing beside the start point
    EXPECT_FALSE(road.IsModified());

    road = lineThenArc();
    EXPECT_TRUE(road.IsModified());
    const RoadEntity& arc = *road.GetHorizon(2);
    EXPECT_EQ(std::make_tuple(arc.x1, arc.y1, arc.angle1, arc.l1),
              std::make_tuple(100, 0, 0, 1100));
    EXPECT_NEAR(std::hypot(arc.x2 - 200, arc.y2 - 100), 0, 1e-3);
    EXPECT_NEAR(arc.angle2, std::acos(-1) / 2, 1e-6);
}

TEST(ApplyHorizon, ModeBitsKeepTheElementsOwnAzimuthOrPoint)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0).line(100).build();
    for (int mode : {1, 2, 3}) {
        RoadEntity e;
        ASSERT_EQ(e.set(1, 500 * mode, 500, mode, 0, 0, 10, mode), 0);
        road.InsertHorizon(e);
    }
    ASSERT_EQ(road.ApplyHorizon(), 0);
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
    RoadBuilder(0, 0, 0, 0).line(10).arc(100, 20).build();
    EXPECT_TRUE(captured.isEmpty());
    QLoggingCategory::setFilterRules("trazel.debug=true");
    RoadBuilder(0, 0, 0, 0).line(10).arc(100, 20).build();
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);

    ASSERT_EQ(captured.size(), 3);
    EXPECT_EQ(captured[0], "trazel: Enter ApplyHorizon");
    EXPECT_TRUE(captured[1].startsWith("trazel: x2 = ")) << captured[1].toStdString();
}

}  // namespace
