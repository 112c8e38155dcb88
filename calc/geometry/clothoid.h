#ifndef TRAZEL_GEOMETRY_CLOTHOID_H
#define TRAZEL_GEOMETRY_CLOTHOID_H

#include "localpoint.h"

namespace geometry {

// The point at distance s along a right-turning clothoid whose curvature
// runs linearly from rou1 at s = 0 to rou2 at s = length, to 1e-10 m for
// any turn up to a full circle; s outside [0, length] extends the curve.
// u and v may come in a frame turned from the start tangent (`frame`).
LocalPoint clothoidAt(double rou1, double rou2, double length, double s);

}  // namespace geometry

#endif  // TRAZEL_GEOMETRY_CLOTHOID_H
