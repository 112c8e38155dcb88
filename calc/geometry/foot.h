#ifndef TRAZEL_GEOMETRY_FOOT_H
#define TRAZEL_GEOMETRY_FOOT_H

#include <functional>

namespace geometry {

// A point of a smooth curve with its tangent azimuth and the rate at which
// that azimuth changes along the curve (the signed curvature).
struct CurvePoint
{
    double x;
    double y;
    double azimuth;
    double curvature;
};

using Curve = std::function<CurvePoint(double station)>;

// The station of the foot of (x, y) on the curve between the stations
// `from` and `to`: where the curve's normal passes through the point. The
// stretch is searched in `pieces` parts, each of which should turn by less
// than a right angle; of several feet the nearest to the point is taken.
// Where no normal of the stretch passes through the point, the foot is
// sought on the curve extended beyond the end nearer to the point.
double footStation(const Curve& curve, double from, double to, int pieces, double x, double y);

}  // namespace geometry

#endif  // TRAZEL_GEOMETRY_FOOT_H
