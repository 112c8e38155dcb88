#include "drawnpathitem.h"

#include "itemcolour.h"

#include <QPen>

DrawnPathItem::DrawnPathItem(const QColor& colour, QGraphicsItem* parent)
    : QGraphicsPathItem(parent), colour_(colour)
{
    QPen pen(colour);
    pen.setCosmetic(true);
    setPen(pen);
}

void DrawnPathItem::highlight()
{
    setItemColour(this, Qt::red);
}

void DrawnPathItem::unhighlight()
{
    setItemColour(this, colour_);
}
