#include "intersectionmarks.h"

#include "elementmarks.h"
#include "screenlabels.h"

#include <QPainter>

namespace {

constexpr double kMarkerRadius = 4.0;  // pixels
const QColor kTangentColour(90, 140, 200);
const QColor kMarkColour(120, 200, 255);

}  // namespace

void IntersectionMarks::rebuild(RoadSet& road)
{
    points_.clear();
    // Two points are a straight road: no curve, nothing to mark.
    if (road.NumberOfCross() < 3)
        return;
    for (int i = 0; i < road.NumberOfCross(); ++i)
        points_ << QPointF(road.GetCross(i)->x, road.GetCross(i)->y);
}

QRectF IntersectionMarks::bounds() const
{
    return points_.boundingRect();
}

void IntersectionMarks::drawTangents(QPainter* painter, const QTransform& transform) const
{
    if (points_.isEmpty())
        return;
    QPen pen(kTangentColour, 1.0, Qt::DashLine);
    painter->setPen(pen);
    painter->drawPolyline(transform.map(points_));
}

void IntersectionMarks::label(ScreenLabels& labels, const QTransform& transform) const
{
    QPainter* painter = labels.painter();
    const QRectF& seen = labels.placer().bounds();
    painter->setPen(QPen(kMarkColour, 1.0));
    painter->setBrush(Qt::NoBrush);
    for (int i = 1; i + 1 < points_.size(); ++i) {
        const QPointF at = transform.map(points_[i]);
        if (!seen.contains(at))
            continue;
        painter->drawEllipse(at, kMarkerRadius, kMarkerRadius);
        labels.draw(
            elementmarks::intersectionMark(i), at,
            {ScreenLabels::Above, ScreenLabels::Right, ScreenLabels::Below, ScreenLabels::Left},
            kMarkColour, kMarkerRadius + ScreenLabels::kGap);
    }
}
