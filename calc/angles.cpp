// Degree, radian and packed degree-minute-second (D.MMSSsss) conversions.
#include "roadset.h"

#include "geometry/constants.h"
#include "numbers.h"

#include <cmath>
#include <string>

namespace {

// A digit group read off a binary fraction: a value within kDigitSnap of a
// whole number is that number, since (45.3 - 45) * 100 is 29.99999999999972
// and plain truncation would read 29 minutes and 99.99 seconds.
constexpr double kDigitSnap = 1e-8;

double wholePart(double v)
{
    const double nearest = std::round(v);
    return std::fabs(v - nearest) < kDigitSnap ? nearest : std::trunc(v);
}

// As printf("%0*d", width, v) for v >= 0.
std::string zeroPadded(int v, std::size_t width)
{
    const std::string digits = numbers::integer(v);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

}  // namespace

double deg2rad(double x)
{
    return x / 180.0 * geometry::kPi;
}

double rad2deg(double x)
{
    return x / geometry::kPi * 180.0;
}

double rad2dms(double x)
{
    if (!std::isfinite(x))
        return x;
    x = geometry::wrapAzimuth(x);
    const double deg = std::fabs(x) / geometry::kPi * 180.0;

    int D = static_cast<int>(wholePart(deg));
    const double m = (deg - D) * 60.0;
    int M = static_cast<int>(wholePart(m));
    const double s = (m - M) * 60.0;
    int S = static_cast<int>(wholePart(s));
    int T = static_cast<int>(std::trunc((s - S) * 1000.0));
    if (T < 0)
        T = 0;

    if (T >= 999) {
        T = 0;
        S += 1;
    }
    if (S >= 60) {
        S = 0;
        M += 1;
    }
    if (M >= 60) {
        M = 0;
        D += 1;
    }

    // The packed value is its decimal text read back, the nearest double to
    // the digits shown.
    const std::string text =
        numbers::integer(D) + '.' + zeroPadded(M, 2) + zeroPadded(S, 2) + zeroPadded(T, 3);
    double packed = 0.0;
    numbers::parse(text, packed);
    return packed;
}

double dms2rad(double x)
{
    if (!std::isfinite(x))
        return x;
    if (std::fabs(x) > 64.0 * 360.0)
        x = std::fmod(x, 360.0);
    while (x > 360.0)
        x -= 360.0;
    while (x < 0.0)
        x += 360.0;

    const double D = wholePart(x);
    const double f = (x - D) * 100.0;
    const double M = wholePart(f);
    const double S = (f - M) * 100.0;
    return (S / 3600.0 + (D + M / 60.0)) / 180.0 * geometry::kPi;
}

void NormalizeRad(double& a)
{
    if (a > geometry::kTwoPi)
        a -= geometry::kTwoPi;
    if (a < 0.0)
        a += geometry::kTwoPi;
    if (std::fabs(a) < 1e-12)
        a = 0.0;
}
