// Designing the curve at an intersection point (PI) the way engineers do:
// by its radius and spiral lengths, the arc following from the turn of the
// legs. A spiral from a straight to radius R turns by its length over 2R,
// an arc by its length over R.
//
// A public header of the library beside roadset.h; it includes no Qt.
#ifndef TRAZEL_CURVEFIT_H
#define TRAZEL_CURVEFIT_H

#include "roadset.h"

// The turn from azimuth a1 to azimuth a2, in [-π, π]; positive turns right.
TRAZEL_EXPORT double turnBetween(double a1, double a2);

// The turn of the legs at b: from the azimuth a→b to the azimuth b→c.
TRAZEL_EXPORT double legDeflection(const CrossEntity& a, const CrossEntity& b,
                                   const CrossEntity& c);

// Whether legs that turn this far run on in a straight line: by less than
// two seconds of arc, which no curve can be laid out for.
TRAZEL_EXPORT bool runsStraightOn(double turn);

// How far a curve of this radius and these lengths turns, unsigned; 0 for
// a radius of 0, which has no curve.
TRAZEL_EXPORT double curveTurn(double radius, double spiralIn, double arcLength, double spiralOut);

// The arc of a curve designed by radius and spirals.
struct TRAZEL_EXPORT ArcFit
{
    // The arc turns by a positive angle: the spirals leave room for it.
    bool fits = false;
    // R (|Δ| − (Ls1 + Ls2) / 2R), when it fits.
    double arcLength = 0.0;
    // The longest spirals, in the ratio of those given, that leave room for
    // an arc: rounded down to the millimetre.
    double spiralInLimit = 0.0;
    double spiralOutLimit = 0.0;
};

// The arc that makes a curve of `radius` with these spirals turn as far as
// its legs, `deflection` (signed or not). Nothing fits without a radius.
TRAZEL_EXPORT ArcFit fitArc(double radius, double spiralIn, double spiralOut, double deflection);

#endif  // TRAZEL_CURVEFIT_H
