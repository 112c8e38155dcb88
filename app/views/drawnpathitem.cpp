#include "drawnpathitem.h"

#include "itemcolour.h"

#include <QPen>

DrawnPathItem::DrawnPathItem(const QColor& colour, QGraphicsItem* parent)
    : QGraphicsPathItem(parent), colour_(colour)
{
    // Width 0 is Qt's one-pixel cosmetic pen; any other width would make
    // the bounding rectangle come from a stroke of the whole path.
    setPen(QPen(colour, 0));
}

void DrawnPathItem::highlight()
{
    setItemColour(this, Qt::red);
}

void DrawnPathItem::unhighlight()
{
    setItemColour(this, colour_);
}
