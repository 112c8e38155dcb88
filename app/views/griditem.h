#ifndef VANTOREL_VIEWS_GRIDITEM_H
#define VANTOREL_VIEWS_GRIDITEM_H

#include <QGraphicsRectItem>

// The square grid behind the plan and the profile.
class GridItem : public QGraphicsRectItem
{
public:
    GridItem(const QRectF& rect, int xStep, int yStep, QGraphicsItem* parent = nullptr);

    // The grid step for a drawing of this extent: a tenth of the larger
    // extent, snapped down to 10, 20, 50, 100, 200 or 500 below 5,000 m.
    static int stepFor(const QRectF& extent);

    // Adds the grid for everything the scene holds, behind it; returns the
    // extent of the drawing, which the grid covers.
    static QRectF addBehind(QGraphicsScene* scene);

    int xStep() const { return xStep_; }
    int yStep() const { return yStep_; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget) override;

private:
    int xStep_;
    int yStep_;
};

#endif  // VANTOREL_VIEWS_GRIDITEM_H
