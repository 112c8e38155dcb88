#include "labelplacer.h"

#include <algorithm>
#include <cmath>

LabelPlacer::LabelPlacer(const QRectF& bounds)
    : bounds_(bounds),
      columns_(std::max(1, static_cast<int>(std::ceil(bounds.width() / kCellPixels)))),
      rows_(std::max(1, static_cast<int>(std::ceil(bounds.height() / kCellPixels)))),
      cells_(columns_ * rows_)
{}

LabelPlacer::CellRange LabelPlacer::cellsOf(const QRectF& box) const
{
    const auto column = [this](double x) {
        return std::clamp(static_cast<int>((x - bounds_.left()) / kCellPixels), 0, columns_ - 1);
    };
    const auto row = [this](double y) {
        return std::clamp(static_cast<int>((y - bounds_.top()) / kCellPixels), 0, rows_ - 1);
    };
    return {column(box.left()), column(box.right()), row(box.top()), row(box.bottom())};
}

void LabelPlacer::reserve(const QRectF& box)
{
    const int index = boxes_.size();
    boxes_.append(box);
    const CellRange r = cellsOf(box);
    for (int row = r.row0; row <= r.row1; ++row)
        for (int column = r.column0; column <= r.column1; ++column)
            cells_[row * columns_ + column].append(index);
}

bool LabelPlacer::isFree(const QRectF& box) const
{
    if (!bounds_.contains(box))
        return false;
    const CellRange r = cellsOf(box);
    for (int row = r.row0; row <= r.row1; ++row)
        for (int column = r.column0; column <= r.column1; ++column)
            for (const int index : cells_[row * columns_ + column])
                if (boxes_[index].intersects(box))
                    return false;
    return true;
}

bool LabelPlacer::place(const QRectF& box)
{
    if (!isFree(box))
        return false;
    reserve(box);
    return true;
}
