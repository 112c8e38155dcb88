// The intersection points of a road designed by them, in plan: the tangent
// lines through them, dashed, and each curve's point marked JD1, JD2, …
#ifndef VANTOREL_VIEWS_INTERSECTIONMARKS_H
#define VANTOREL_VIEWS_INTERSECTIONMARKS_H

#include "roadset.h"

#include <QPolygonF>
#include <QRectF>
#include <QTransform>

class QPainter;
class ScreenLabels;

class IntersectionMarks
{
public:
    // Takes the road's intersection points as they are now.
    void rebuild(RoadSet& road);
    // The local rectangle the points span; empty without curve points.
    QRectF bounds() const;

    void drawTangents(QPainter* painter, const QTransform& transform) const;
    void label(ScreenLabels& labels, const QTransform& transform) const;

private:
    QPolygonF points_;  // local: start, curve points, end
};

#endif  // VANTOREL_VIEWS_INTERSECTIONMARKS_H
