#include "griditem.h"

#include <QGraphicsScene>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

int snappedTenth(double extent)
{
    static const int kSteps[] = {10, 20, 50, 100, 200, 500};
    const int tenth = static_cast<int>(std::trunc(extent / 10.0));
    const int* above = std::upper_bound(std::begin(kSteps), std::end(kSteps), tenth);
    if (above == std::end(kSteps))
        return tenth;
    return above == std::begin(kSteps) ? kSteps[0] : *(above - 1);
}

}  // namespace

GridItem::GridItem(const QRectF& rect, int xStep, int yStep, QGraphicsItem* parent)
    : QGraphicsRectItem(rect, parent), xStep_(xStep), yStep_(yStep)
{
    setData(0, rect);
    setData(1, QStringLiteral("GridItem"));
    setZValue(-1);
    setPen(Qt::NoPen);
}

int GridItem::stepFor(const QRectF& extent)
{
    return std::max(snappedTenth(extent.width()), snappedTenth(extent.height()));
}

QRectF GridItem::addBehind(QGraphicsScene* scene)
{
    const QRectF extent = scene->itemsBoundingRect();
    const int step = stepFor(extent);
    scene->addItem(new GridItem(extent, step, step));
    return extent;
}

QRectF GridItem::boundingRect() const
{
    const QRectF r = rect();
    const double grow = 3.0 * std::max(r.width(), r.height());
    return r.adjusted(-grow, -grow, grow, grow);
}

void GridItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    QGraphicsRectItem::paint(painter, option, widget);
    if (xStep_ <= 0 || yStep_ <= 0)
        return;
    const QRectF r = rect();
    const long long x0 = static_cast<long long>(std::trunc(r.x() / xStep_ - 1)) * xStep_;
    const long long x1 = static_cast<long long>(std::trunc((r.x() + r.width()) / xStep_ + 1)) * xStep_;
    const long long y0 = static_cast<long long>(std::trunc(r.y() / yStep_ - 1)) * yStep_;
    const long long y1 = static_cast<long long>(std::trunc((r.y() + r.height()) / yStep_ + 1)) * yStep_;

    QPen pen(Qt::white);
    pen.setCosmetic(true);
    painter->setPen(pen);
    for (long long x = x0; x <= x1; x += xStep_)
        painter->drawLine(QPointF(x, y0), QPointF(x, y1));
    for (long long y = y0; y <= y1; y += yStep_)
        painter->drawLine(QPointF(x0, y), QPointF(x1, y));
}
