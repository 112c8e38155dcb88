#include "itemcolour.h"

#include <QAbstractGraphicsShapeItem>
#include <QGraphicsLineItem>
#include <QPen>

void setItemColour(QGraphicsItem* item, const QColor& colour)
{
    if (auto* shape = dynamic_cast<QAbstractGraphicsShapeItem*>(item)) {
        QPen pen = shape->pen();
        pen.setColor(colour);
        shape->setPen(pen);
    } else if (auto* line = dynamic_cast<QGraphicsLineItem*>(item)) {
        QPen pen = line->pen();
        pen.setColor(colour);
        line->setPen(pen);
    }
}
