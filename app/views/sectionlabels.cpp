#include "sectionlabels.h"

#include "narrowtext.h"
#include "numbertext.h"
#include "screenlabels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kMarkerRadius = 2.5;  // pixels
constexpr double kFlat = 0.2;          // segments flatter than this on screen take labels above
const QColor kCentreColour(255, 120, 120);
const QColor kBreakColour(Qt::white);
const QColor kSlopeColour(140, 220, 140);
const QColor kTitleColour(255, 215, 90);

// The part of the line inside the rectangle (Liang and Barsky), if any.
std::optional<QLineF> clipped(const QLineF& line, const QRectF& r)
{
    const double dx = line.dx(), dy = line.dy();
    double t0 = 0.0, t1 = 1.0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {line.x1() - r.left(), r.right() - line.x1(), line.y1() - r.top(),
                        r.bottom() - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return std::nullopt;
    return QLineF(line.pointAt(t0), line.pointAt(t1));
}

}  // namespace

void SectionLabels::rebuild(const QString& title, const RoadTemplate* left,
                            const RoadTemplate* right)
{
    title_ = title;
    breaks_.clear();
    slopes_.clear();
    leftName_ = left ? tr("Left: %1").arg(narrowtext::toQString(left->name)) : QString();
    rightName_ = right ? tr("Right: %1").arg(narrowtext::toQString(right->name)) : QString();
    if (left)
        addSide(*left, -1.0);
    if (right)
        addSide(*right, 1.0);
}

void SectionLabels::addSide(const RoadTemplate& t, double sign)
{
    SectionItem previous;
    for (const SectionItem& b : t.items) {
        breaks_.push_back(
            {QPointF(b.dh, sign * b.dist),
             numbertext::fixed(sign * b.dist) + QLatin1Char('\n') + numbertext::fixed(b.dh)});
        const double run = b.dist - previous.dist;
        if (run != 0.0 || b.dh != previous.dh) {
            // Seen from the centre line outwards, as the template is written.
            slopes_.push_back({QLineF(previous.dh, sign * previous.dist, b.dh, sign * b.dist),
                               numbertext::crossSlope((b.dh - previous.dh) / run)});
        }
        previous = b;
    }
}

void SectionLabels::drawCentreLine(QPainter* painter, const QTransform& transform,
                                   const QRectF& plot) const
{
    const double x = transform.map(QPointF(0.0, 0.0)).x();
    painter->setPen(QPen(kCentreColour, 1.0, Qt::DashDotLine));
    painter->drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
}

void SectionLabels::label(ScreenLabels& labels, const QTransform& transform) const
{
    const QRectF& plot = labels.placer().bounds();
    const double lineHeight = labels.metrics().lineSpacing();
    const QPointF centre = transform.map(QPointF(0.0, 0.0));
    if (!title_.isEmpty())
        labels.draw(title_, QPointF(plot.center().x(), plot.top()), {ScreenLabels::Below},
                    kTitleColour);
    const double namesAt = plot.top() + 2 * lineHeight + 2 * ScreenLabels::kGap;
    if (!leftName_.isEmpty())
        labels.draw(leftName_, QPointF(centre.x() - lineHeight, namesAt), {ScreenLabels::Left},
                    kTitleColour);
    if (!rightName_.isEmpty())
        labels.draw(rightName_, QPointF(centre.x() + lineHeight, namesAt), {ScreenLabels::Right},
                    kTitleColour);
    if (plot.left() <= centre.x() && centre.x() <= plot.right())
        labels.draw(tr("CL"), QPointF(centre.x(), plot.bottom()), {ScreenLabels::Above},
                    kCentreColour);

    QPainter* painter = labels.painter();
    for (const Label& b : breaks_) {
        const QPointF at = transform.map(b.at);
        if (!plot.contains(at))
            continue;
        painter->setPen(QPen(kBreakColour, 1.0));
        painter->setBrush(kBreakColour);
        painter->drawEllipse(at, kMarkerRadius, kMarkerRadius);
        labels.placer().reserve(QRectF(at.x() - kMarkerRadius, at.y() - kMarkerRadius,
                                       2 * kMarkerRadius, 2 * kMarkerRadius));
    }
    for (const Label& b : breaks_) {
        const QPointF at = transform.map(b.at);
        if (plot.contains(at))
            labels.draw(b.text, at, {ScreenLabels::Below, ScreenLabels::Above}, kBreakColour,
                        kMarkerRadius + ScreenLabels::kGap);
    }
    // At the middle of what is seen of each segment, in a corner the segment
    // does not pass through.
    for (const Slope& s : slopes_) {
        const std::optional<QLineF> seen = clipped(transform.map(s.segment), plot);
        if (!seen)
            continue;
        const double steepness = seen->dx() != 0.0 ? seen->dy() / seen->dx() : 1.0;
        if (std::fabs(steepness) < kFlat)
            labels.draw(s.text, seen->center(), {ScreenLabels::Above, ScreenLabels::Below},
                        kSlopeColour);
        else if (steepness > 0.0)  // down to the right on screen
            labels.draw(s.text, seen->center(), {ScreenLabels::AboveRight, ScreenLabels::BelowLeft},
                        kSlopeColour);
        else
            labels.draw(s.text, seen->center(), {ScreenLabels::AboveLeft, ScreenLabels::BelowRight},
                        kSlopeColour);
    }
}
