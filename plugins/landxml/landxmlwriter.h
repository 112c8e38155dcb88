// The road's alignment and profile as a LandXML 1.2 file, for the design
// and field programs that read it.
#ifndef VANTOREL_LANDXML_LANDXMLWRITER_H
#define VANTOREL_LANDXML_LANDXMLWRITER_H

#include <QString>

class QByteArray;
class RoadSet;

namespace landxml {

// Writes UTF-8 LandXML 1.2 in metres and radians: one Alignment called
// `name` with a Line, Curve or Spiral per element (each with its <Start> and
// <End>, an arc with its <Center>, arcs and spirals with the <PI> where their
// end tangents meet when they turn less than half a circle) and a ProfAlign
// of PVIs and symmetric ParaCurves. Numbers are written in the C notation
// with every digit needed to read them back unchanged. False, with the
// reason in `failure`, when the road has no element or holds a value that
// is no number.
bool writeLandXml(const RoadSet& road, const QString& name, QByteArray& bytes, QString& failure);

// The same into the file at `path`, through a temporary file that takes its
// place only once everything is written; false, with the reason, also when
// the file cannot be written.
bool exportLandXml(const RoadSet& road, const QString& name, const QString& path, QString& failure);

}  // namespace landxml

#endif  // VANTOREL_LANDXML_LANDXMLWRITER_H
