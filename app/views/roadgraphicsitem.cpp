#include "roadgraphicsitem.h"

#include "globals.h"

#include <QGraphicsScene>
#include <QGraphicsView>

#include <algorithm>
#include <cmath>

RoadGraphicsItem::RoadGraphicsItem(int index, QGraphicsItem* parent)
    : DrawnPathItem(Qt::green, parent)
{
    setData(0, index);
    setData(1, QStringLiteral("RoadGraphicsItem"));
    const RoadEntity* e = theRoad.GetHorizon(index);
    if (!e)
        return;
    curved_ = (e->type == 2 || e->type == 3) && e->length > 0.0 && std::isfinite(e->length);
    if (curved_) {
        setFlag(QGraphicsItem::ItemSendsGeometryChanges);
        spacing_ = e->length / kKeptPoints;
        for (int k = 0; k < kKeptPoints; ++k) {
            double x = 0, y = 0;
            e->L2XY(e->l1 + k * spacing_, &x, &y, nullptr);
            kept_.emplace_back(x, y);
        }
        kept_.emplace_back(e->x2, e->y2);
    }
    build(kInitialChord);
}

void RoadGraphicsItem::build(double chord)
{
    const RoadEntity* e = theRoad.GetHorizon(index());
    if (!e)
        return;
    QPainterPath path;
    if (e->type == 1) {
        path.moveTo(e->x1, e->y1);
        path.lineTo(e->x2, e->y2);
    } else if (curved_ && chord >= spacing_) {
        const std::size_t every = static_cast<std::size_t>(chord / spacing_);
        path.moveTo(kept_.front());
        for (std::size_t k = every; k + 1 < kept_.size(); k += every)
            path.lineTo(kept_[k]);
        path.lineTo(kept_.back());
    } else if (curved_) {
        chord = std::max(chord, e->length / kMaxChords);
        path.moveTo(e->x1, e->y1);
        for (double l = e->l1 + chord; l < e->l1 + e->length; l += chord) {
            double x = 0, y = 0;
            e->L2XY(l, &x, &y, nullptr);
            path.lineTo(x, y);
        }
        path.lineTo(e->x2, e->y2);
    }
    chord_ = chord;
    setPath(path);
}

bool RoadGraphicsItem::inSight(const QTransform& transform) const
{
    const QList<QGraphicsView*> views = scene() ? scene()->views() : QList<QGraphicsView*>();
    if (views.isEmpty())
        return true;
    const QRectF viewport = views.first()->viewport()->rect();
    return transform.mapRect(path().boundingRect()).intersects(viewport);
}

QVariant RoadGraphicsItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemTransformChange && curved_ && value.canConvert<QTransform>()) {
        const QTransform t = value.value<QTransform>();
        const double scale = std::fabs(t.m12());
        if (scale > 0.0 && inSight(t)) {
            const double chord = kChordPixels / scale;
            if (std::fabs(chord - chord_) > 1e-9 * chord)
                build(chord);
        }
    }
    return DrawnPathItem::itemChange(change, value);
}
