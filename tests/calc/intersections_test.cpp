#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

// Opens the protected helpers of the conversions to the tests.
class ExposedRoad : public RoadSet
{
public:
    ExposedRoad() = default;
    explicit ExposedRoad(const RoadSet& road) : RoadSet(road) {}
    using RoadSet::_PARA_ADD_CROSS;
    using RoadSet::CheckStateAndAddCross;
    using RoadSet::insertArcsFromCross;
};

CrossEntity pointAt(double x, double y, double station = 0.0)
{
    CrossEntity p;
    p.x = x;
    p.y = y;
    p.l = station;
    return p;
}

// A PI with a curve (unsigned radius), its tangents computed as the dialog does.
CrossEntity curveAt(double x, double y, double radius, double arcLen, double spiralIn = 0.0,
                    double spiralOut = 0.0)
{
    CrossEntity p = pointAt(x, y);
    p.radius = radius;
    p.arcLen = arcLen;
    p.spiralLenIn = spiralIn;
    p.spiralLenOut = spiralOut;
    RoadSet::CalTangent(&p);
    return p;
}

// The point `distance` from p along azimuth `degrees`.
CrossEntity toward(const CrossEntity& p, double degrees, double distance)
{
    const double a = degrees * kPi / 180.0;
    return pointAt(p.x + distance * std::cos(a), p.y + distance * std::sin(a));
}

RoadSet withPoints(const std::vector<CrossEntity>& points)
{
    RoadSet road;
    for (const CrossEntity& p : points)
        road.InsertCross(p);
    return road;
}

bool allFinite(const CrossEntity& p)
{
    for (double v : {p.x, p.y, p.l, p.radius, p.arcLen, p.spiralLenIn, p.spiralLenOut,
                     p.tangentLenIn, p.tangentLenOut, p.angle})
        if (!std::isfinite(v))
            return false;
    return true;
}

bool allFinite(const RoadSet& road)
{
    for (int i = 0; i < road.NumberOfHorizon(); ++i) {
        const RoadEntity& e = *road.GetHorizon(i);
        for (double v :
             {e.radius, e.rou1, e.rou2, e.x1, e.y1, e.x2, e.y2, e.angle1, e.angle2, e.l1, e.length})
            if (!std::isfinite(v))
                return false;
    }
    for (int i = 0; i < road.NumberOfCross(); ++i)
        if (!allFinite(*road.GetCross(i)))
            return false;
    return true;
}

const RoadEntity& lastElement(const RoadSet& road)
{
    return *road.GetHorizon(road.NumberOfHorizon() - 1);
}

TEST(CalTangent, PointWithoutCurveHasNoTangents)
{
    CrossEntity p = curveAt(12, 34, 0, 0);
    EXPECT_EQ(p.tangentLenIn, 0);
    EXPECT_EQ(p.tangentLenOut, 0);
    EXPECT_EQ(p.angle, 0);
    EXPECT_EQ(p.x, 12);
    EXPECT_EQ(p.y, 34);
}

TEST(CalTangent, CircularArcMatchesTheClosedForm)
{
    for (double radius : {300.0, -300.0}) {
        const CrossEntity p = curveAt(3000, 5000, radius, 200);
        const double turn = 200.0 / 300.0;
        EXPECT_NEAR(p.angle, radius > 0 ? turn : 2 * kPi - turn, 1e-9);
        EXPECT_NEAR(p.tangentLenIn, 300 * std::tan(turn / 2), 1e-6);
        EXPECT_NEAR(p.tangentLenOut, 300 * std::tan(turn / 2), 1e-6);
        EXPECT_EQ(p.x, 3000);  // the scratch layout leaves the point where it was
    }
}

TEST(CalTangent, UnequalSpiralsGiveTangentsThatMeetTheCurveEnds)
{
    const CrossEntity p = curveAt(0, 0, 250, 100, 60, 30);
    EXPECT_NEAR(p.angle, (30.0 + 100.0 + 15.0) / 250.0, 1e-9);
    EXPECT_GT(p.tangentLenIn - p.tangentLenOut, 1.0);

    // Laid out from tangentLenIn before the PI, the curve ends tangentLenOut
    // after it, on the outgoing tangent.
    ExposedRoad road;
    CrossEntity pi = p;
    double x = 0, y = 0;
    ASSERT_EQ(road.insertArcsFromCross(&pi, 0.0, nullptr, &x, &y), 0);
    EXPECT_NEAR(x, p.tangentLenOut * std::cos(p.angle), 1e-9);
    EXPECT_NEAR(y, p.tangentLenOut * std::sin(p.angle), 1e-9);
}

TEST(CalTangent, CurvesWithoutAnIntersectionStayFinite)
{
    // Radius 0 cannot be built; parts each too short to build; a half and a
    // full circle, whose end tangents are parallel to the start tangent.
    const CrossEntity noRadius = curveAt(0, 0, 0, 50, 20, 20);
    EXPECT_EQ(noRadius.tangentLenIn, 0);
    EXPECT_EQ(noRadius.angle, 0);
    const CrossEntity crumbs = curveAt(0, 0, 100, 0.0005, 0.0005, 0.0005);
    EXPECT_EQ(crumbs.tangentLenOut, 0);
    EXPECT_EQ(crumbs.angle, 0);
    const CrossEntity halfTurn = curveAt(0, 0, 50, kPi * 50);
    EXPECT_EQ(halfTurn.tangentLenIn, 0);
    EXPECT_EQ(halfTurn.tangentLenOut, 0);
    EXPECT_NEAR(halfTurn.angle, kPi, 1e-9);
    EXPECT_TRUE(allFinite(curveAt(0, 0, 50, 2 * kPi * 50)));
    const CrossEntity noNumber = curveAt(0, 0, std::nan(""), 50);
    EXPECT_EQ(noNumber.tangentLenIn, 0);
    EXPECT_EQ(noNumber.angle, 0);
}

TEST(InsertArcsFromCross, PointWithoutCurveReportsItselfAndAppendsNothing)
{
    ExposedRoad road;
    CrossEntity p = pointAt(7, 8, 1234);
    double L = 0, x = 0, y = 0;
    EXPECT_EQ(road.insertArcsFromCross(&p, 1.0, &L, &x, &y), 0);
    EXPECT_EQ(L, 1234);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);
    EXPECT_EQ(road.insertArcsFromCross(&p, 1.0, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(road.NumberOfHorizon(), 0);
}

TEST(InsertArcsFromCross, FirstBuiltElementOwnsItsStartAndStationsFollowOn)
{
    ExposedRoad road;
    CrossEntity p = curveAt(100, 0, -200, 80, 0, 40);
    double L = 500, x = 0, y = 0;
    ASSERT_EQ(road.insertArcsFromCross(&p, 0.0, &L, &x, &y), 0);
    ASSERT_EQ(road.NumberOfHorizon(), 2);
    const RoadEntity& arc = *road.GetHorizon(0);
    const RoadEntity& spiral = *road.GetHorizon(1);
    EXPECT_EQ(arc.type, 2);
    EXPECT_EQ(arc.mode, 3);
    EXPECT_EQ(arc.pz, 0);  // a negative radius turns left
    EXPECT_NEAR(arc.x1, 100 - p.tangentLenIn, 1e-12);
    EXPECT_EQ(arc.l1, 500);
    EXPECT_EQ(spiral.mode, 0);
    EXPECT_EQ(spiral.l1, 580);
    EXPECT_EQ(spiral.x1, arc.x2);
    EXPECT_EQ(L, 620);
    EXPECT_EQ(x, spiral.x2);
    EXPECT_EQ(y, spiral.y2);
}

TEST(FromCross, EmptyAndSinglePoint)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0).line(10).build();
    EXPECT_EQ(road.FromCross(), 0);
    EXPECT_EQ(road.NumberOfHorizon(), 0);
    road.InsertCross(pointAt(5, 6, 700));
    EXPECT_EQ(road.FromCross(), 1);
    ASSERT_EQ(road.NumberOfHorizon(), 1);
    EXPECT_EQ(road.GetHorizon(0)->l1, 700);
}

TEST(FromCross, BuildsTheSameUnpositionedChainEachTime)
{
    const CrossEntity p0 = pointAt(0, 0);
    const CrossEntity p1 = curveAt(100, 0, 150, 60, 30, 20);
    RoadSet road = withPoints({p0, p1, toward(p1, -30, 200)});  // a left turn
    ASSERT_EQ(road.FromCross(), 3);
    const int count = road.NumberOfHorizon();
    ASSERT_EQ(count, 6);  // point, line, spiral, arc, spiral, line
    const RoadEntity arc = *road.GetHorizon(3);
    EXPECT_EQ(arc.type, 2);
    EXPECT_EQ(arc.pz, 0);
    EXPECT_EQ(arc.radius, 150);
    EXPECT_EQ(road.GetHorizon(1)->angle1, 0);
    EXPECT_NEAR(road.GetHorizon(1)->length, 100 - p1.tangentLenIn, 1e-12);
    EXPECT_EQ(road.GetHorizon(5)->mode, 0);
    ASSERT_EQ(road.FromCross(), 3);
    EXPECT_EQ(road.NumberOfHorizon(), count);
    EXPECT_EQ(road.GetHorizon(3)->pz, 0);
    EXPECT_EQ(road.GetCross(1)->radius, 150);
}

TEST(FromCross, OverlappingTangentsStopAtThePoint)
{
    const CrossEntity p1 = curveAt(300, 0, 200, 200);
    RoadSet road = withPoints({pointAt(0, 0), p1, toward(p1, 60, p1.tangentLenOut - 0.06)});
    EXPECT_EQ(road.FromCross(), 2);
    *road.GetCross(2) = toward(p1, 60, p1.tangentLenOut - 0.03);  // within the tolerance
    EXPECT_EQ(road.FromCross(), 3);
    EXPECT_EQ(road.GetHorizon(road.NumberOfHorizon() - 1)->length, 0);
}

TEST(FromCrossWithAdjust, EmptyListChangesNothing)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0).line(10).build();
    road.SetModified(false);
    int index = 42;
    EXPECT_EQ(road.FromCrossWithAdjust(index), -1);
    EXPECT_EQ(index, 42);
    EXPECT_EQ(road.NumberOfHorizon(), 2);
    EXPECT_FALSE(road.IsModified());
}

TEST(FromCrossWithAdjust, OneOrTwoPointsGiveAStartPointAndAtMostOneLine)
{
    RoadSet one = withPoints({pointAt(3, 4, 100)});
    int index = 0;
    EXPECT_EQ(one.FromCrossWithAdjust(index), 0);
    EXPECT_EQ(one.NumberOfHorizon(), 1);
    EXPECT_TRUE(one.IsModified());

    RoadSet two = withPoints({pointAt(3, 4, 100), pointAt(6, 8)});
    EXPECT_EQ(two.FromCrossWithAdjust(index), 0);
    EXPECT_EQ(index, 0);
    ASSERT_EQ(two.NumberOfHorizon(), 2);
    const RoadEntity& line = *two.GetHorizon(1);
    EXPECT_EQ(line.mode, 3);
    EXPECT_EQ(line.l1, 100);
    EXPECT_NEAR(line.x2, 6, 1e-12);
    EXPECT_NEAR(line.y2, 8, 1e-12);
    EXPECT_EQ(two.GetCross(1)->l, 105);
}

TEST(FromCrossWithAdjust, PointsWithoutCurvesMakeAPolyline)
{
    RoadSet road = withPoints({pointAt(0, 0, 1000), pointAt(30, 40), pointAt(60, 80)});
    int index = 0;
    EXPECT_EQ(road.FromCrossWithAdjust(index), 0);
    EXPECT_EQ(index, 1);
    ASSERT_EQ(road.NumberOfHorizon(), 3);
    EXPECT_EQ(road.GetHorizon(2)->x1, 30);
    EXPECT_EQ(road.GetCross(1)->l, 1050);
    EXPECT_EQ(road.GetCross(2)->l, 1100);
}

// Elements -> PIs -> tangents -> elements gives back the chain, for a right
// and a left curve with unequal spirals.
TEST(RoundTrip, ElementsThroughIntersectionPointsReproduceTheChain)
{
    const RoadSet original = RoadBuilder(3000, 5000, 0.4, 1000)
                                 .line(200)
                                 .spiral(0, 250, 70)
                                 .arc(250, 120)
                                 .spiral(250, 0, 40)
                                 .line(150)
                                 .spiral(0, -180, 30)
                                 .arc(-180, 90)
                                 .spiral(-180, 0, 55)
                                 .line(250)
                                 .build();
    RoadSet road = original;
    ASSERT_TRUE(road.ToCross_v2());
    ASSERT_EQ(road.NumberOfCross(), 4);
    for (int i = 0; i < 4; ++i) {
        CrossEntity& p = *road.GetCross(i);
        const CrossEntity fromChain = p;
        RoadSet::CalTangent(&p);
        EXPECT_NEAR(p.tangentLenIn, fromChain.tangentLenIn, 1e-6) << i;
        EXPECT_NEAR(p.tangentLenOut, fromChain.tangentLenOut, 1e-6) << i;
    }
    const CrossEntity right = *road.GetCross(1);
    EXPECT_EQ(right.radius, 250);
    EXPECT_EQ(right.spiralLenIn, 70);
    EXPECT_EQ(right.spiralLenOut, 40);
    EXPECT_GT(right.tangentLenIn, right.tangentLenOut);

    road.ClearHorizon();
    int index = 0;
    ASSERT_EQ(road.FromCrossWithAdjust(index), 0);
    EXPECT_EQ(index, 2);
    ASSERT_EQ(road.NumberOfHorizon(), original.NumberOfHorizon());
    for (int i = 1; i < original.NumberOfHorizon(); ++i) {
        const RoadEntity& want = *original.GetHorizon(i);
        const RoadEntity& got = *road.GetHorizon(i);
        EXPECT_EQ(got.type, want.type) << i;
        EXPECT_EQ(got.pz, want.pz) << i;
        EXPECT_NEAR(got.l1, want.l1, 1e-6) << i;
        EXPECT_NEAR(got.x2, want.x2, 1e-6) << i;
        EXPECT_NEAR(got.y2, want.y2, 1e-6) << i;
    }
    const RoadEntity& end = lastElement(road);
    EXPECT_NEAR(end.l1 + end.length, 1000 + 200 + 70 + 120 + 40 + 150 + 30 + 90 + 55 + 250, 1e-6);
    EXPECT_NEAR(road.GetCross(3)->l, end.l1 + end.length, 1e-9);
    EXPECT_NEAR(road.GetCross(1)->l, original.GetHorizon(2)->l1 + right.tangentLenIn, 1e-6);
    EXPECT_EQ(road.GetCross(2)->radius, 180);  // left turn, radius stays unsigned
}

// P0, a curve turning 30° right, one turning back 30° left, P3; the two PIs
// stand `excess` closer than their tangents need.
RoadSet reverseCurves(double excess)
{
    const CrossEntity p0 = pointAt(0, 0, 500);
    const CrossEntity p1 = curveAt(100, 0, 200, 200 * kPi / 6);
    const CrossEntity step = toward(p1, 30, p1.tangentLenOut * 2 - excess);
    const CrossEntity p2 = curveAt(step.x, step.y, 200, 200 * kPi / 6);
    return withPoints({p0, p1, p2, toward(p2, 0, 100)});
}

TEST(FromCrossWithAdjust, TangentsMayOverlapByAtMostFiveCentimetres)
{
    RoadSet road = reverseCurves(0.03);
    int index = 0;
    ASSERT_EQ(road.FromCrossWithAdjust(index), 0);
    ASSERT_EQ(road.NumberOfHorizon(), 5);  // point, line, arc, arc, line
    EXPECT_EQ(road.GetHorizon(2)->type, 2);
    EXPECT_EQ(road.GetHorizon(2)->pz, 1);
    EXPECT_EQ(road.GetHorizon(3)->type, 2);
    EXPECT_EQ(road.GetHorizon(3)->pz, 0);

    road = reverseCurves(0.06);
    index = 0;
    EXPECT_EQ(road.FromCrossWithAdjust(index), 8);
    EXPECT_EQ(index, 2);
    EXPECT_NE(road.GetCross(1)->l, 0);  // stations written before the failure stay
}

TEST(FromCrossWithAdjust, FinalStraightOverlapKeepsTheLastCurvePoint)
{
    const CrossEntity p1 = curveAt(300, 0, 200, 200);  // turns one radian
    RoadSet road = withPoints({pointAt(0, 0), p1, toward(p1, 180 / kPi, p1.tangentLenOut - 0.06)});
    int index = 0;
    EXPECT_EQ(road.FromCrossWithAdjust(index), 8);
    EXPECT_EQ(index, 1);
}

TEST(FromCrossWithAdjust, CurveThatDoesNotFitItsTangentsIsRefused)
{
    // The second curve is dimensioned for 30° but its legs turn by 40°.
    const CrossEntity p1 = curveAt(100, 0, 200, 200 * kPi / 6);
    const CrossEntity step = toward(p1, 30, 300);
    const CrossEntity p2 = curveAt(step.x, step.y, 150, 150 * kPi / 6);
    RoadSet road = withPoints({pointAt(0, 0), p1, p2, toward(p2, 70, 200)});
    int index = 0;
    EXPECT_EQ(road.FromCrossWithAdjust(index), 6);
    EXPECT_EQ(index, 2);
    EXPECT_GT(road.GetCross(2)->radius, 0);
}

TEST(FromCrossWithAdjust, CurveWithoutRadiusIsRefusedAtItsPoint)
{
    const CrossEntity p1 = curveAt(100, 0, 0, 80);
    RoadSet road = withPoints({pointAt(0, 0), p1, toward(p1, 20, 100)});
    int index = 0;
    EXPECT_EQ(road.FromCrossWithAdjust(index), 4);
    EXPECT_EQ(index, 1);
}

TEST(FromCrossWithAdjust, DegenerateLayoutsGiveACodeAndNoNaN)
{
    struct Case
    {
        const char* what;
        std::vector<CrossEntity> points;
        int code;
    };
    const CrossEntity p1 = pointAt(100, 0);
    const std::vector<Case> cases = {
        {"coincident points", {pointAt(5, 5), pointAt(5, 5), pointAt(5, 5)}, 0},
        {"curve on the start point", {pointAt(0, 0), curveAt(0, 0, 200, 100), p1}, 8},
        {"reversal", {pointAt(0, 0), p1, pointAt(0, 0)}, 0},
        {"half turn", {pointAt(0, 0), curveAt(100, 0, 50, kPi * 50), pointAt(0, 0)}, 6},
        {"curve at a point of zero legs", {p1, curveAt(100, 0, 200, 1e-4), p1}, 0},
    };
    for (const Case& c : cases) {
        RoadSet road = withPoints(c.points);
        int index = 0;
        EXPECT_EQ(road.FromCrossWithAdjust(index), c.code) << c.what;
        EXPECT_TRUE(allFinite(road)) << c.what;
    }
}

TEST(ToCross_v2, ArcBetweenStraightsGivesOnePointWithEqualTangents)
{
    RoadSet road = RoadBuilder(0, 0, 0, 1000).line(100).arc(-300, 200).line(100).build();
    road.SetModified(false);
    ASSERT_TRUE(road.ToCross_v2());
    ASSERT_EQ(road.NumberOfCross(), 3);
    const CrossEntity& pi = *road.GetCross(1);
    const double turn = 200.0 / 300.0;
    EXPECT_NEAR(pi.tangentLenIn, 300 * std::tan(turn / 2), 1e-6);
    EXPECT_NEAR(pi.tangentLenOut, pi.tangentLenIn, 1e-6);
    EXPECT_NEAR(pi.x, 100 + pi.tangentLenIn, 1e-6);
    EXPECT_NEAR(pi.y, 0, 1e-9);
    EXPECT_NEAR(pi.l, 1100 + pi.tangentLenIn, 1e-6);
    EXPECT_EQ(pi.radius, 300);
    EXPECT_EQ(pi.spiralLenIn + pi.spiralLenOut, 0);
    EXPECT_EQ(road.GetCross(0)->l, 1000);
    EXPECT_NEAR(road.GetCross(2)->l, 1400, 1e-9);
    EXPECT_FALSE(road.IsModified());
    EXPECT_TRUE(road.CanUseCross());
}

TEST(ToCross_v2, ConvertibleShapes)
{
    RoadSet curveAtEnd = RoadBuilder(0, 0, 0, 0).line(100).spiral(0, 200, 40).arc(200, 50).build();
    ASSERT_TRUE(curveAtEnd.ToCross_v2());
    ASSERT_EQ(curveAtEnd.NumberOfCross(), 3);
    EXPECT_EQ(curveAtEnd.GetCross(2)->x, lastElement(curveAtEnd).x2);

    RoadSet spiralsOnly =
        RoadBuilder(0, 0, 0, 0).line(100).spiral(0, 200, 40).spiral(200, 0, 60).line(50).build();
    ASSERT_TRUE(spiralsOnly.ToCross_v2());
    ASSERT_EQ(spiralsOnly.NumberOfCross(), 3);
    EXPECT_NEAR(spiralsOnly.GetCross(1)->radius, 200, 1e-9);
    EXPECT_EQ(spiralsOnly.GetCross(1)->arcLen, 0);

    RoadSet straights = RoadBuilder(0, 0, 0, 0).line(10).line(20).line(30).build();
    ASSERT_TRUE(straights.ToCross_v2());
    EXPECT_EQ(straights.NumberOfCross(), 2);

    RoadSet twoArcs = RoadBuilder(0, 0, 0, 0).line(10).arc(100, 30).arc(-80, 30).line(10).build();
    ASSERT_TRUE(twoArcs.ToCross_v2());
    EXPECT_EQ(twoArcs.NumberOfCross(), 4);
}

TEST(ToCross_v2, ShapesWithoutIntersectionPointsLeaveAnEmptyList)
{
    struct Case
    {
        const char* what;
        RoadSet road;
    };
    RoadSet startsWithLine = RoadBuilder(0, 0, 0, 0).line(10).line(10).build();
    *startsWithLine.GetHorizon(0) = *startsWithLine.GetHorizon(1);
    RoadSet startPointOnly;
    startPointOnly.InsertHorizonPoint(0, 0, 0);
    const std::vector<Case> cases = {
        {"entry spiral alone",
         RoadBuilder(0, 0, 0, 0).line(10).spiral(0, 200, 30).line(10).build()},
        {"exit spiral after a line", RoadBuilder(0, 0, 0, 0).line(10).spiral(200, 0, 30).build()},
        {"element 0 not a point", startsWithLine},
        {"radius off the spiral's",
         RoadBuilder(0, 0, 0, 0).line(10).spiral(0, 200, 30).arc(201, 30).build()},
        {"spiral between arcs",
         RoadBuilder(0, 0, 0, 0).arc(100, 10).spiral(100, 200, 10).arc(200, 10).build()},
        {"S-bend in one group",
         RoadBuilder(0, 0, 0, 0).line(10).spiral(0, 200, 30).arc(-200, 30).line(10).build()},
        {"half turn", RoadBuilder(0, 0, 0, 0).line(10).arc(50, kPi * 50).line(10).build()},
        {"full turn", RoadBuilder(0, 0, 0, 0).line(10).arc(50, 2 * kPi * 50).line(10).build()},
        {"start point only", startPointOnly},
    };
    for (const Case& c : cases) {
        RoadSet road = c.road;
        road.InsertCross(pointAt(1, 1));
        EXPECT_FALSE(road.ToCross_v2()) << c.what;
        EXPECT_EQ(road.NumberOfCross(), 0) << c.what;
    }
}

TEST(CheckStateAndAddCross, ClosesOnlyCompleteGroupsThatFit)
{
    ExposedRoad road(RoadBuilder(0, 0, 0, 0).line(10).spiral(0, 200, 30).arc(250, 40).build());
    ExposedRoad::_PARA_ADD_CROSS para;
    for (int incomplete : {0, 1, 2}) {
        int state = incomplete;
        EXPECT_EQ(road.CheckStateAndAddCross(state, para), incomplete);
        EXPECT_EQ(state, incomplete);
    }

    para.first = road.GetHorizon(2);
    para.arc = para.last = road.GetHorizon(3);
    int state = 5;  // entry spiral to 200 into an arc of 250
    EXPECT_EQ(road.CheckStateAndAddCross(state, para), -1);
    EXPECT_EQ(state, 5);
    EXPECT_EQ(para.first, road.GetHorizon(2));
    EXPECT_EQ(road.NumberOfCross(), 0);

    para.first = road.GetHorizon(3);
    state = 4;
    EXPECT_EQ(road.CheckStateAndAddCross(state, para), 0);
    EXPECT_EQ(state, 0);
    EXPECT_EQ(para.first, nullptr);
    EXPECT_EQ(para.last, nullptr);
    ASSERT_EQ(road.NumberOfCross(), 1);
    EXPECT_NEAR(road.GetCross(0)->angle, 40.0 / 250.0, 1e-9);
}

TEST(ToCross, SimpleCurveConvertsAndSetsTheFlag)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0)
                       .line(100)
                       .spiral(0, 200, 40)
                       .arc(200, 50)
                       .spiral(200, 0, 40)
                       .line(50)
                       .build();
    ASSERT_TRUE(road.ToCross());
    EXPECT_TRUE(road.CanUseCross());
    ASSERT_EQ(road.NumberOfCross(), 3);
    const CrossEntity& pi = *road.GetCross(1);
    EXPECT_EQ(pi.l, 0);
    EXPECT_EQ(pi.spiralLenIn, 40);
    EXPECT_EQ(pi.radius, 200);
    EXPECT_NEAR(pi.tangentLenIn, pi.tangentLenOut, 1e-6);
    EXPECT_EQ(road.GetCross(2)->x, lastElement(road).x2);
}

TEST(ToCross, ChainsItCannotExpressClearTheFlag)
{
    const std::vector<RoadSet> roads = {
        RoadBuilder(0, 0, 0, 0).line(10).arc(100, 30).build(),  // ends with a curve
        RoadBuilder(0, 0, 0, 0).arc(100, 30).line(10).build(),  // curve before any straight
        RoadBuilder(0, 0, 0, 0).line(10).arc(100, 30).arc(90, 30).line(10).build(),
        RoadBuilder(0, 0, 0, 0).line(10).arc(50, kPi * 50).line(10).build(),  // half turn
        RoadSet(),
    };
    for (std::size_t i = 0; i < roads.size(); ++i) {
        RoadSet road = roads[i];
        EXPECT_FALSE(road.ToCross()) << i;
        EXPECT_FALSE(road.CanUseCross()) << i;
        EXPECT_EQ(road.NumberOfCross(), 0) << i;
    }
}

}  // namespace
