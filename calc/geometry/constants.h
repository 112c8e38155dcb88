#ifndef TRAZEL_GEOMETRY_CONSTANTS_H
#define TRAZEL_GEOMETRY_CONSTANTS_H

#include <cmath>

namespace geometry {

// The values of π and 2π the road model is defined with.
constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kHalfPi = kPi / 2.0;

// Brings an azimuth into [0, 2π] by whole turns; 2π itself stays. Far-off
// values are reduced first, so that no input can keep the loops spinning.
inline double wrapAzimuth(double a)
{
    if (!std::isfinite(a))
        return a;
    if (std::fabs(a) > 64.0 * kTwoPi)
        a = std::fmod(a, kTwoPi);
    while (a > kTwoPi)
        a -= kTwoPi;
    while (a < 0.0)
        a += kTwoPi;
    return a;
}

}  // namespace geometry

#endif  // TRAZEL_GEOMETRY_CONSTANTS_H
