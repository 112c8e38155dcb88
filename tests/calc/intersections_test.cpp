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
    double sum = 0;  // finite only if every value is
    for (int i = 0; i < road.NumberOfHorizon(); ++i) {
        const RoadEntity& e = *road.GetHorizon(i);
        sum += e.radius + e.rou1 + e.rou2 + e.x1 + e.y1 + e.x2 + e.y2 + e.angle1 + e.angle2 + e.l1 +
               e.length;
    }
    for (int i = 0; i < road.NumberOfCross(); ++i) {
        const CrossEntity& p = *road.GetCross(i);
        sum += p.x + p.y + p.l + p.radius + p.arcLen + p.spiralLenIn + p.spiralLenOut +
               p.tangentLenIn + p.tangentLenOut + p.angle;
    }
    return std::isfinite(sum);
}

// A right and a left curve, the half turn, parts too short to build, no radius: tangents
// where the legs intersect, none where they do not (a half circle's end tangent is parallel).
TEST(CalTangent, TangentsOfArcsAndSpiralsAndArcsFittedToTheirLegs)
{
    const double turn = 200.0 / 300.0, T = 300 * std::tan(turn / 2);
    for (double radius : {300.0, -300.0}) {
        const CrossEntity p = curveAt(3000, 5000, radius, 0, 200, 0);
        EXPECT_NEAR(p.angle, radius > 0 ? turn : 2 * kPi - turn, 1e-9);
        EXPECT_NEAR(std::hypot(p.tangentLenIn - T, p.tangentLenOut - T), 0, 1e-6);
        EXPECT_EQ(p.x, 3000);  // the scratch layout leaves the point where it was
    }
    const CrossEntity p = curveAt(0, 0, 250, 60, 100, 30);
    EXPECT_NEAR(p.angle, (30.0 + 100.0 + 15.0) / 250.0, 1e-9);
    EXPECT_GT(p.tangentLenIn - p.tangentLenOut, 1.0);  // the longer spiral's side

    const std::pair<CrossEntity, double> none[] = {{curveAt(12, 34, 0, 0, 0, 0), 0},
                                                   {curveAt(0, 0, 0, 20, 50, 20), 0},
                                                   {curveAt(0, 0, 100, 0.0005, 0.0005, 0.0005), 0},
                                                   {curveAt(0, 0, NAN, 0, 50, 0), 0},
                                                   {curveAt(0, 0, 50, 0, kPi * 50, 0), kPi}};
    for (const auto& [q, angle] : none)
        EXPECT_TRUE(q.tangentLenIn + q.tangentLenOut == 0 && std::fabs(q.angle - angle) < 1e-9)
            << q.radius << " " << q.arcLen;
    EXPECT_TRUE(allFinite(withPoints({curveAt(0, 0, 50, 0, 2 * kPi * 50, 0)})));  // full turn

    // A curve designed by radius and spirals: the arc follows from the legs, and laid out at a PI
    // whose legs turn by delta, the curve closes on them. Spirals too long: the longest that fit
    // keep their ratio, to the mm below.
    const double delta = 35 * kPi / 180;
    ArcFit fit = fitArc(400, 60, 60, -delta);
    ASSERT_TRUE(fit.fits);
    EXPECT_NEAR(fit.arcLength, 400 * delta - 60, 1e-9);
    EXPECT_NEAR(curveTurn(-400, 60, fit.arcLength, 60), delta, 1e-12);
    const CrossEntity b = curveAt(500, 0, 400, 60, fit.arcLength, 60);
    RoadSet road = withPoints({pointAt(0, 0), b, toward(b, -35, 600)});
    int index = 0;
    EXPECT_EQ(road.FromCrossWithAdjust(index), 0);
    EXPECT_NEAR(legDeflection(*road.GetCross(0), *road.GetCross(1), *road.GetCross(2)), -delta,
                1e-12);

    fit = fitArc(400, 300, 200, delta);
    EXPECT_FALSE(fit.fits);
    const double room = 2 * 400 * delta;  // 488.692... m of spiral
    EXPECT_NEAR(fit.spiralInLimit, std::floor(room * 3 / 5 * 1000) / 1000, 1e-9);
    EXPECT_NEAR(fit.spiralOutLimit, std::floor(room * 2 / 5 * 1000) / 1000, 1e-9);
    EXPECT_TRUE(fitArc(400, fit.spiralInLimit, fit.spiralOutLimit, delta).fits);
    EXPECT_FALSE(fitArc(0, 60, 60, delta).fits || fitArc(400, 0, 0, 0).fits ||
                 fitArc(NAN, 0, 0, delta).fits);
    EXPECT_NEAR(turnBetween(3, -3), 2 * kPi - 6, 1e-12);
}

// FromCross builds the same chain each time, a start point alone giving one element; with
// adjustment, no points change nothing, few points or no curves give lines.
TEST(FromCross, FewPointsGiveLinesAndElementsComeBackThroughTheirPoints)
{
    RoadSet road = RoadBuilder(0, 0, 0, 0).line(10).build();
    road.SetModified(false);
    int index = 42;
    EXPECT_EQ(road.FromCrossWithAdjust(index), -1);
    EXPECT_EQ(std::make_tuple(index, road.NumberOfHorizon(), road.IsModified()),
              std::make_tuple(42, 2, false));
    EXPECT_TRUE(road.FromCross() == 0 && road.NumberOfHorizon() == 0);
    road.InsertCross(startAt(5, 6, 700));
    EXPECT_TRUE(road.FromCross() == 1 && road.GetHorizon(0)->l1 == 700);
    EXPECT_TRUE(road.FromCrossWithAdjust(index) == 0 && road.NumberOfHorizon() == 1);

    road = withPoints({startAt(3, 4, 100), pointAt(6, 8)});
    ASSERT_TRUE(road.FromCrossWithAdjust(index) == 0 && road.NumberOfHorizon() == 2);
    EXPECT_EQ(std::make_pair(road.GetHorizon(1)->mode, road.GetCross(1)->l),
              std::make_pair(3, 105.0));
    EXPECT_NEAR(std::hypot(road.GetHorizon(1)->x2 - 6, road.GetHorizon(1)->y2 - 8), 0, 1e-12);

    const CrossEntity p1 = curveAt(100, 0, 150, 30, 60, 20);
    road = withPoints({pointAt(0, 0), p1, toward(p1, -30, 200)});  // a left turn
    for (int run = 0; run < 2; ++run) {  // point, line, spiral, arc, spiral, line
        ASSERT_TRUE(road.FromCross() == 3 && road.NumberOfHorizon() == 6);
        const RoadEntity& arc = *road.GetHorizon(3);
        EXPECT_EQ(std::make_tuple(arc.type, arc.pz, arc.radius, road.GetCross(1)->radius),
                  std::make_tuple(2, 0, 150.0, 150.0));
        EXPECT_NEAR(road.GetHorizon(1)->length, 100 - p1.tangentLenIn, 1e-12);
    }

    // Elements -> PIs -> tangents -> elements gives back the chain, for a right and a left curve
    // with unequal spirals; the PIs alone leave the road unmodified.
    RoadBuilder chain(3000, 5000, 0.4, 1000);
    chain.line(200).curve(250, 70, 120, 40).line(150).curve(-180, 30, 90, 55).line(250);
    const RoadSet original = chain.build();
    RoadSet trip = original;
    trip.SetModified(false);
    ASSERT_TRUE(trip.ToCross_v2() && !trip.IsModified() && trip.NumberOfCross() == 4);
    for (int i = 0; i < 4; ++i) {
        const CrossEntity& q = *trip.GetCross(i);
        CrossEntity c = q;
        RoadSet::CalTangent(&c);
        EXPECT_LT(std::hypot(c.tangentLenIn - q.tangentLenIn, c.tangentLenOut - q.tangentLenOut),
                  1e-6)
            << i;
    }
    const CrossEntity right = *trip.GetCross(1);
    EXPECT_EQ(std::make_pair(right.spiralLenIn, right.spiralLenOut), std::make_pair(70.0, 40.0));
    EXPECT_NEAR(right.l, original.GetHorizon(2)->l1 + right.tangentLenIn, 1e-6);

    trip.ClearHorizon();
    int at = 0;
    ASSERT_TRUE(trip.FromCrossWithAdjust(at) == 0 && at == 2 &&
                trip.NumberOfHorizon() == original.NumberOfHorizon());
    for (int i = 1; i < original.NumberOfHorizon(); ++i) {
        const RoadEntity &want = *original.GetHorizon(i), &got = *trip.GetHorizon(i);
        EXPECT_EQ(std::make_pair(got.type, got.pz), std::make_pair(want.type, want.pz)) << i;
        EXPECT_NEAR(got.l1, want.l1, 1e-6) << i;
        EXPECT_NEAR(std::hypot(got.x2 - want.x2, got.y2 - want.y2), 0, 1e-6) << i;
    }
    EXPECT_NEAR(endOf(trip), 1000 + 200 + 230 + 150 + 175 + 250, 1e-6);
    EXPECT_NEAR(trip.GetCross(3)->l, endOf(trip), 1e-9);
    EXPECT_NEAR(trip.GetCross(1)->l, original.GetHorizon(2)->l1 + right.tangentLenIn, 1e-6);
    EXPECT_EQ(trip.GetCross(2)->radius, 180);  // left turn, radius stays unsigned
}

// Codes, the point at fault and a reason, and never a NaN. Tangents may overlap, and a curve
// miss its leg, by five centimetres at most: a 30° curve misses legs turning a little more by
// 2·T·sin(excess / 2).
TEST(FromCrossWithAdjust, RefusedAndDegenerateLayoutsGiveACodeAReasonAndNoNaN)
{
    const CrossEntity p1 = curveAt(100, 0, 200, 0, 200 * kPi / 6, 0);  // dimensioned for 30°
    // P0, p1 and P2 on legs turning so much more than 30° that the curve misses by `miss`.
    const auto legs = [&p1](double miss) -> std::vector<CrossEntity> {
        const double turn = 30 + 2 * std::asin(miss / (2 * p1.tangentLenOut)) * 180 / kPi;
        return {startAt(0, 0, 500), p1, toward(p1, turn, 200)};
    };
    // P0, p1, a curve turning back 30° left, P3, the PIs `excess` closer than their tangents need.
    const auto reverseCurves = [&p1](double excess) -> std::vector<CrossEntity> {
        const CrossEntity at = toward(p1, 30, p1.tangentLenOut * 2 - excess);
        const CrossEntity p2 = curveAt(at.x, at.y, 200, 0, 200 * kPi / 6, 0);
        return {startAt(0, 0, 500), p1, p2, toward(p2, 0, 100)};
    };
    const CrossEntity step = toward(p1, 30, 300), o = pointAt(0, 0), p = pointAt(100, 0);
    const CrossEntity p2 = curveAt(step.x, step.y, 150, 0, 150 * kPi / 6, 0);
    const CrossEntity one = curveAt(300, 0, 200, 0, 200, 0), flat = curveAt(100, 0, 200, 0, 50, 0);
    const CrossEntity noRadius = curveAt(100, 0, 0, 0, 80, 0);
    const CrossEntity short6 = toward(one, 180 / kPi, one.tangentLenOut - 0.06);
    using Why = CrossDiagnosis;
    const auto Ok = Why::Converted, Overlap = Why::TangentsOverlap, Miss = Why::CurveMissesItsLegs;
    const double none = NAN;  // no amount checked
    using Row = std::tuple<int, int, Why::Reason, double, std::vector<CrossEntity>, std::string>;
    const Row cases[] = {
        {0, 2, Ok, 0, reverseCurves(0.03), "PIs 3 cm too close"},
        {8, 2, Overlap, 0.06, reverseCurves(0.06), "PIs 6 cm too close"},
        {0, 1, Ok, 0, legs(0.04), "misses by 4 cm"},
        {6, 1, Miss, 0.06, legs(0.06), "misses by 6 cm"},
        {6, 2, Miss, none, {o, p1, p2, toward(p2, 70, 200)}, "legs turn 40°"},
        {4, 1, Why::CurveNotBuilt, none, {o, noRadius, toward(noRadius, 20, 100)}, "no radius"},
        {8, 1, Overlap, 0.06, {o, one, short6}, "final straight overlaps"},
        {8, 1, Overlap, none, {o, curveAt(0, 0, 200, 0, 100, 0), p}, "curve on the start point"},
        {6, 1, Why::PointOnStraight, none, {o, flat, toward(p, 0, 100)}, "curve on a straight"},
        {6, 1, Miss, none, {o, curveAt(100, 0, 50, 0, kPi * 50, 0), o}, "half turn"},
        {0, 1, Ok, 0, {pointAt(5, 5), pointAt(5, 5), pointAt(5, 5)}, "coincident points"},
        {0, 1, Ok, 0, {o, p, o}, "reversal"},
        {0, 1, Ok, 0, {p, curveAt(100, 0, 200, 0, 1e-4, 0), p}, "curve at a point of zero legs"}};
    CrossDiagnosis why;  // tells of the last call only: a success clears it
    for (const auto& [code, at, reason, amount, points, what] : cases) {
        RoadSet road = withPoints(points);
        int index = -1;
        EXPECT_EQ(road.FromCrossWithAdjust(index, why), code) << what;
        EXPECT_EQ(std::make_tuple(index, why.code, why.reason, why.point),
                  std::make_tuple(at, code, reason, code == 0 ? 0 : at))
            << what;
        EXPECT_TRUE(allFinite(road)) << what;
        const double found = reason == Overlap ? why.overlap : why.misclosure;
        EXPECT_TRUE(std::isnan(amount) || std::fabs(found - amount) < 1e-6) << what << found;
        // Between these two; stations written before stay.
        EXPECT_TRUE(what != "PIs 6 cm too close" || (why.neighbour == 1 && road.GetCross(1)->l));
        if (what == "legs turn 40°") {  // by how much the 30° curve misses
            EXPECT_NEAR(why.curveTurn, kPi / 6, 1e-12);
            EXPECT_NEAR(why.legTurn, 40 * kPi / 180, 1e-9);
            EXPECT_GT(why.misclosure, 5);
        }
    }
}

// Shapes that make intersection points, with the number of points and the radius of the first
// curve, and shapes that make none (0 points). ToCross converts only chains ending on a
// straight.
TEST(ToCross, ShapesAndTheirIntersectionPoints)
{
    RoadSet startsWithLine = RoadBuilder(0, 0, 0, 0).line(10).line(10).build();
    *startsWithLine.GetHorizon(0) = *startsWithLine.GetHorizon(1);
    RoadSet startOnly;
    startOnly.InsertHorizonPoint(0, 0, 0);
    const RoadBuilder line = RoadBuilder(0, 0, 0, 0).line(100);
    const std::tuple<const char*, RoadSet, int, double> shapes[] = {
        {"spiral and arc", RoadBuilder(line).spiral(0, 200, 40).arc(200, 50).build(), 3, 200},
        {"two spirals", RoadBuilder(line).spiral(0, 200, 40).spiral(200, 0, 60).build(), 3, 200},
        {"lines", RoadBuilder(line).line(20).line(30).build(), 2, 0},
        {"arcs back to back", RoadBuilder(line).arc(100, 30).arc(-80, 30).line(10).build(), 4, 100},
        {"entry spiral alone", RoadBuilder(line).spiral(0, 200, 30).line(10).build(), 0, 0},
        {"exit spiral after a line", RoadBuilder(line).spiral(200, 0, 30).build(), 0, 0},
        {"element 0 not a point", startsWithLine, 0, 0},
        {"radius off", RoadBuilder(line).spiral(0, 200, 30).arc(201, 30).build(), 0, 0},
        {"spiral between arcs",
         RoadBuilder(0, 0, 0, 0).arc(100, 10).spiral(100, 200, 10).arc(200, 10).build(), 0, 0},
        {"S-bend", RoadBuilder(line).spiral(0, 200, 30).arc(-200, 30).line(10).build(), 0, 0},
        {"half turn", RoadBuilder(line).arc(50, kPi * 50).line(10).build(), 0, 0},
        {"full turn", RoadBuilder(line).arc(50, 2 * kPi * 50).line(10).build(), 0, 0},
        {"start point only", startOnly, 0, 0}};
    for (auto [what, shape, points, radius] : shapes) {
        shape.InsertCross(pointAt(1, 1));
        ASSERT_TRUE(shape.ToCross_v2() == (points > 0) && shape.NumberOfCross() == points) << what;
        if (points > 0) {
            EXPECT_EQ(shape.GetCross(points - 1)->x,
                      shape.GetHorizon(shape.NumberOfHorizon() - 1)->x2)
                << what;
            EXPECT_NEAR(shape.GetCross(1)->radius, radius, 1e-9) << what;
        }
    }

    RoadSet road = RoadBuilder(0, 0, 0, 0).line(100).curve(200, 40, 50, 40).line(50).build();
    ASSERT_TRUE(road.ToCross() && road.CanUseCross() && road.NumberOfCross() == 3);
    EXPECT_EQ(road.GetCross(1)->radius, 200);
    const RoadBuilder shortLine = RoadBuilder(0, 0, 0, 0).line(10);
    for (RoadSet other :
         {RoadBuilder(shortLine).arc(100, 30).build(),            // ends with a curve
          RoadBuilder(0, 0, 0, 0).arc(100, 30).line(10).build(),  // curve before a straight
          RoadBuilder(shortLine).arc(100, 30).arc(90, 30).line(10).build(),  // arcs back to back
          RoadBuilder(shortLine).arc(50, kPi * 50).line(10).build(),         // half turn
          RoadSet()})
        EXPECT_FALSE(other.ToCross() || other.CanUseCross() || other.NumberOfCross() > 0);
}

}  // namespace
