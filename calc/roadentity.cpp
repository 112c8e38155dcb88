// One horizontal element: building it from design values, and its point,
// azimuth and projection, dispatched to the geometry of its type.
#include "roadset.h"

#include "geometry/arc.h"
#include "geometry/clothoid.h"
#include "geometry/constants.h"
#include "geometry/foot.h"
#include "geometry/line.h"
#include "trazellog.h"

#include <algorithm>
#include <cmath>

using geometry::kHalfPi;
using geometry::kPi;
using geometry::kTwoPi;
using geometry::wrapAzimuth;

namespace {

enum ElementType { StartPoint = 0, Line = 1, Arc = 2, Spiral = 3 };

constexpr double kMinLength = 0.001;  // shorter elements are refused
constexpr double kMinRadius = 1e-6;   // smaller radii count as infinite
// The spiral's foot is searched in pieces turning by at most this much,
// up to four full turns.
constexpr double kFootPieceTurn = kPi / 4.0;
constexpr double kFootMaxPieces = 16.0;

// The sign of a value, values within `zero` of 0 counting as 0.
int signOf(double r, double zero)
{
    if (std::fabs(r) < zero)
        return 0;
    return r < 0.0 ? -1 : 1;
}

// An angular distance folded into [0, π].
double folded(double d)
{
    d = std::fabs(d);
    return d > kPi ? kTwoPi - d : d;
}

bool allFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

int RoadEntity::set(int type_, double x1_, double y1_, double angle1_, double R1, double R2,
                    double length_, int mode_)
{
    x2 = y2 = angle2 = 0.0;
    pz = 0;
    rou1 = rou2 = radius = 0.0;
    l1 = length = 0.0;
    mode = 0;
    type = type_;
    x1 = x1_;
    y1 = y1_;
    angle1 = wrapAzimuth(angle1_);

    // Not-a-number or infinite input has no geometry; refuse it like an
    // unknown type rather than spread it through the road. A length that is
    // no number is refused below, as too short.
    if (!allFinite({x1_, y1_, angle1_, R1, R2}))
        return 9;

    const int s1 = signOf(R1, 1e-10);
    const int s2 = signOf(R2, 1e-10);
    switch (type) {
    case Line:
        break;
    case Arc:
        if (std::fabs(R1) < kMinRadius)
            return 3;
        radius = std::fabs(R1);
        pz = s1 == -1 ? 0 : 1;
        rou1 = rou2 = 1.0 / radius;
        break;
    case Spiral:
        if (std::fabs(R1 - R2) < kMinRadius)
            return 4;
        if (s1 != s2 && s1 != 0 && s2 != 0)
            return 5;
        pz = (s1 == -1 || s2 == -1) ? 0 : 1;
        rou1 = std::fabs(R1) >= kMinRadius ? 1.0 / std::fabs(R1) : 0.0;
        rou2 = std::fabs(R2) >= kMinRadius ? 1.0 / std::fabs(R2) : 0.0;
        break;
    default:
        return 9;
    }

    // Negative and non-finite lengths too: an element runs forward, and a
    // chain with one running back makes stations that go back and forth.
    if (!(length_ >= kMinLength) || !std::isfinite(length_))
        return -1;
    length = length_;
    mode = mode_;
    return 0;
}

namespace {

// The point at distance s from the start of the element, in its own frame,
// turned to the side the element turns to.
geometry::LocalPoint localPoint(const RoadEntity& e, double s)
{
    geometry::LocalPoint p;
    switch (e.type) {
    case Line:
        p = geometry::lineAt(s);
        break;
    case Arc:
        p = geometry::arcAt(e.radius, s);
        break;
    case Spiral:
        p = geometry::clothoidAt(e.rou1, e.rou2, e.length, s);
        break;
    default:
        break;  // the start point is its own point at every station
    }
    if (e.pz == 0) {
        p.v = -p.v;
        p.turn = -p.turn;
        p.frame = -p.frame;
    }
    return p;
}

}  // namespace

void RoadEntity::L2XY(double L, double* pX, double* pY, double* pAngle) const
{
    const geometry::LocalPoint p = localPoint(*this, L - l1);
    if (pAngle)
        *pAngle = wrapAzimuth(angle1 + p.turn);
    const geometry::WorldPoint w = geometry::toWorld(x1, y1, angle1 + p.frame, p.u, p.v);
    *pX = w.x;
    *pY = w.y;
}

bool RoadEntity::XY2L(double x, double y, double* pX, double* pY, double* pL, double* pAngle,
                      double* pOffset) const
{
    bool inside = false;
    double footX = 0.0;
    double footY = 0.0;
    double station = 0.0;
    double azimuth = 0.0;

    switch (type) {
    case Line: {
        const double u = geometry::lineFoot(x - x1, y - y1, angle1);
        footX = x1 + u * std::cos(angle1);
        footY = y1 + u * std::sin(angle1);
        station = l1 + u;
        azimuth = angle1;
        inside = 0.0 < u && u < length;
        break;
    }
    case Arc: {
        const double turn = 2.0 * pz - 1.0;  // +1 right, -1 left
        const double c = angle1 + turn * kHalfPi;
        const double centreX = x1 + radius * std::cos(c);
        const double centreY = y1 + radius * std::sin(c);
        const double phi = std::atan2(y - centreY, x - centreX);
        footX = centreX + radius * std::cos(phi);
        footY = centreY + radius * std::sin(phi);
        azimuth = wrapAzimuth(phi + turn * kHalfPi);
        // The swept angle is taken in the turn nearest the arc's middle, so
        // that a foot just before the start gets a station just before l1.
        const double middle = radius > 0.0 ? 0.5 * length / radius : 0.0;
        const double swept = middle + std::remainder((azimuth - angle1) * turn - middle, kTwoPi);
        station = l1 + radius * swept;
        inside = folded(angle2 - angle1) > folded(azimuth - angle1);
        break;
    }
    case Spiral: {
        // The station whose normal passes through the point, sought with
        // the dot product with the tangent, which stays smooth where a
        // loop ramp turns through a right angle; relative to the start, so
        // that the search sees no rounding of large coordinates.
        const double turn = pz == 1 ? 1.0 : -1.0;
        const double K = length != 0.0 ? (rou2 - rou1) / (2.0 * length) : 0.0;
        const geometry::Curve curve = [this, turn, K](double L) {
            const double s = L - l1;
            const geometry::LocalPoint p = localPoint(*this, s);
            const geometry::WorldPoint w = geometry::toWorld(0.0, 0.0, angle1 + p.frame, p.u, p.v);
            return geometry::CurvePoint{w.x, w.y, angle1 + p.turn, turn * (rou1 + 2.0 * K * s)};
        };
        const double wholeTurn = 0.5 * (rou1 + rou2) * std::fabs(length);
        const double pieces = std::ceil(wholeTurn / kFootPieceTurn);
        station = geometry::footStation(
            curve, l1, l1 + length,
            pieces >= 1.0 ? static_cast<int>(std::min(pieces, kFootMaxPieces)) : 1, x - x1, y - y1);
        L2XY(station, &footX, &footY, &azimuth);
        inside = true;
        break;
    }
    default:
        return false;
    }

    *pX = footX;
    *pY = footY;
    if (pL)
        *pL = station;
    if (pAngle)
        *pAngle = azimuth;
    if (pOffset) {
        const double d = std::hypot(x - footX, y - footY);
        const double side = wrapAzimuth(wrapAzimuth(std::atan2(y - footY, x - footX)) - azimuth);
        *pOffset = side > kPi ? -d : d;
    }
    return inside;
}

int RoadEntity::ArcFrom3P(const double* pts, double* center)
{
    const double ax = pts[2] - pts[0];
    const double ay = pts[3] - pts[1];
    const double bx = pts[4] - pts[0];
    const double by = pts[5] - pts[1];
    const double e = (ax * by - ay * bx) / 2.0;  // signed area of the triangle
    if (std::fabs(e) < 1e-6)
        return 1;

    const double a2 = ax * ax + ay * ay;
    const double b2 = bx * bx + by * by;
    const double cx = pts[0] + (a2 * by - b2 * ay) / (4.0 * e);
    const double cy = pts[1] + (b2 * ax - a2 * bx) / (4.0 * e);
    center[0] = cx;
    center[1] = cy;

    radius = std::hypot(pts[0] - cx, pts[1] - cy);
    qCDebug(lcTrazel) << "A = " << e;
    pz = e > 0.0 ? 1 : 0;
    rou1 = 1.0 / radius;
    x1 = pts[0];
    y1 = pts[1];
    x2 = pts[4];
    y2 = pts[5];

    // Radii to the three points; P2 lies on the long way round unless the
    // three turns between them have one sign.
    const double r1x = pts[0] - cx, r1y = pts[1] - cy;
    const double r2x = pts[2] - cx, r2y = pts[3] - cy;
    const double r3x = pts[4] - cx, r3y = pts[5] - cy;
    const double cosine = (r1x * r3x + r1y * r3y) / (radius * std::hypot(r3x, r3y));
    double theta = std::acos(std::clamp(cosine, -1.0, 1.0));
    const int s12 = signOf(r1x * r2y - r1y * r2x, 1e-10);
    const int s13 = signOf(r1x * r3y - r1y * r3x, 1e-10);
    const int s23 = signOf(r2x * r3y - r2y * r3x, 1e-10);
    if (!(s12 == s13 && s13 == s23))
        theta = kTwoPi - theta;
    length = theta * radius;

    double toCentre = std::atan2(cy - pts[1], cx - pts[0]);
    NormalizeRad(toCentre);
    if (pz == 1) {
        angle1 = toCentre - kHalfPi;
        angle2 = angle1 + theta;
    } else {
        angle1 = toCentre + kHalfPi;
        angle2 = angle1 - theta;
    }
    NormalizeRad(angle1);
    NormalizeRad(angle2);
    return 0;
}
