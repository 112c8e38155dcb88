#ifndef VANTOREL_VIEWS_DRAWNPATHITEM_H
#define VANTOREL_VIEWS_DRAWNPATHITEM_H

#include <QColor>
#include <QGraphicsPathItem>

// A drawn piece of the road that can be picked: its own colour, red while
// selected. The pen is cosmetic, one pixel whatever the zoom.
class DrawnPathItem : public QGraphicsPathItem
{
public:
    DrawnPathItem(const QColor& colour, QGraphicsItem* parent);

    QColor colour() const { return colour_; }
    void highlight();
    void unhighlight();

private:
    QColor colour_;
};

#endif  // VANTOREL_VIEWS_DRAWNPATHITEM_H
