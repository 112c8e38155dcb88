#include "vgraphicsitem.h"

#include "globals.h"

namespace {

constexpr int kCurveChords = 10;

}  // namespace

VGraphicsItem::VGraphicsItem(int index, QGraphicsItem* parent)
    : DrawnPathItem(Qt::green, parent), kind_(Curve), first_(index), second_(index)
{
    setData(1, QStringLiteral("VGraphicsItem"));
    buildCurve();
}

VGraphicsItem::VGraphicsItem(int first, int second, QGraphicsItem* parent)
    : DrawnPathItem(Qt::green, parent), kind_(GradeLine), first_(first), second_(second)
{
    setData(1, QStringLiteral("VGraphicsItem"));
    buildGradeLine();
}

void VGraphicsItem::buildCurve()
{
    const VerticalEntity* v = theRoad.GetVertical(first_);
    if (!v)
        return;
    const double from = v->mile - v->tangent;
    const double step = v->tangent / kCurveChords;
    double h = 0.0;
    theRoad.CalElevation(from, &h, nullptr);
    QPainterPath path;
    path.moveTo(h, from);
    // Counted steps rather than an accumulated station, so that rounding
    // neither drops nor adds the last chord.
    for (int k = 1; step > 0.0 && k <= 2 * kCurveChords; ++k) {
        const double l = from + k * step;
        theRoad.CalElevation(l, &h, nullptr);
        path.lineTo(h, l);
    }
    setPath(path);
}

void VGraphicsItem::buildGradeLine()
{
    const VerticalEntity* a = theRoad.GetVertical(first_);
    const VerticalEntity* b = theRoad.GetVertical(second_);
    if (!a || !b)
        return;
    QPainterPath path;
    path.moveTo(a->height + a->slope * a->tangent, a->mile + a->tangent);
    path.lineTo(b->height - a->slope * b->tangent, b->mile - b->tangent);
    setPath(path);
}
