// Points, azimuths and tangents in the survey plane (X north, Y east,
// azimuths clockwise from north in [0, 2π)), as LandXML's coordinates need.
#ifndef VANTOREL_LANDXML_PLANEGEOMETRY_H
#define VANTOREL_LANDXML_PLANEGEOMETRY_H

#include <cmath>
#include <optional>

namespace landxml {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kHalfPi = kPi / 2.0;

struct Point
{
    double x = 0.0;
    double y = 0.0;
};

inline double distance(Point a, Point b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Any angle as an azimuth in [0, 2π).
inline double wrapAzimuth(double a)
{
    a = std::fmod(a, kTwoPi);
    return a < 0.0 ? a + kTwoPi : a;
}

inline double azimuth(Point from, Point to)
{
    return wrapAzimuth(std::atan2(to.y - from.y, to.x - from.x));
}

// The angle between two directions, in [0, π].
inline double angleBetween(double a, double b)
{
    return std::fabs(std::remainder(a - b, kTwoPi));
}

// Positive when p lies right of the line from a through b, negative left.
inline double sideOf(Point a, Point b, Point p)
{
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

inline Point pointAt(Point from, double azimuth, double distance)
{
    return {from.x + distance * std::cos(azimuth), from.y + distance * std::sin(azimuth)};
}

// Where the tangent through a at azimuth alpha meets the tangent through b
// at azimuth beta, ahead of a and behind b; none when they are parallel or
// meet the other way round (a turn of half a circle or more).
inline std::optional<Point> tangentsMeet(Point a, double alpha, Point b, double beta)
{
    const double sine = std::sin(beta - alpha);
    if (std::fabs(sine) < 1e-12)
        return std::nullopt;
    // a + t·d(alpha) = b − s·d(beta), solved for t and s.
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double t = (dx * std::sin(beta) - dy * std::cos(beta)) / sine;
    const double s = (dy * std::cos(alpha) - dx * std::sin(alpha)) / sine;
    if (!(t > 0.0 && s > 0.0))
        return std::nullopt;
    return pointAt(a, alpha, t);
}

}  // namespace landxml

#endif  // VANTOREL_LANDXML_PLANEGEOMETRY_H
