#include "axesgrid.h"

#include "axisticks.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPadding = 4.0;  // pixels around a band's labels
constexpr double kTick = 4.0;     // pixels a tick reaches into its band
const QColor kGridColour(255, 255, 255, 56);
const QColor kBandColour(20, 20, 20);
const QColor kBandEdgeColour(128, 128, 128);
const QColor kTextColour(200, 200, 200);

}  // namespace

AxesGrid::AxesGrid(const QTransform& transform, const QRectF& viewport,
                   const QFontMetricsF& metrics, const Options& options, const AxisText& text)
    : viewport_(viewport), ascent_(metrics.ascent()), lineHeight_(metrics.height())
{
    // Screen y = m12·x + dy and screen x = m21·y + dx: north up, east right.
    const double up = std::fabs(transform.m12());
    const double across = std::fabs(transform.m21());
    double upStep = axisticks::niceStep(options.spacing.height() / up);
    double acrossStep = axisticks::niceStep(options.spacing.width() / across);
    if (options.square)
        upStep = acrossStep = std::max(upStep, acrossStep);

    const auto localX = [&](double screenY) {
        return (screenY - transform.dy()) / transform.m12();
    };
    const auto localY = [&](double screenX) {
        return (screenX - transform.dx()) / transform.m21();
    };
    const double x0 = localX(viewport.bottom()), x1 = localX(viewport.top());
    const double y0 = localY(viewport.left()), y1 = localY(viewport.right());
    vertical_ = axis(
        std::min(x0, x1), std::max(x0, x1), upStep,
        [&](double x) { return transform.m12() * x + transform.dy(); },
        [&](double x, int decimals) { return text(Qt::Vertical, x, decimals); });
    horizontal_ = axis(
        std::min(y0, y1), std::max(y0, y1), acrossStep,
        [&](double y) { return transform.m21() * y + transform.dx(); },
        [&](double y, int decimals) { return text(Qt::Horizontal, y, decimals); });
    plot_ = plotRectFor(viewport, metrics, vertical_.texts);
}

AxesGrid::Axis AxesGrid::axis(double from, double to, double step,
                              const std::function<double(double)>& pixel,
                              const std::function<QString(double, int)>& text)
{
    Axis a;
    if (!std::isfinite(from) || !std::isfinite(to) || !(step > 0.0))
        return a;
    const int decimals = axisticks::decimalsFor(step);
    for (const double value : axisticks::ticks(from, to, step)) {
        a.pixels.push_back(pixel(value));
        a.texts << text(value, decimals);
    }
    return a;
}

QRectF AxesGrid::plotRectFor(const QRectF& viewport, const QFontMetricsF& metrics,
                             const QStringList& verticalLabels)
{
    double widest = metrics.horizontalAdvance(QStringLiteral("0000"));
    for (const QString& label : verticalLabels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const double left = std::ceil(widest + 2 * kPadding + kTick);
    const double bottom = std::ceil(metrics.height() + 2 * kPadding + kTick);
    return viewport.adjusted(left, 0, 0, -bottom);
}

void AxesGrid::drawLines(QPainter* painter) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(kGridColour, 0));
    for (const double y : vertical_.pixels)
        if (y >= plot_.top() && y <= plot_.bottom())
            painter->drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
    for (const double x : horizontal_.pixels)
        if (x >= plot_.left() && x <= plot_.right())
            painter->drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
    painter->restore();
}

void AxesGrid::drawBands(QPainter* painter) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    const QRectF left(viewport_.left(), viewport_.top(), plot_.left() - viewport_.left(),
                      viewport_.height());
    const QRectF bottom(viewport_.left(), plot_.bottom(), viewport_.width(),
                        viewport_.bottom() - plot_.bottom());
    painter->fillRect(left, kBandColour);
    painter->fillRect(bottom, kBandColour);
    painter->setPen(QPen(kBandEdgeColour, 0));
    painter->drawLine(plot_.topLeft(), plot_.bottomLeft());
    painter->drawLine(plot_.bottomLeft(), plot_.bottomRight());

    const QFontMetricsF metrics(painter->font());
    for (int i = 0; i < static_cast<int>(vertical_.pixels.size()); ++i) {
        const double y = vertical_.pixels[i];
        const double top = y - lineHeight_ / 2;
        if (top < viewport_.top() || top + lineHeight_ > plot_.bottom())
            continue;
        painter->setPen(kBandEdgeColour);
        painter->drawLine(QPointF(plot_.left() - kTick, y), QPointF(plot_.left(), y));
        painter->setPen(kTextColour);
        const double width = metrics.horizontalAdvance(vertical_.texts[i]);
        painter->drawText(QPointF(plot_.left() - kTick - kPadding - width, top + ascent_),
                          vertical_.texts[i]);
    }
    double taken = plot_.left();  // right end of the last label written
    for (int i = 0; i < static_cast<int>(horizontal_.pixels.size()); ++i) {
        const double x = horizontal_.pixels[i];
        const double width = metrics.horizontalAdvance(horizontal_.texts[i]);
        if (x < plot_.left() || x - width / 2 < taken + kPadding ||
            x + width / 2 > viewport_.right())
            continue;
        painter->setPen(kBandEdgeColour);
        painter->drawLine(QPointF(x, plot_.bottom()), QPointF(x, plot_.bottom() + kTick));
        painter->setPen(kTextColour);
        painter->drawText(QPointF(x - width / 2, plot_.bottom() + kTick + kPadding + ascent_),
                          horizontal_.texts[i]);
        taken = x + width / 2;
    }
    painter->restore();
}
