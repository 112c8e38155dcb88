#include "sectionlookup.h"

#include <algorithm>

namespace {

// The breaks CalDetaH would interpolate in for a template name.
std::vector<SectionItem> sortedBreaks(const RoadSet& road, const std::string& name)
{
    for (int i = 0; i < road.NumberOfTemplates(); ++i) {
        const RoadTemplate& t = *road.GetTemplate(i);
        if (t.name != name)
            continue;
        if (t.items.size() < 2)
            return {};
        std::vector<SectionItem> items = t.items;
        std::stable_sort(
            items.begin(), items.end(),
            [](const SectionItem& a, const SectionItem& b) { return a.dist < b.dist; });
        return items;
    }
    return {};
}

}  // namespace

SectionLookup::SectionLookup(const RoadSet& road)
{
    ordered_ = true;
    for (int i = 0; i < road.NumberOfSections(); ++i) {
        const RoadSection& s = *road.GetSection(i);
        // Written so that a NaN anywhere fails the test.
        if (!(s.L1 <= s.L2) || (!ranges_.empty() && !(ranges_.back().L2 <= s.L1)))
            ordered_ = false;
        ranges_.push_back({s.L1, s.L2, sortedBreaks(road, s.left), sortedBreaks(road, s.right)});
    }
}

const SectionLookup::Range* SectionLookup::rangeAt(double mile) const
{
    const auto contains = [mile](const Range& r) { return r.L1 <= mile && mile < r.L2; };
    if (!ordered_) {
        const auto found = std::find_if(ranges_.begin(), ranges_.end(), contains);
        return found == ranges_.end() ? nullptr : &*found;
    }
    // Of ordered ranges only the last that starts at or before the station
    // can hold it.
    const auto after = std::upper_bound(ranges_.begin(), ranges_.end(), mile,
                                        [](double L, const Range& r) { return L < r.L1; });
    if (after == ranges_.begin() || !contains(*(after - 1)))
        return nullptr;
    return &*(after - 1);
}

double SectionLookup::heightDifference(double mile, double offset) const
{
    if (!(offset < 0.0 || offset > 0.0))
        return 0.0;
    const Range* range = rangeAt(mile);
    if (!range)
        return 0.0;
    const std::vector<SectionItem>& items = offset < 0.0 ? range->left : range->right;
    return items.empty() ? 0.0 : sections::templateHeight(items, offset < 0.0 ? -offset : offset);
}
