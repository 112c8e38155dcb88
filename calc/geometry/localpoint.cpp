#include "localpoint.h"

#include <cmath>

namespace geometry {

WorldPoint toWorld(double x1, double y1, double azimuth, double u, double v)
{
    const double c = std::cos(azimuth);
    const double s = std::sin(azimuth);
    return {x1 + u * c - v * s, y1 + u * s + v * c};
}

}  // namespace geometry
