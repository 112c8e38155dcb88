#include "screenlabels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPadding = 2.0;  // pixels of backdrop around the text
const QColor kBackdrop(0, 0, 0, 170);

}  // namespace

QSizeF ScreenLabels::SizeCache::sizeOf(const QString& text, const QFontMetricsF& metrics)
{
    const auto known = sizes_.constFind(text);
    if (known != sizes_.constEnd())
        return *known;
    if (sizes_.size() >= kMaxTexts)
        sizes_.clear();
    double width = 0.0;
    int lines = 0;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        width = std::max(width, metrics.horizontalAdvance(line.toString()));
        ++lines;
    }
    const QSizeF size(width + 2 * kPadding, lines * metrics.lineSpacing() + 2 * kPadding);
    sizes_.insert(text, size);
    return size;
}

ScreenLabels::ScreenLabels(QPainter* painter, const QRectF& bounds, SizeCache& sizes)
    : painter_(painter), metrics_(painter->font()), sizes_(sizes), placer_(bounds)
{}

ScreenLabels::Side ScreenLabels::sideToward(const QPointF& d)
{
    if (std::fabs(d.x()) >= std::fabs(d.y()))
        return d.x() >= 0.0 ? Right : Left;
    return d.y() >= 0.0 ? Below : Above;
}

QRectF ScreenLabels::boxAt(const QString& text, const QPointF& anchor, Side side, double gap) const
{
    return boxOfSize(sizes_.sizeOf(text, metrics_), anchor, side, gap);
}

QRectF ScreenLabels::boxOfSize(const QSizeF& size, const QPointF& anchor, Side side, double gap)
{
    const double above = anchor.y() - gap - size.height();
    const double below = anchor.y() + gap;
    switch (side) {
    case Above:
        return QRectF(QPointF(anchor.x() - size.width() / 2, above), size);
    case Below:
        return QRectF(QPointF(anchor.x() - size.width() / 2, below), size);
    case Left:
        return QRectF(QPointF(anchor.x() - gap - size.width(), anchor.y() - size.height() / 2),
                      size);
    case Right:
        return QRectF(QPointF(anchor.x() + gap, anchor.y() - size.height() / 2), size);
    case AboveLeft:
        return QRectF(QPointF(anchor.x() - size.width(), above), size);
    case AboveRight:
        return QRectF(QPointF(anchor.x(), above), size);
    case BelowLeft:
        return QRectF(QPointF(anchor.x() - size.width(), below), size);
    case BelowRight:
        return QRectF(QPointF(anchor.x(), below), size);
    }
    return QRectF();
}

std::optional<ScreenLabels::Side> ScreenLabels::draw(const QString& text, const QPointF& anchor,
                                                     std::initializer_list<Side> sides,
                                                     const QColor& colour, double gap)
{
    const QSizeF size = sizes_.sizeOf(text, metrics_);
    for (const Side side : sides) {
        const QRectF box = boxOfSize(size, anchor, side, gap);
        if (placer_.place(box)) {
            drawIn(text, box, colour);
            return side;
        }
    }
    return std::nullopt;
}

void ScreenLabels::drawIn(const QString& text, const QRectF& box, const QColor& colour)
{
    painter_->fillRect(box, kBackdrop);
    painter_->setPen(colour);
    QPointF baseline(box.left() + kPadding, box.top() + kPadding + metrics_.ascent());
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        painter_->drawText(baseline, line.toString());
        baseline.ry() += metrics_.lineSpacing();
    }
    drawn_.append({text, box});
}
