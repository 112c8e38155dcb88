#include "curvefit.h"
#include "roadbuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

CrossEntity startAt(double x, double y, double station)
{
    CrossEntity p = pointAt(x, y);
    p.l = station;
    return p;
}

// A PI with a curve (unsigned radius), its tangents computed as the dialog does.
CrossEntity curveAt(double x, double y, double radius, double spiralIn, double arcLen,
                    double spiralOut)
{
    CrossEntity p = pointAt(x, y, radius, spiralIn, arcLen, spiralOut);
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

bool allFinite(const RoadSet& road)
{
    std::vector<double> values;
    for (int i = 0; i < road.NumberOfHorizon(); ++i) {
        const RoadEntity& e = *road.GetHorizon(i);
        values.insert(values.end(), {e.radius, e.rou1, e.rou2, e.x1, e.y1, e.x2, e.y2, e.angle1,
                                     e.angle2, e.l1, e.length});
    }
    for (int i = 0; i < road.NumberOfCross(); ++i) {
        const CrossEntity& p = *road.GetCross(i);
        values.insert(values.end(), {p.x, p.y, p.l, p.radius, p.arcLen, p.spiralLenIn,
                                     p.spiralLenOut, p.tangentLenIn, p.tangentLenOut, p.angle});
    }
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

const RoadEntity& lastElement(const RoadSet& road)
{
    return *road.GetHorizon(road.NumberOfHorizon() - 1);
}

TEST(CalTangent, TangentsOfArcsAndSpirals)
{
    for (double radius : {300.0, -300.0}) {
        const CrossEntity p = curveAt(3000, 5000, radius, 0, 200, 0);
        const double turn = 200.0 / 300.0;
        EXPECT_NEAR(p.angle, radius > 0 ? turn : 2 * kPi - turn, 1e-9);
        EXPECT_NEAR(p.tangentLenIn, 300 * std::tan(turn / 2), 1e-6);
        EXPECT_NEAR(p.tangentLenOut, p.tangentLenIn, 1e-6);
        EXPECT_EQ(p.x, 3000);  // the scratch layout leaves the point where it was
    }
    const CrossEntity p = curveAt(0, 0, 250, 60, 100, 30);
    EXPECT_NEAR(p.angle, (30.0 + 100.0 + 15.0) / 250.0, 1e-9);
    EXPECT_GT(p.tangentLenIn - p.tangentLenOut, 1.0);  // the longer spiral's side
}

TEST(CalTangent, CurvesWithoutAnIntersectionHaveNoTangents)
{
    // A half circle's end tangent is parallel to its start tangent.
    const std::tuple<const char*, CrossEntity, double> cases[] = {
        {"no curve", curveAt(12, 34, 0, 0, 0, 0), 0},
        {"radius 0", curveAt(0, 0, 0, 20, 50, 20), 0},
        {"parts too short to build", curveAt(0, 0, 100, 0.0005, 0.0005, 0.0005), 0},
        {"radius NaN", curveAt(0, 0, std::nan(""), 0, 50, 0), 0},
        {"half turn", curveAt(0, 0, 50, 0, kPi * 50, 0), kPi}};
    for (const auto& [what, p, angle] : cases) {
        EXPECT_EQ(p.tangentLenIn + p.tangentLenOut, 0) << what;
        EXPECT_NEAR(p.angle, angle, 1e-9) << what;
    }
    EXPECT_TRUE(allFinite(withPoints({curveAt(0, 0, 50, 0, 2 * kPi * 50, 0)})));  // full turn
}

TEST(FromCross, BuildsTheSameChainEachTime)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0).line(10).build();
    EXPECT_EQ(road.FromCross(), 0);
    EXPECT_EQ(road.NumberOfHorizon(), 0);
    road.InsertCross(startAt(5, 6, 700));
    EXPECT_EQ(road.FromCross(), 1);
    EXPECT_EQ(road.GetHorizon(0)->l1, 700);

    const CrossEntity p1 = curveAt(100, 0, 150, 30, 60, 20);
    road = withPoints({pointAt(0, 0), p1, toward(p1, -30, 200)});  // a left turn
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(road.FromCross(), 3);
        ASSERT_EQ(road.NumberOfHorizon(), 6);  // point, line, spiral, arc, spiral, line
        const RoadEntity& arc = *road.GetHorizon(3);
        EXPECT_EQ(std::make_tuple(arc.type, arc.pz, arc.radius), std::make_tuple(2, 0, 150.0));
        EXPECT_NEAR(road.GetHorizon(1)->length, 100 - p1.tangentLenIn, 1e-12);
        EXPECT_EQ(road.GetCross(1)->radius, 150);
    }
}

TEST(FromCrossWithAdjust, FewPointsOrNoCurvesGiveLines)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0).line(10).build();
    road.SetModified(false);
    int index = 42;
    EXPECT_EQ(road.FromCrossWithAdjust(index), -1);  // no points: nothing changes
    EXPECT_EQ(std::make_tuple(index, road.NumberOfHorizon(), road.IsModified()),
              std::make_tuple(42, 2, false));

    road = withPoints({startAt(3, 4, 100)});
    EXPECT_EQ(road.FromCrossWithAdjust(index), 0);
    EXPECT_EQ(road.NumberOfHorizon(), 1);

    road = withPoints({startAt(3, 4, 100), pointAt(6, 8)});
    EXPECT_EQ(road.FromCrossWithAdjust(index), 0);
    ASSERT_EQ(road.NumberOfHorizon(), 2);
    EXPECT_EQ(road.GetHorizon(1)->mode, 3);
    EXPECT_NEAR(std::hypot(road.GetHorizon(1)->x2 - 6, road.GetHorizon(1)->y2 - 8), 0, 1e-12);
    EXPECT_EQ(road.GetCross(1)->l, 105);

    road = withPoints({startAt(0, 0, 1000), pointAt(30, 40), pointAt(60, 80)});
    EXPECT_EQ(road.FromCrossWithAdjust(index), 0);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(road.NumberOfHorizon(), 3);
    EXPECT_EQ(road.GetCross(2)->l, 1100);
}

// Elements -> PIs -> tangents -> elements gives back the chain, for a right
// and a left curve with unequal spirals.
TEST(RoundTrip, ElementsThroughIntersectionPointsReproduceTheChain)
{
    const RoadSet original = RoadBuilder(3000, 5000, 0.4, 1000)
                                 .line(200)
                                 .curve(250, 70, 120, 40)
                                 .line(150)
                                 .curve(-180, 30, 90, 55)
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
    EXPECT_EQ(std::make_pair(right.spiralLenIn, right.spiralLenOut), std::make_pair(70.0, 40.0));

    road.ClearHorizon();
    int index = 0;
    ASSERT_EQ(road.FromCrossWithAdjust(index), 0);
    EXPECT_EQ(index, 2);
    ASSERT_EQ(road.NumberOfHorizon(), original.NumberOfHorizon());
    for (int i = 1; i < original.NumberOfHorizon(); ++i) {
        const RoadEntity& want = *original.GetHorizon(i);
        const RoadEntity& got = *road.GetHorizon(i);
        EXPECT_EQ(std::make_pair(got.type, got.pz), std::make_pair(want.type, want.pz)) << i;
        EXPECT_NEAR(got.l1, want.l1, 1e-6) << i;
        EXPECT_NEAR(std::hypot(got.x2 - want.x2, got.y2 - want.y2), 0, 1e-6) << i;
    }
    const double end = lastElement(road).l1 + lastElement(road).length;
    EXPECT_NEAR(end, 1000 + 200 + 230 + 150 + 175 + 250, 1e-6);
    EXPECT_NEAR(road.GetCross(3)->l, end, 1e-9);
    EXPECT_NEAR(road.GetCross(1)->l, original.GetHorizon(2)->l1 + right.tangentLenIn, 1e-6);
    EXPECT_EQ(road.GetCross(2)->radius, 180);  // left turn, radius stays unsigned
}

// P0, a curve turning 30° right, one turning back 30° left, P3; the two PIs
// stand `excess` closer than their tangents need.
RoadSet reverseCurves(double excess)
{
    const CrossEntity p1 = curveAt(100, 0, 200, 0, 200 * kPi / 6, 0);
    const CrossEntity step = toward(p1, 30, p1.tangentLenOut * 2 - excess);
    const CrossEntity p2 = curveAt(step.x, step.y, 200, 0, 200 * kPi / 6, 0);
    return withPoints({startAt(0, 0, 500), p1, p2, toward(p2, 0, 100)});
}

TEST(FromCrossWithAdjust, TangentsMayOverlapByAtMostFiveCentimetres)
{
    RoadSet road = reverseCurves(0.03);
    int index = 0;
    ASSERT_EQ(road.FromCrossWithAdjust(index), 0);
    ASSERT_EQ(road.NumberOfHorizon(), 5);  // point, line, arc, arc, line
    EXPECT_EQ(road.GetHorizon(2)->pz, 1);
    EXPECT_EQ(road.GetHorizon(3)->type, 2);
    EXPECT_EQ(road.GetHorizon(3)->pz, 0);

    road = reverseCurves(0.06);
    CrossDiagnosis why;
    EXPECT_EQ(road.FromCrossWithAdjust(index, why), 8);
    EXPECT_EQ(index, 2);
    EXPECT_NE(road.GetCross(1)->l, 0);  // stations written before the failure stay
    EXPECT_EQ(std::make_tuple(why.reason, why.code, why.point, why.neighbour),
              std::make_tuple(CrossDiagnosis::TangentsOverlap, 8, 2, 1));
    EXPECT_NEAR(why.overlap, 0.06, 1e-9);
}

// A 30° curve on legs that turn a little more misses its outgoing leg by
// 2·T·sin(excess / 2): up to five centimetres that is accepted.
TEST(FromCrossWithAdjust, CurvesMayMissTheirLegByAtMostFiveCentimetres)
{
    const CrossEntity p1 = curveAt(100, 0, 200, 0, 200 * kPi / 6, 0);
    for (const double miss : {0.04, 0.06}) {
        const double excess = 2 * std::asin(miss / (2 * p1.tangentLenOut));
        RoadSet road =
            withPoints({startAt(0, 0, 500), p1, toward(p1, 30 + excess * 180 / kPi, 200)});
        int index = 0;
        CrossDiagnosis why;
        EXPECT_EQ(road.FromCrossWithAdjust(index, why), miss < 0.05 ? 0 : 6) << miss;
        EXPECT_NEAR(why.misclosure, miss < 0.05 ? 0 : miss, 1e-6) << miss;
    }
}

TEST(FromCrossWithAdjust, RefusedAndDegenerateLayoutsGiveACodeAReasonAndNoNaN)
{
    const CrossEntity p1 = curveAt(100, 0, 200, 0, 200 * kPi / 6, 0);  // dimensioned for 30°
    const CrossEntity step = toward(p1, 30, 300);
    const CrossEntity p2 = curveAt(step.x, step.y, 150, 0, 150 * kPi / 6, 0);
    const CrossEntity oneRadian = curveAt(300, 0, 200, 0, 200, 0);
    const CrossEntity noRadius = curveAt(100, 0, 0, 0, 80, 0);
    const CrossEntity o = pointAt(0, 0), p = pointAt(100, 0);
    using Why = CrossDiagnosis;
    const std::tuple<const char*, std::vector<CrossEntity>, int, int, Why::Reason> cases[] = {
        {"legs turn 40°", {o, p1, p2, toward(p2, 70, 200)}, 6, 2, Why::CurveMissesItsLegs},
        {"no radius", {o, noRadius, toward(noRadius, 20, 100)}, 4, 1, Why::CurveNotBuilt},
        {"final straight overlaps",
         {o, oneRadian, toward(oneRadian, 180 / kPi, oneRadian.tangentLenOut - 0.06)},
         8,
         1,
         Why::TangentsOverlap},
        {"curve on the start point",
         {o, curveAt(0, 0, 200, 0, 100, 0), p},
         8,
         1,
         Why::TangentsOverlap},
        {"curve on a straight",
         {o, curveAt(100, 0, 200, 0, 50, 0), toward(p, 0, 100)},
         6,
         1,
         Why::PointOnStraight},
        {"half turn", {o, curveAt(100, 0, 50, 0, kPi * 50, 0), o}, 6, 1, Why::CurveMissesItsLegs},
        {"coincident points", {pointAt(5, 5), pointAt(5, 5), pointAt(5, 5)}, 0, 1, Why::Converted},
        {"reversal", {o, p, o}, 0, 1, Why::Converted},
        {"curve at a point of zero legs",
         {p, curveAt(100, 0, 200, 0, 1e-4, 0), p},
         0,
         1,
         Why::Converted},
    };
    CrossDiagnosis why;  // tells of the last call only: a success clears it
    for (const auto& [what, points, code, at, reason] : cases) {
        RoadSet road = withPoints(points);
        int index = -1;
        EXPECT_EQ(road.FromCrossWithAdjust(index, why), code) << what;
        EXPECT_EQ(index, at) << what;
        EXPECT_EQ(std::make_tuple(why.code, why.reason), std::make_tuple(code, reason)) << what;
        EXPECT_EQ(why.point, code == 0 ? 0 : at) << what;
        EXPECT_TRUE(allFinite(road)) << what;
        if (std::string(what) == "legs turn 40°") {  // by how much the 30° curve misses
            EXPECT_NEAR(why.curveTurn, kPi / 6, 1e-12);
            EXPECT_NEAR(why.legTurn, 40 * kPi / 180, 1e-9);
            EXPECT_GT(why.misclosure, 5);
        }
    }
}

// A curve designed by radius and spirals: the arc follows from the legs.
TEST(FitArc, ArcTakesWhatTheSpiralsLeaveOfTheDeflection)
{
    const double delta = 35 * kPi / 180;
    ArcFit fit = fitArc(400, 60, 60, -delta);
    ASSERT_TRUE(fit.fits);
    EXPECT_NEAR(fit.arcLength, 400 * delta - 60, 1e-9);
    EXPECT_NEAR(curveTurn(-400, 60, fit.arcLength, 60), delta, 1e-12);
    // Laid out at a PI whose legs turn by delta, the curve closes on them.
    const CrossEntity b = curveAt(500, 0, 400, 60, fit.arcLength, 60);
    RoadSet road = withPoints({pointAt(0, 0), b, toward(b, -35, 600)});
    int index = 0;
    EXPECT_EQ(road.FromCrossWithAdjust(index), 0);
    EXPECT_NEAR(legDeflection(*road.GetCross(0), *road.GetCross(1), *road.GetCross(2)), -delta,
                1e-12);

    // Spirals too long: the longest that fit keep their ratio, to the mm below.
    fit = fitArc(400, 300, 200, delta);
    EXPECT_FALSE(fit.fits);
    const double room = 2 * 400 * delta;  // 488.692... m of spiral
    EXPECT_NEAR(fit.spiralInLimit, std::floor(room * 3 / 5 * 1000) / 1000, 1e-9);
    EXPECT_NEAR(fit.spiralOutLimit, std::floor(room * 2 / 5 * 1000) / 1000, 1e-9);
    EXPECT_TRUE(fitArc(400, fit.spiralInLimit, fit.spiralOutLimit, delta).fits);
    for (const ArcFit& none :
         {fitArc(0, 60, 60, delta), fitArc(400, 0, 0, 0), fitArc(std::nan(""), 0, 0, delta)})
        EXPECT_FALSE(none.fits);
    EXPECT_NEAR(turnBetween(3, -3), 2 * kPi - 6, 1e-12);
}

TEST(ToCross_v2, CurveGroupsBecomePointsWithTheirTangents)
{
    RoadSet road = RoadBuilder(0, 0, 0, 1000).line(100).arc(-300, 200).line(100).build();
    road.SetModified(false);
    ASSERT_TRUE(road.ToCross_v2());
    ASSERT_EQ(road.NumberOfCross(), 3);
    const CrossEntity& pi = *road.GetCross(1);
    const double tangent = 300 * std::tan(200.0 / 300.0 / 2);
    EXPECT_NEAR(pi.tangentLenIn + pi.tangentLenOut, 2 * tangent, 1e-6);
    EXPECT_NEAR(pi.l, 1100 + tangent, 1e-6);
    EXPECT_EQ(pi.radius, 300);
    EXPECT_FALSE(road.IsModified());
}

// Shapes that make intersection points, with the number of points and the
// radius of the first curve, and shapes that make none (0 points).
TEST(ToCross_v2, ShapesAndTheirIntersectionPoints)
{
    RoadSet startsWithLine = RoadBuilder(0, 0, 0, 0).line(10).line(10).build();
    *startsWithLine.GetHorizon(0) = *startsWithLine.GetHorizon(1);
    RoadSet startPointOnly;
    startPointOnly.InsertHorizonPoint(0, 0, 0);
    const RoadBuilder line = RoadBuilder(0, 0, 0, 0).line(100);
    const std::tuple<const char*, RoadSet, int, double> shapes[] = {
        {"spiral and arc", RoadBuilder(line).spiral(0, 200, 40).arc(200, 50).build(), 3, 200},
        {"two spirals", RoadBuilder(line).spiral(0, 200, 40).spiral(200, 0, 60).build(), 3, 200},
        {"lines", RoadBuilder(line).line(20).line(30).build(), 2, 0},
        {"arcs back to back", RoadBuilder(line).arc(100, 30).arc(-80, 30).line(10).build(), 4, 100},
        {"entry spiral alone", RoadBuilder(line).spiral(0, 200, 30).line(10).build(), 0, 0},
        {"exit spiral after a line", RoadBuilder(line).spiral(200, 0, 30).build(), 0, 0},
        {"element 0 not a point", startsWithLine, 0, 0},
        {"radius off the spiral's", RoadBuilder(line).spiral(0, 200, 30).arc(201, 30).build(), 0,
         0},
        {"spiral between arcs",
         RoadBuilder(0, 0, 0, 0).arc(100, 10).spiral(100, 200, 10).arc(200, 10).build(), 0, 0},
        {"S-bend in one group", RoadBuilder(line).spiral(0, 200, 30).arc(-200, 30).line(10).build(),
         0, 0},
        {"half turn", RoadBuilder(line).arc(50, kPi * 50).line(10).build(), 0, 0},
        {"full turn", RoadBuilder(line).arc(50, 2 * kPi * 50).line(10).build(), 0, 0},
        {"start point only", startPointOnly, 0, 0},
    };
    for (auto [what, shape, points, radius] : shapes) {
        shape.InsertCross(pointAt(1, 1));
        EXPECT_EQ(shape.ToCross_v2(), points > 0) << what;
        ASSERT_EQ(shape.NumberOfCross(), points) << what;
        if (points > 0) {
            EXPECT_EQ(shape.GetCross(points - 1)->x, lastElement(shape).x2) << what;
            EXPECT_NEAR(shape.GetCross(1)->radius, radius, 1e-9) << what;
        }
    }
}

TEST(ToCross, ConvertsOnlyChainsEndingOnAStraight)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0).line(100).curve(200, 40, 50, 40).line(50).build();
    ASSERT_TRUE(road.ToCross());
    EXPECT_TRUE(road.CanUseCross());
    ASSERT_EQ(road.NumberOfCross(), 3);
    EXPECT_EQ(road.GetCross(1)->radius, 200);

    const RoadBuilder line = RoadBuilder(0, 0, 0, 0).line(10);
    for (RoadSet other : {
             RoadBuilder(line).arc(100, 30).build(),                 // ends with a curve
             RoadBuilder(0, 0, 0, 0).arc(100, 30).line(10).build(),  // curve before a straight
             RoadBuilder(line).arc(100, 30).arc(90, 30).line(10).build(),  // arcs back to back
             RoadBuilder(line).arc(50, kPi * 50).line(10).build(),         // half turn
             RoadSet(),
         }) {
        EXPECT_FALSE(other.ToCross());
        EXPECT_FALSE(other.CanUseCross());
        EXPECT_EQ(other.NumberOfCross(), 0);
    }
}

}  // namespace
