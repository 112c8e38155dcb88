// The template height difference at many stations of one road: the section
// found by bisection, each section's templates found and sorted once,
// instead of the scans and the sort that RoadSet::GetSectionByLC and
// RoadSet::CalDetaH make for a single station.
#ifndef TRAZEL_SECTIONLOOKUP_H
#define TRAZEL_SECTIONLOOKUP_H

#include "roadset.h"

#include <vector>

namespace sections {

// The height difference of the template surface at `distance` (> 0) from
// the centre line; items sorted by distance, at least two of them.
double templateHeight(const std::vector<SectionItem>& items, double distance);

}  // namespace sections

// The sections and templates of a road, copied once, answering as
// CalDetaH(GetSectionByLC(mile), offset) would.
class SectionLookup
{
public:
    explicit SectionLookup(const RoadSet& road);

    double heightDifference(double mile, double offset) const;

private:
    struct Range
    {
        double L1;
        double L2;
        // Sorted breaks of the left and right templates; empty when the
        // template is missing or has fewer than two breaks (no difference).
        std::vector<SectionItem> left;
        std::vector<SectionItem> right;
    };

    const Range* rangeAt(double mile) const;

    std::vector<Range> ranges_;
    // In station order without overlaps, as AddSection keeps them.
    bool ordered_ = false;
};

#endif  // TRAZEL_SECTIONLOOKUP_H
