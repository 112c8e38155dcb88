// One alignment of a LandXML document into the road: what the importer
// plug-in does once the file is read and the alignment chosen.
#ifndef VANTOREL_LANDXML_LANDXMLIMPORT_H
#define VANTOREL_LANDXML_LANDXMLIMPORT_H

#include "landxmldocument.h"

#include <QStringList>

class RoadSet;

namespace landxml {

// One line per alignment for the user's choice: its number, name, length
// and start station.
QStringList alignmentChoices(const Document& document);

// Replaces the road's elements, intersection points and profile by those of
// alignment `index`, as after opening a road file: the chain computed, its
// intersection points derived where it converts, the grade points applied.
// Templates and sections stay. On failure the road is left as it was and
// `message` says why; on success it says what the road cannot hold and was
// left out (empty when nothing was).
bool importAlignment(const Document& document, qsizetype index, RoadSet& road, QString& message);

}  // namespace landxml

#endif  // VANTOREL_LANDXML_LANDXMLIMPORT_H
