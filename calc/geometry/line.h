#ifndef TRAZEL_GEOMETRY_LINE_H
#define TRAZEL_GEOMETRY_LINE_H

#include "localpoint.h"

namespace geometry {

// The point at distance s along a straight.
LocalPoint lineAt(double s);

// Distance along a straight of azimuth `azimuth` from its start to the foot
// of the point (dx, dy) given relative to that start.
double lineFoot(double dx, double dy, double azimuth);

}  // namespace geometry

#endif  // TRAZEL_GEOMETRY_LINE_H
