// The profile: grades between the change-of-grade points and parabolic
// vertical curves at the points between the first and the last.
#include "profilelookup.h"
#include "roadset.h"

#include <cmath>

namespace {

constexpr int kTooFewPoints = 7;
constexpr int kStationsNotIncreasing = 8;

}  // namespace

int RoadSet::ApplyVertical()
{
    const std::size_t n = vertical.size();
    if (n < 2)
        return kTooFewPoints;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        VerticalEntity& v = vertical[i];
        const VerticalEntity& next = vertical[i + 1];
        if (!(v.mile < next.mile)) {
            vertical.clear();
            modified = true;
            return kStationsNotIncreasing;
        }
        v.slope = (next.height - v.height) / (next.mile - v.mile);
        if (i >= 1)
            v.tangent = std::fabs(v.slope - vertical[i - 1].slope) * v.radius * 0.5;
    }
    modified = true;
    return 0;
}

bool RoadSet::CalElevation(double mile, double* height, double* slope) const
{
    for (std::size_t i = 0; i + 1 < vertical.size(); ++i) {
        if (profile::elevationFrom(vertical, i, mile, height, slope))
            return true;
    }
    return false;
}

bool profile::elevationFrom(const std::vector<VerticalEntity>& points, std::size_t i, double mile,
                            double* height, double* slope)
{
    const VerticalEntity& v = points[i];
    const VerticalEntity& next = points[i + 1];
    if (v.mile + v.tangent <= mile && mile <= next.mile - next.tangent) {
        *height = v.height + (mile - v.mile) * v.slope;
        if (slope)
            *slope = v.slope;
        return true;
    }
    // A point without radius has no curve, whatever tangent a file gives it.
    if (i >= 1 && v.radius != 0.0 && v.mile - v.tangent <= mile && mile <= v.mile + v.tangent) {
        const double h = mile - v.mile;
        const double T = v.tangent;
        const double R = v.radius;
        const double g1 = points[i - 1].slope;
        const double g2 = v.slope;
        const double sense = g1 > g2 ? -1.0 : 1.0;  // crest bends down, sag up
        if (h <= 0.0)
            *height = v.height + h * g1 + sense * (T + h) * (T + h) / (2.0 * R);
        else
            *height = v.height + h * g2 + sense * (T - h) * (T - h) / (2.0 * R);
        if (slope)
            *slope = g1 + sense * (h + T) / R;
        return true;
    }
    return false;
}
