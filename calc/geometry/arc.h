#ifndef TRAZEL_GEOMETRY_ARC_H
#define TRAZEL_GEOMETRY_ARC_H

#include "localpoint.h"

namespace geometry {

// The point at distance s along a right-turning arc of the given radius
// (a radius of zero gives the straight).
LocalPoint arcAt(double radius, double s);

}  // namespace geometry

#endif  // TRAZEL_GEOMETRY_ARC_H
