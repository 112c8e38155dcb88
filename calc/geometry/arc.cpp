#include "arc.h"

#include <cmath>

namespace geometry {

LocalPoint arcAt(double radius, double s)
{
    if (radius == 0.0)
        return {s, 0.0, 0.0};  // no circle: a straight, rather than NaN everywhere
    const double theta = s / radius;
    const double halfSine = std::sin(theta / 2.0);
    // R(1 - cos θ) written as 2R sin²(θ/2), which keeps its digits for short arcs.
    return {radius * std::sin(theta), 2.0 * radius * halfSine * halfSine, theta};
}

}  // namespace geometry
