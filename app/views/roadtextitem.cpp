#include "roadtextitem.h"

#include "globals.h"

#include <QFont>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

constexpr double kMinimumPixelsHigh = 4.0;

}  // namespace

RoadTextItem::RoadTextItem(int index, QGraphicsItem* parent) : QGraphicsPathItem(parent)
{
    setData(0, index);
    setData(1, QStringLiteral("RoadTextItem"));
    setPen(QPen(Qt::white));
    const RoadEntity* e = theRoad.GetHorizon(index);
    if (!e)
        return;
    // The start point has no azimuth of its own: it takes the road's first.
    const RoadEntity* first = theRoad.GetHorizon(1);
    const double azimuth = index == 0 ? (first ? first->angle1 : 0.0) : e->angle2;
    anchor_ = QPointF(e->x2, e->y2);
    degrees_ = rad2deg(azimuth) + 90.0;

    QPainterPath path;
    path.addText(anchor_, QFont(), QString::number(e->l1 + e->length, 'f', 3));
    setPath(path);
}

QTransform RoadTextItem::rotation() const
{
    return QTransform::fromTranslate(-anchor_.x(), -anchor_.y()) *
           QTransform().rotate(degrees_) * QTransform::fromTranslate(anchor_.x(), anchor_.y());
}

QRectF RoadTextItem::boundingRect() const
{
    return rotation().mapRect(QGraphicsPathItem::boundingRect());
}

QPainterPath RoadTextItem::shape() const
{
    return rotation().map(QGraphicsPathItem::shape());
}

void RoadTextItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                         QWidget* widget)
{
    // Text a few pixels high cannot be read; on a long road seen whole it
    // would only cost time to draw.
    const double pixelsHigh =
        path().boundingRect().height() * option->levelOfDetailFromTransform(painter->worldTransform());
    if (pixelsHigh < kMinimumPixelsHigh)
        return;
    painter->save();
    painter->setTransform(rotation(), true);
    QGraphicsPathItem::paint(painter, option, widget);
    painter->restore();
}
