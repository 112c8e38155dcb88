#ifndef VANTOREL_VIEWS_ROADTEXTITEM_H
#define VANTOREL_VIEWS_ROADTEXTITEM_H

#include <QGraphicsPathItem>

// The end station of one element, written at its end point along the road.
class RoadTextItem : public QGraphicsPathItem
{
public:
    RoadTextItem(int index, QGraphicsItem* parent = nullptr);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget) override;

private:
    // Turns the text about the element's end point to follow the road.
    QTransform rotation() const;

    QPointF anchor_;
    double degrees_ = 0.0;
};

#endif  // VANTOREL_VIEWS_ROADTEXTITEM_H
