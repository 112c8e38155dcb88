#include "landxmlimport.h"

#include "elementbuilder.h"
#include "landxmltext.h"
#include "profilebuilder.h"
#include "roadset.h"
#include "stationtext.h"

namespace landxml {

namespace {

// The length the alignment gives itself, else that of its elements.
double lengthOf(const Alignment& alignment)
{
    if (alignment.length)
        return *alignment.length;
    double length = 0.0;
    for (const GeometryElement& e : alignment.elements)
        length += e.length.value_or(0.0);
    return length;
}

QString leftOut(const Alignment& alignment)
{
    QStringList notes;
    if (alignment.stationEquations > 0)
        notes << tr(
            "The alignment's %n station equation(s) were ignored: its stations run on "
            "from the start station without a break.",
            nullptr, alignment.stationEquations);
    if (alignment.profileCount > 1)
        notes << tr("Only the first of its %n profiles was imported.", nullptr,
                    alignment.profileCount);
    return notes.join(QLatin1Char('\n'));
}

}  // namespace

QStringList alignmentChoices(const Document& document)
{
    const double scale = document.units.metresPerUnit;
    QStringList choices;
    for (const Alignment& alignment : document.alignments) {
        const QString name = alignment.name.isEmpty() ? tr("(no name)") : alignment.name;
        // Numbered, so that alignments of one name stay apart.
        choices << tr("%1. %2: %3 m from station %4")
                       .arg(QString::number(choices.size() + 1), name,
                            QString::number(lengthOf(alignment) * scale, 'f', 3),
                            QString::fromStdString(stationText(alignment.startStation * scale)));
    }
    return choices;
}

bool importAlignment(const Document& document, qsizetype index, RoadSet& road, QString& message)
{
    if (!document.units.problem.isEmpty()) {
        message = document.units.problem;
        return false;
    }
    if (index < 0 || index >= document.alignments.size()) {
        message = tr("The file holds no alignment.");
        return false;
    }
    const Alignment& alignment = document.alignments[index];
    std::vector<RoadEntity> elements;
    std::vector<VerticalEntity> gradePoints;
    if (!alignment.problem.isEmpty()) {
        message = tr("Alignment \"%1\" at line %2: %3")
                      .arg(alignment.name, QString::number(alignment.line), alignment.problem);
        return false;
    }
    if (!buildElements(alignment, document.units, elements, message) ||
        !buildProfile(alignment, document.units, gradePoints, message))
        return false;

    RoadSet built = road;
    built.ClearHorizon();
    built.ClearCross();
    built.ClearVertical();
    const RoadEntity& first = elements.front();
    built.InsertHorizonPoint(first.x1, first.y1, first.l1);
    for (const RoadEntity& e : elements)
        built.InsertHorizon(e);
    built.ApplyHorizon();
    built.ToCross_v2();
    for (const VerticalEntity& v : gradePoints)
        built.InsertVertical(v);
    if (!gradePoints.empty())
        built.ApplyVertical();
    road = built;
    message = leftOut(alignment);
    return true;
}

}  // namespace landxml
