// File → Export LandXML: the road's alignment and profile written for other
// design and field programs.
#ifndef VANTOREL_LANDXMLEXPORT_H
#define VANTOREL_LANDXMLEXPORT_H

class QWidget;

// Asks for the file, writes theRoad to it as LandXML and says how that went.
// The alignment is named after the road file (or, for a road never saved,
// after the exported file).
void exportRoadAsLandXml(QWidget* parent);

#endif  // VANTOREL_LANDXMLEXPORT_H
