// The profile of a LandXML alignment as the road's grade points.
#ifndef VANTOREL_LANDXML_PROFILEBUILDER_H
#define VANTOREL_LANDXML_PROFILEBUILDER_H

#include "landxmldocument.h"
#include "roadset.h"

#include <vector>

namespace landxml {

// One grade point per PVI of the alignment's first ProfAlign, in metres. A
// symmetric parabola of length L between grades g1 and g2 gets the radius
// L / |g2 − g1|; a circular curve keeps its radius. False, with a message,
// for a profile the road cannot hold (an unsymmetric parabola, a single
// PVI, stations that do not increase). No ProfAlign gives no points.
bool buildProfile(const Alignment& alignment, const Units& units,
                  std::vector<VerticalEntity>& points, QString& failure);

}  // namespace landxml

#endif  // VANTOREL_LANDXML_PROFILEBUILDER_H
