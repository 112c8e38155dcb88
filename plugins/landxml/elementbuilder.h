// The horizontal elements of a LandXML alignment as road elements.
#ifndef VANTOREL_LANDXML_ELEMENTBUILDER_H
#define VANTOREL_LANDXML_ELEMENTBUILDER_H

#include "landxmldocument.h"
#include "roadset.h"

#include <vector>

namespace landxml {

// The lines, arcs and clothoids of the alignment in metres, without the
// start point. Every element takes its own start point and start azimuth
// from the file's coordinates (its `mode` keeps them when the chain is
// computed), so that rounding in the file never adds up along the road;
// stations run on from the alignment's staStart. Each element's computed end
// must lie within 1 mm of the file's <End>. Elements shorter than the road's
// shortest element are left out. False, with a message naming the element
// and what is wrong, for anything the road cannot hold.
bool buildElements(const Alignment& alignment, const Units& units,
                   std::vector<RoadEntity>& elements, QString& failure);

}  // namespace landxml

#endif  // VANTOREL_LANDXML_ELEMENTBUILDER_H
