// A LandXML file as read, before anything is built from it: the alignments
// with their geometry and profile, in the file's own units. A problem found
// in one alignment (an element the road cannot hold, a number that is none)
// is kept with it, so that the other alignments of the file still import.
#ifndef VANTOREL_LANDXML_LANDXMLDOCUMENT_H
#define VANTOREL_LANDXML_LANDXMLDOCUMENT_H

#include <QList>
#include <QString>

#include <optional>

namespace landxml {

// A point as LandXML writes it: northing, then easting (any elevation that
// follows is dropped).
struct Coordinates
{
    double north = 0.0;
    double east = 0.0;
};

enum class Rotation { Unknown, Clockwise, CounterClockwise };

// One element of a CoordGeom.
struct GeometryElement
{
    enum Kind { Line, Curve, Spiral };

    Kind kind = Line;
    QString tag;        // the element's name in the file
    qint64 line = 0;    // where it starts in the file
    QString problem;    // why it cannot be built; empty when it can
    QString shapeType;  // crvType or spiType as written

    std::optional<Coordinates> start;
    std::optional<Coordinates> end;
    std::optional<Coordinates> center;
    std::optional<Coordinates> pi;

    std::optional<double> length;
    std::optional<double> radius;       // of a Curve
    std::optional<double> radiusStart;  // of a Spiral; infinity for a straight end
    std::optional<double> radiusEnd;
    std::optional<double> constant;   // a Spiral's A, with A² = R·L from a straight
    std::optional<double> direction;  // dir or dirStart, in the file's direction unit
    Rotation rotation = Rotation::Unknown;
};

}  // namespace landxml

// Made of QStrings and plain values: a growing list may move its elements
// as bytes, which keeps reading a 10,000-element alignment fast.
Q_DECLARE_TYPEINFO(landxml::GeometryElement, Q_RELOCATABLE_TYPE);

namespace landxml {

// One point of a ProfAlign: a PVI, or the PVI of a vertical curve.
struct ProfilePoint
{
    enum Kind { Pvi, Parabola, Circle };

    Kind kind = Pvi;
    qint64 line = 0;
    QString problem;
    double station = 0.0;
    double elevation = 0.0;
    std::optional<double> length;  // of the whole vertical curve
    std::optional<double> radius;  // of a CircCurve
};

struct Alignment
{
    QString name;
    qint64 line = 0;
    QString problem;
    std::optional<double> length;
    double startStation = 0.0;
    QList<GeometryElement> elements;
    QList<ProfilePoint> profile;  // of the first ProfAlign
    QString profileName;
    int profileCount = 0;      // ProfAligns; only the first is imported
    int stationEquations = 0;  // StaEquations, which the road cannot hold
};

struct Units
{
    QString problem;           // an unknown linear unit: nothing can be built
    QString directionProblem;  // an unknown direction unit, which matters only
                               // where a direction must be read
    double metresPerUnit = 1.0;
    double radiansPerDirectionUnit = 1.0;
    bool packedDms = false;  // directions written as "decimal dd.mm.ss"
};

struct Document
{
    Units units;
    QList<Alignment> alignments;
};

}  // namespace landxml

#endif  // VANTOREL_LANDXML_LANDXMLDOCUMENT_H
