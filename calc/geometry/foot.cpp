// The foot of a point on a curve by Newton's method on
//   ahead(s) = (q − p(s))·t(s),
// how far the point q lies ahead of the curve point p along its tangent t.
// It vanishes where q is on the normal, and falls through zero where the
// distance from q to the curve is least: ahead′(s) = −1 + κ·(q − p)·n, κ
// being the rate of the azimuth and n the normal on the side a growing
// azimuth turns to; negative unless q lies beyond the centre of curvature.
// Between two stations where it changes sign, Newton's steps are kept
// inside the bracket, bisecting where a step would leave it.
#include "foot.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace geometry {

namespace {

constexpr double kStationTolerance = 1e-10;  // metres, and some ulps of the station
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
constexpr int kMaxSteps = 100;
constexpr int kExtensionSteps = 20;

bool closeEnough(double a, double b)
{
    return std::fabs(a - b) < kStationTolerance + 8.0 * kEpsilon * std::fabs(a);
}

struct Sample
{
    double station;
    double ahead;   // (q − p)·t
    double slope;   // its rate of change along the curve
    double square;  // |q − p|²
};

Sample sample(const Curve& curve, double station, double x, double y)
{
    const CurvePoint p = curve(station);
    const double dx = x - p.x;
    const double dy = y - p.y;
    const double c = std::cos(p.azimuth);
    const double s = std::sin(p.azimuth);
    return {station, dx * c + dy * s, -1.0 + p.curvature * (dy * c - dx * s), dx * dx + dy * dy};
}

// The root of ahead() between lo and hi, where ahead(lo) > 0 >= ahead(hi).
Sample rootInBracket(const Curve& curve, Sample lo, Sample hi, double x, double y)
{
    double station = lo.station + (hi.station - lo.station) * lo.ahead / (lo.ahead - hi.ahead);
    Sample at = lo;
    for (int step = 0; step < kMaxSteps; ++step) {
        at = sample(curve, station, x, y);
        if (at.ahead > 0.0)
            lo = at;
        else
            hi = at;
        double next = station - at.ahead / at.slope;
        if (!(next > lo.station && next < hi.station))
            next = 0.5 * (lo.station + hi.station);
        if (closeEnough(next, station) || at.ahead == 0.0)
            break;
        station = next;
    }
    return at;
}

// Newton's method from an end of the stretch onto the curve beyond it, each
// step at most one stretch long; stops where it stops converging.
double extendedFoot(const Curve& curve, Sample at, double span, double x, double y)
{
    for (int step = 0; step < kExtensionSteps; ++step) {
        const double move = std::clamp(-at.ahead / at.slope, -span, span);
        if (!std::isfinite(move))
            break;
        const Sample next = sample(curve, at.station + move, x, y);
        if (!std::isfinite(next.square))
            break;
        at = next;
        if (closeEnough(at.station, at.station - move))
            break;
    }
    return at.station;
}

}  // namespace

double footStation(const Curve& curve, double from, double to, int pieces, double x, double y)
{
    pieces = std::max(pieces, 1);
    const Sample first = sample(curve, from, x, y);
    Sample previous = first;
    Sample best{from, 0.0, 0.0, std::numeric_limits<double>::infinity()};
    for (int i = 1; i <= pieces; ++i) {
        const double station = i == pieces ? to : from + (to - from) * i / pieces;
        const Sample next = sample(curve, station, x, y);
        if (previous.ahead > 0.0 && next.ahead <= 0.0) {
            const Sample root = rootInBracket(curve, previous, next, x, y);
            if (root.square < best.square)
                best = root;
        }
        previous = next;
    }
    if (best.square < std::numeric_limits<double>::infinity())
        return best.station;
    const Sample& nearer = first.square <= previous.square ? first : previous;
    return extendedFoot(curve, nearer, std::fabs(to - from), x, y);
}

}  // namespace geometry
