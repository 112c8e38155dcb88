#include "curvefit.h"

#include "geometry/constants.h"

#include <algorithm>
#include <cmath>

using geometry::kPi;
using geometry::kTwoPi;

namespace {

constexpr double kMillimetre = 0.001;
constexpr double kStraightOn = 1e-5;  // radians, about two seconds of arc

// x rounded down to the millimetre, and strictly below x: a spiral of
// exactly the limit leaves no arc.
double millimetresBelow(double x)
{
    const double down = std::floor(x / kMillimetre) * kMillimetre;
    return down < x ? down : down - kMillimetre;
}

}  // namespace

double turnBetween(double a1, double a2)
{
    double delta = a2 - a1;
    while (delta > kPi)
        delta -= kTwoPi;
    while (delta < -kPi)
        delta += kTwoPi;
    return delta;
}

double legDeflection(const CrossEntity& a, const CrossEntity& b, const CrossEntity& c)
{
    return turnBetween(std::atan2(b.y - a.y, b.x - a.x), std::atan2(c.y - b.y, c.x - b.x));
}

bool runsStraightOn(double turn)
{
    return std::fabs(turn) < kStraightOn;
}

double curveTurn(double radius, double spiralIn, double arcLength, double spiralOut)
{
    const double R = std::fabs(radius);
    if (!(R > 0.0))
        return 0.0;
    return (std::fabs(spiralIn) + std::fabs(spiralOut)) / (2.0 * R) + std::fabs(arcLength) / R;
}

ArcFit fitArc(double radius, double spiralIn, double spiralOut, double deflection)
{
    ArcFit fit;
    const double R = std::fabs(radius);
    const double turn = std::fabs(deflection);
    const double spirals = std::fabs(spiralIn) + std::fabs(spiralOut);
    if (!(R > 0.0) || !std::isfinite(R) || !std::isfinite(turn) || !std::isfinite(spirals))
        return fit;
    const double arcAngle = turn - spirals / (2.0 * R);
    fit.fits = arcAngle > 0.0;
    fit.arcLength = fit.fits ? R * arcAngle : 0.0;
    // At the limit the spirals alone turn as far as the legs.
    const double room = 2.0 * R * turn;
    const double share = spirals > 0.0 ? room / spirals : 0.0;
    fit.spiralInLimit = std::max(0.0, millimetresBelow(std::fabs(spiralIn) * share));
    fit.spiralOutLimit = std::max(0.0, millimetresBelow(std::fabs(spiralOut) * share));
    return fit;
}
