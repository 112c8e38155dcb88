// Cross-section templates and the station ranges they are assigned to.
#include "roadset.h"
#include "sectionlookup.h"

#include <algorithm>

namespace {

// Height difference at distance d along the straight through breaks a and b.
double along(const SectionItem& a, const SectionItem& b, double d)
{
    return a.dh + (b.dh - a.dh) * (d - a.dist) / (b.dist - a.dist);
}

// Beyond the outermost break the surface keeps the slope of the outermost
// segment that has a width; a vertical step there has no slope to keep.
double beyondOutermost(const std::vector<SectionItem>& items, double d)
{
    const SectionItem& outermost = items.back();
    for (std::size_t k = items.size() - 1; k >= 1; --k) {
        const SectionItem& inner = items[k - 1];
        const SectionItem& outer = items[k];
        if (outer.dist > inner.dist)
            return outermost.dh +
                   (outer.dh - inner.dh) / (outer.dist - inner.dist) * (d - outermost.dist);
    }
    return outermost.dh;
}

}  // namespace

RoadTemplate* RoadSet::GetTemplateByName(const std::string& name)
{
    const auto found = std::find_if(templates.begin(), templates.end(),
                                    [&name](const RoadTemplate& t) { return t.name == name; });
    return found == templates.end() ? nullptr : &*found;
}

bool RoadSet::AddSection(const RoadSection& s)
{
    if (s.L1 > s.L2)
        return false;
    if (sections.empty()) {
        sections.push_back(s);
        return true;
    }
    if (sections.front().L1 >= s.L2) {
        sections.insert(sections.begin(), s);
        return true;
    }
    if (sections.back().L2 <= s.L1) {
        sections.push_back(s);
        return true;
    }
    for (std::size_t i = 0; i + 1 < sections.size(); ++i) {
        if (sections[i].L2 <= s.L1 && sections[i + 1].L1 >= s.L2) {
            sections.insert(sections.begin() + static_cast<std::ptrdiff_t>(i) + 1, s);
            return true;
        }
    }
    return false;
}

RoadSection* RoadSet::GetSectionByLC(double mile)
{
    const auto found = std::find_if(sections.begin(), sections.end(), [mile](const RoadSection& s) {
        return s.L1 <= mile && mile < s.L2;
    });
    return found == sections.end() ? nullptr : &*found;
}

double RoadSet::CalDetaH(RoadSection* section, double offset)
{
    if (!section || !(offset < 0.0 || offset > 0.0))
        return 0.0;
    RoadTemplate* t = GetTemplateByName(offset < 0.0 ? section->left : section->right);
    if (!t || t->items.size() < 2)
        return 0.0;
    std::vector<SectionItem>& items = t->items;
    // The breaks are kept sorted in the template itself, as its editor shows them.
    std::stable_sort(items.begin(), items.end(),
                     [](const SectionItem& a, const SectionItem& b) { return a.dist < b.dist; });

    return sections::templateHeight(items, offset < 0.0 ? -offset : offset);
}

double sections::templateHeight(const std::vector<SectionItem>& items, double d)
{
    const auto k = std::find_if(items.begin(), items.end(),
                                [d](const SectionItem& item) { return item.dist >= d; });
    if (k == items.end())
        return beyondOutermost(items, d);
    if (k == items.begin())
        return along(SectionItem{}, *k, d);  // from the centre line
    return along(*(k - 1), *k, d);
}
