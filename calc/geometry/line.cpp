#include "line.h"

#include <cmath>

namespace geometry {

LocalPoint lineAt(double s)
{
    return {s, 0.0, 0.0};
}

double lineFoot(double dx, double dy, double azimuth)
{
    // |d|·cos(direction of d − azimuth), written as the dot product, which is
    // exactly 0 for a point level with the start.
    return dx * std::cos(azimuth) + dy * std::sin(azimuth);
}

}  // namespace geometry
