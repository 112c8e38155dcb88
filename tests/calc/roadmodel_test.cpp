// The road model and the chaining of its elements.
#include "roadbuilder.h"

#include <QLoggingCategory>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

TEST(RoadModel, AccessOutsideTheListsChainingAStartPointAndClearing)
{
    RoadSet road;
    road.InsertCross(CrossEntity());
    EXPECT_FALSE(road.isHorizonEmpty());  // intersection points count as horizon
    road.SetModified(true);
    RoadSet::fileVer = 1;
    RoadSet::Ver = RoadSet::VerOlder;
    road.ClearAll();
    EXPECT_TRUE(road.isHorizonEmpty());
    EXPECT_EQ(std::make_tuple(RoadSet::fileVer, RoadSet::Ver, road.IsModified()),
              std::make_tuple(0, RoadSet::VerCurrent, true));
    road.NewRoad();
    road.InsertHorizonPoint(1, 2, 3);
    road.InsertVertical(VerticalEntity());
    EXPECT_TRUE(!road.GetHorizon(1) && !road.GetHorizon(-1) && !road.GetVertical(1));
    EXPECT_EQ(road.ApplyHorizon(), 1);  // a start point alone is no chain
    EXPECT_FALSE(road.IsModified());
}

// Mode 1 keeps the own azimuth, 2 the own point, 3 both; the rest comes from the predecessor.
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
    EXPECT_EQ(std::make_pair(e[0].x1, e[0].angle1), std::make_pair(100.0, 1.0));
    EXPECT_EQ(std::make_pair(e[1].x1, e[1].angle1), std::make_pair(1000.0, e[0].angle2));
    EXPECT_EQ(std::make_tuple(e[2].x1, e[2].angle1, e[2].l1, road.IsModified()),
              std::make_tuple(1500.0, 3.0, 120.0, true));
    EXPECT_NEAR(e[2].x2, 1500 + 10 * std::cos(3.0), 1e-9);
}

QStringList captured;

// The library's traces cost nothing unless asked for, the way QT_LOGGING_RULES asks.
TEST(DebugLines, OffByDefaultAndOnWithTheLoggingRules)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& m) {
        captured << QString::fromLatin1(context.category) + ": " + m;
    });
    lineThenArc();
    EXPECT_TRUE(captured.isEmpty());
    QLoggingCategory::setFilterRules("trazel.debug=true");
    lineThenArc();
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(nullptr);
    EXPECT_EQ(captured.value(0), "trazel: Enter ApplyHorizon");
}

}  // namespace
