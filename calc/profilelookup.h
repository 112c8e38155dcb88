// The design height at many stations of one profile, found by bisection
// instead of the scan that RoadSet::CalElevation makes for a single station.
#ifndef TRAZEL_PROFILELOOKUP_H
#define TRAZEL_PROFILELOOKUP_H

#include "roadset.h"

#include <cstddef>
#include <vector>

namespace profile {

// The height and grade at `mile` when it lies on the grade after point i or
// in the vertical curve of point i (i from 0 to points.size() - 2); false
// otherwise, nothing written. slope may be null. CalElevation answers with
// the first i for which this holds.
bool elevationFrom(const std::vector<VerticalEntity>& points, std::size_t i, double mile,
                   double* height, double* slope);

}  // namespace profile

// A copy of a road's profile, taken once, answering as CalElevation would.
class ProfileLookup
{
public:
    explicit ProfileLookup(const RoadSet& road);

    bool elevation(double mile, double* height) const;

private:
    std::vector<VerticalEntity> points_;
    // Stations increasing and no curve reaching past its neighbours' curves:
    // then only the points around a station can serve it.
    bool ordered_ = false;
};

#endif  // TRAZEL_PROFILELOOKUP_H
