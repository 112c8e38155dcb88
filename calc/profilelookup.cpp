#include "profilelookup.h"

#include <algorithm>

namespace {

bool isOrdered(const std::vector<VerticalEntity>& points)
{
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const VerticalEntity& v = points[i];
        const VerticalEntity& next = points[i + 1];
        // Written so that a NaN anywhere fails the test.
        if (!(v.tangent >= 0.0 && next.tangent >= 0.0 && v.mile < next.mile &&
              v.mile + v.tangent <= next.mile - next.tangent))
            return false;
    }
    return true;
}

}  // namespace

ProfileLookup::ProfileLookup(const RoadSet& road)
{
    points_.reserve(static_cast<std::size_t>(road.NumberOfVertical()));
    for (int i = 0; i < road.NumberOfVertical(); ++i)
        points_.push_back(*road.GetVertical(i));
    ordered_ = isOrdered(points_);
}

bool ProfileLookup::elevation(double mile, double* height) const
{
    const std::size_t n = points_.size();
    if (n < 2)
        return false;
    std::size_t from = 0;
    std::size_t to = n - 2;
    if (ordered_) {
        // s points lie at or before the station, the last of them s - 1. In
        // an ordered profile the grades and curves of the points before
        // s - 2 end before the station and those after s begin after it;
        // scanning the three left in order settles the ends that touching
        // pieces share as CalElevation does.
        const auto after =
            std::upper_bound(points_.begin(), points_.end(), mile,
                             [](double L, const VerticalEntity& v) { return L < v.mile; });
        const std::size_t s = static_cast<std::size_t>(after - points_.begin());
        from = s >= 2 ? s - 2 : 0;
        to = std::min(s, n - 2);
    }
    for (std::size_t i = from; i <= to; ++i) {
        if (profile::elevationFrom(points_, i, mile, height, nullptr))
            return true;
    }
    return false;
}
