#ifndef VANTOREL_VIEWS_VGRAPHICSITEM_H
#define VANTOREL_VIEWS_VGRAPHICSITEM_H

#include "drawnpathitem.h"

// One drawn piece of the profile: the grade line between two change-of-grade
// points, or the vertical curve at one point. Local x is the height, local y
// the station.
class VGraphicsItem : public DrawnPathItem
{
public:
    enum Kind { GradeLine = 0, Curve = 1 };

    // The vertical curve at point `index`.
    VGraphicsItem(int index, QGraphicsItem* parent = nullptr);
    // The grade line from point `first` to point `second`.
    VGraphicsItem(int first, int second, QGraphicsItem* parent = nullptr);

    Kind kind() const { return kind_; }
    int firstIndex() const { return first_; }
    int secondIndex() const { return second_; }

private:
    void buildCurve();
    void buildGradeLine();

    Kind kind_;
    int first_;
    int second_;
};

#endif  // VANTOREL_VIEWS_VGRAPHICSITEM_H
