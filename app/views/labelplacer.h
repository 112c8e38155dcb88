// Greedy placement of screen-space labels: a box is taken when it lies
// inside the bounds and overlaps no box taken before it; otherwise the label
// is left out. The boxes are filed in a coarse grid of cells, so that a test
// costs the same with ten labels as with a thousand.
#ifndef VANTOREL_VIEWS_LABELPLACER_H
#define VANTOREL_VIEWS_LABELPLACER_H

#include <QRectF>
#include <QVector>

class LabelPlacer
{
public:
    explicit LabelPlacer(const QRectF& bounds);

    const QRectF& bounds() const { return bounds_; }
    // Takes a box whatever lies there: a legend, a marker.
    void reserve(const QRectF& box);
    bool isFree(const QRectF& box) const;
    // Takes the box if it is free; whether it did.
    bool place(const QRectF& box);

private:
    static constexpr double kCellPixels = 64.0;

    // The range of cells a box touches, clamped to the grid.
    struct CellRange
    {
        int column0, column1, row0, row1;
    };
    CellRange cellsOf(const QRectF& box) const;

    QRectF bounds_;
    int columns_;
    int rows_;
    QVector<QRectF> boxes_;
    QVector<QVector<int>> cells_;  // per cell: indices into boxes_
};

#endif  // VANTOREL_VIEWS_LABELPLACER_H
