// Intersection points (PIs) to elements: the tangents of one PI's curve, the
// curve's elements, and the plain and the adjusted conversion of a PI list.
#include "roadset.h"

#include "curvefit.h"
#include "trazellog.h"

#include <algorithm>
#include <cmath>

namespace {

enum ElementType { Line = 1, Arc = 2, Spiral = 3 };

constexpr int kOwnStartAndAzimuth = 3;  // element mode: keeps its own start
constexpr double kNoCurve = 1e-12;      // curve lengths below this mean "no curve"
constexpr double kMinLength = 0.001;    // shortest element there is
constexpr double kOverlap = 0.05;       // how far neighbouring tangents may overlap
constexpr double kClosure = 0.05;       // how far a curve may end off its outgoing straight
// An end tangent closer to parallel with the start tangent never meets it at
// a usable point.
constexpr double kParallel = 1e-9;

bool hasCurve(const CrossEntity& p)
{
    return std::fabs(p.arcLen) >= kNoCurve || std::fabs(p.spiralLenIn) >= kNoCurve ||
           std::fabs(p.spiralLenOut) >= kNoCurve;
}

// The stored (unsigned) radius of a PI, signed for the way its legs turn.
double signedRadius(double radius, double turn)
{
    return turn < 0.0 ? -std::fabs(radius) : std::fabs(radius);
}

// Fills the end point and azimuth of an element laid out from its own start.
void layOut(RoadEntity& e)
{
    e.L2XY(e.l1 + e.length, &e.x2, &e.y2, &e.angle2);
}

// Fills in why the tangents of `point` and `neighbour` overlap; returns the
// code.
int tangentsOverlap(CrossDiagnosis& why, int point, int neighbour, double overlap)
{
    why.reason = CrossDiagnosis::TangentsOverlap;
    why.code = 8;
    why.point = point;
    why.neighbour = neighbour;
    why.overlap = overlap;
    return why.code;
}

// Fills in why the curve at `point` failed: it could not be built (code
// rc), or it ends `misclosure` metres off; returns the code.
int curveFailed(CrossDiagnosis& why, int point, const CrossEntity& p, double legTurn, int rc,
                double misclosure)
{
    why.code = !(misclosure <= kClosure) ? 6 : rc;
    why.point = point;
    why.misclosure = misclosure;
    why.legTurn = legTurn;
    why.curveTurn = curveTurn(p.radius, p.spiralLenIn, p.arcLen, p.spiralLenOut);
    why.elementCode = rc;
    if (rc != 0)
        why.reason = CrossDiagnosis::CurveNotBuilt;
    else if (runsStraightOn(legTurn))
        why.reason = CrossDiagnosis::PointOnStraight;
    else
        why.reason = CrossDiagnosis::CurveMissesItsLegs;
    return why.code;
}

// A line that carries its own start point and azimuth, at station L. False
// when it is too short to be an element.
bool positionedLine(double x, double y, double azimuth, double length, double L, RoadEntity& line)
{
    if (line.set(Line, x, y, azimuth, 0.0, 0.0, length, kOwnStartAndAzimuth) != 0)
        return false;
    layOut(line);
    line.l1 = L;
    return true;
}

}  // namespace

double RoadSet::getLength(CrossEntity* a, CrossEntity* b)
{
    const double d = std::hypot(b->x - a->x, b->y - a->y);
    qCDebug(lcTrazel) << "getLength =" << d;
    return d;
}

double RoadSet::getAngle(CrossEntity* a, CrossEntity* b)
{
    return std::atan2(b->y - a->y, b->x - a->x);
}

int RoadSet::insertArcsFromCross(CrossEntity* p, double azimuth, double* pL, double* pX, double* pY)
{
    if (!hasCurve(*p)) {
        if (pL)
            *pL = p->l;
        if (pX)
            *pX = p->x;
        if (pY)
            *pY = p->y;
        return 0;
    }

    double x = p->x - std::cos(azimuth) * p->tangentLenIn;
    double y = p->y - std::sin(azimuth) * p->tangentLenIn;
    double direction = azimuth;
    // A curve whose parts are all too short to be built ends where it starts.
    if (pX && pY) {
        *pX = x;
        *pY = y;
    }

    struct Part
    {
        int type;
        double R1;
        double R2;
        double length;
    };
    const Part parts[] = {{Spiral, 0.0, p->radius, p->spiralLenIn},
                          {Arc, p->radius, p->radius, p->arcLen},
                          {Spiral, p->radius, 0.0, p->spiralLenOut}};
    int mode = kOwnStartAndAzimuth;
    for (const Part& part : parts) {
        RoadEntity e;
        const int rc = e.set(part.type, x, y, direction, part.R1, part.R2, part.length, mode);
        if (rc == -1)
            continue;
        if (rc != 0)
            return rc;
        layOut(e);
        x = e.x2;
        y = e.y2;
        direction = e.angle2;
        if (pL) {
            e.l1 = *pL;
            *pL += e.length;
        }
        if (pX && pY) {
            *pX = x;
            *pY = y;
        }
        horizon.push_back(e);
        mode = 0;
    }
    return 0;
}

void RoadSet::CalTangent(CrossEntity* e)
{
    CalTangent_v2(e);
}

void RoadSet::CalTangent_v2(CrossEntity* e)
{
    // Build the curve from the origin heading along +X and see where its end
    // tangent crosses the X axis.
    RoadSet scratch;
    scratch.InsertHorizonPoint(0.0, 0.0, 0.0);
    e->tangentLenIn = e->tangentLenOut = e->angle = 0.0;
    const double x = e->x;
    const double y = e->y;
    e->x = e->y = 0.0;
    const int rc = scratch.insertArcsFromCross(e, 0.0, nullptr, nullptr, nullptr);
    scratch.ApplyHorizon_v2();
    e->x = x;
    e->y = y;
    scratch.Dump();

    if (!(e->spiralLenIn + e->arcLen + e->spiralLenOut >= kMinLength)) {
        qCDebug(lcTrazel) << "Return because len < 1.0e-3";
        return;
    }
    // A curve that cannot be built (radius 0, say) has no tangents.
    if (rc != 0 || scratch.horizon.size() < 2)
        return;

    // The end tangent meets the X axis tangentLenOut back from the curve's
    // end. After a turn of π it runs parallel to the axis and meets it
    // nowhere: the tangents stay 0.
    const RoadEntity& end = scratch.horizon.back();
    const double theta = end.angle2;
    e->angle = theta;
    if (std::fabs(std::sin(theta)) >= kParallel) {
        e->tangentLenOut = end.y2 / std::sin(theta);
        e->tangentLenIn = end.x2 - std::cos(theta) * e->tangentLenOut;
    }
}

int RoadSet::FromCross()
{
    horizon.clear();
    const int n = NumberOfCross();
    if (n == 0)
        return 0;
    InsertHorizonPoint(cross[0].x, cross[0].y, cross[0].l);

    for (int i = 1; i < n; ++i) {
        CrossEntity& prev = cross[i - 1];
        CrossEntity& p = cross[i];
        const double reserved = (i == 1 ? 0.0 : prev.tangentLenOut) + p.tangentLenIn;
        const double straight = getLength(&prev, &p) - reserved;
        qCDebug(lcTrazel) << "length=" << straight;
        if (!(straight >= -kOverlap))
            return i;
        const double azimuth = getAngle(&prev, &p);
        if (i == 1)
            InsertHorizonLine(azimuth, std::max(straight, 0.0));
        else
            InsertHorizonLine(std::max(straight, 0.0));

        if (i == n - 1)
            break;
        const double turn = turnBetween(azimuth, getAngle(&p, &cross[i + 1]));
        if (p.spiralLenIn > 0.0)
            InsertHorizonSpiral(p.spiralLenIn);
        if (p.arcLen > 0.0)
            InsertHorizonArc(signedRadius(p.radius, turn), p.arcLen);
        if (p.spiralLenOut > 0.0)
            InsertHorizonSpiral(p.spiralLenOut);
    }
    return n;
}

int RoadSet::FromCrossWithAdjust(int& index)
{
    CrossDiagnosis unused;
    return FromCrossWithAdjust(index, unused);
}

int RoadSet::FromCrossWithAdjust(int& index, CrossDiagnosis& why)
{
    why = CrossDiagnosis();
    const int n = NumberOfCross();
    if (n == 0) {
        why.reason = CrossDiagnosis::NoPoints;
        why.code = -1;
        return why.code;
    }

    modified = true;
    horizon.clear();
    InsertHorizonPoint(cross[0].x, cross[0].y, cross[0].l);
    double L = cross[0].l;

    // Appends the straight of length m (overlaps within tolerance count as 0)
    // from (x, y) along `azimuth`; false when the tangents overlap too far.
    const auto appendStraight = [this, &L](double x, double y, double azimuth, double m) {
        if (!(m >= -kOverlap))
            return false;
        m = std::max(m, 0.0);
        RoadEntity line;
        if (positionedLine(x, y, azimuth, m, L, line)) {
            horizon.push_back(line);
            L += m;
        }
        return true;
    };

    // Without a curve point there is nothing to adjust: a polyline.
    if (n < 3) {
        if (n == 2) {
            CrossEntity& end = cross[1];
            appendStraight(cross[0].x, cross[0].y, getAngle(&cross[0], &end),
                           getLength(&cross[0], &end));
            end.l = L;
        }
        return 0;
    }

    double x2 = 0.0;
    double y2 = 0.0;
    double a2 = 0.0;
    for (int i = 1; i <= n - 2; ++i) {
        index = i;
        CrossEntity& A = cross[i - 1];
        CrossEntity& B = cross[i];
        CrossEntity& C = cross[i + 1];
        const double d = getLength(&A, &B);
        const double a1 = getAngle(&A, &B);
        a2 = getAngle(&B, &C);
        const double turn = turnBetween(a1, a2);

        const double m = d - (A.tangentLenOut + B.tangentLenIn);
        if (!appendStraight(A.x + A.tangentLenOut * std::cos(a1),
                            A.y + A.tangentLenOut * std::sin(a1), a1, m))
            return tangentsOverlap(why, i, i - 1, -m);

        const double xt = B.x + B.tangentLenOut * std::cos(a2);
        const double yt = B.y + B.tangentLenOut * std::sin(a2);
        B.l = B.tangentLenIn + L;
        CrossEntity curve = B;
        curve.radius = signedRadius(B.radius, turn);
        const int rc = insertArcsFromCross(&curve, a1, &L, &x2, &y2);
        B.radius = std::fabs(B.radius);

        const double dis = std::hypot(xt - x2, yt - y2);
        qCDebug(lcTrazel) << "xt = " << xt << ", yt = " << yt << ", x2 = " << x2 << ", y2 = " << y2
                          << ", dis = " << dis;
        if (!(dis <= kClosure) || rc != 0)
            return curveFailed(why, i, B, turn, rc, dis);
    }

    CrossEntity& B = cross[n - 2];
    CrossEntity& C = cross[n - 1];
    const double m = getLength(&B, &C) - B.tangentLenOut - C.tangentLenIn;
    if (!appendStraight(B.x + B.tangentLenOut * std::cos(a2), B.y + B.tangentLenOut * std::sin(a2),
                        a2, m))
        return tangentsOverlap(why, n - 2, n - 1, -m);
    C.l = L;
    return 0;
}
