#ifndef VANTOREL_VIEWS_ITEMCOLOUR_H
#define VANTOREL_VIEWS_ITEMCOLOUR_H

#include <QColor>

class QGraphicsItem;

// Sets the pen colour of a drawn path, shape or line item and repaints it.
void setItemColour(QGraphicsItem* item, const QColor& colour);

#endif  // VANTOREL_VIEWS_ITEMCOLOUR_H
