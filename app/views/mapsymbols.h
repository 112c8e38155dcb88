// What every plan carries besides the road: a north arrow in the top right
// corner and a scale bar in the bottom right one, both kept free of labels.
#ifndef VANTOREL_VIEWS_MAPSYMBOLS_H
#define VANTOREL_VIEWS_MAPSYMBOLS_H

class ScreenLabels;

namespace mapsymbols {

// Draws the arrow pointing up the screen, which is north.
void drawNorthArrow(ScreenLabels& labels);

// Draws a bar of a round length near kBarPixels long at this many pixels
// per metre, with its length written above it.
void drawScaleBar(ScreenLabels& labels, double pixelsPerMetre);

constexpr double kBarPixels = 120.0;

}  // namespace mapsymbols

#endif  // VANTOREL_VIEWS_MAPSYMBOLS_H
