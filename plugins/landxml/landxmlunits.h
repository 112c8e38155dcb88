// The units of a LandXML file: lengths in metres or feet (and their
// multiples), directions in radians, degrees, packed degrees-minutes-seconds
// or grads.
#ifndef VANTOREL_LANDXML_LANDXMLUNITS_H
#define VANTOREL_LANDXML_LANDXMLUNITS_H

#include "landxmldocument.h"

#include <QStringView>

namespace landxml {

// The units of a <Metric> or <Imperial> element (`system`) with its
// linearUnit and directionUnit attributes; an empty attribute takes the
// system's default. An unknown linear unit is a problem of the whole file;
// an unknown direction unit only of the directions it would read.
Units unitsOf(QStringView system, QStringView linearUnit, QStringView directionUnit);

// A direction value of the file in radians, still measured as the file
// measures it.
double directionInRadians(const Units& units, double value);

}  // namespace landxml

#endif  // VANTOREL_LANDXML_LANDXMLUNITS_H
