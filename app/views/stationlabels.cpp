#include "stationlabels.h"

#include "axisticks.h"
#include "elementmarks.h"
#include "numbertext.h"
#include "screenlabels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kChunkMetres = 50.0;  // longest chunk of an element
constexpr int kCurveChunks = 16;       // fewest chunks of a curved element
constexpr double kTickLength = 6.0;    // pixels
constexpr double kMarkerRadius = 3.0;  // pixels, at an element end
const QColor kTickColour(Qt::white);
const QColor kJointColour(255, 215, 90);

// Closed rectangles that share a point; unlike QRectF::intersects this also
// holds for the flat bounds of a straight running north or east.
bool overlaps(const QRectF& a, const QRectF& b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() &&
           b.top() <= a.bottom();
}

QRectF around(const QPointF& p, const QPointF& q, double grow)
{
    return QRectF(p, q).normalized().adjusted(-grow, -grow, grow, grow);
}

// The unit vector on screen of a local azimuth (clockwise from north).
QPointF screenDirection(const QTransform& t, double azimuth)
{
    const double x = std::cos(azimuth), y = std::sin(azimuth);
    const QPointF d(t.m11() * x + t.m21() * y, t.m12() * x + t.m22() * y);
    const double length = std::hypot(d.x(), d.y());
    return length > 0.0 ? d / length : QPointF(1.0, 0.0);
}

// To the left of travel along d, on a screen whose y points down.
QPointF leftOf(const QPointF& d)
{
    return QPointF(d.y(), -d.x());
}

}  // namespace

void StationLabels::rebuild(RoadSet& road)
{
    joints_.clear();
    pieces_.clear();
    const int n = road.NumberOfHorizon();
    for (int i = 0; i < n; ++i) {
        const RoadEntity& e = *road.GetHorizon(i);
        const RoadEntity* next = i + 1 < n ? road.GetHorizon(i + 1) : nullptr;
        // The start point has no azimuth of its own: it takes the road's first.
        const double azimuth = i == 0 ? (next ? next->angle1 : 0.0) : e.angle2;
        const QString mark = elementmarks::jointMark(i == 0 ? elementmarks::Start : e.type,
                                                     next ? next->type : elementmarks::None);
        const QString station = numbertext::station(e.l1 + e.length);
        joints_.push_back({QPointF(e.x2, e.y2), azimuth,
                           mark.isEmpty() ? station : mark + QLatin1Char(' ') + station});

        if (i == 0 || !(e.length > 0.0) || !std::isfinite(e.length))
            continue;
        Piece piece{e, QRectF(), {}, 0.0};
        const bool curved = e.type == elementmarks::Arc || e.type == elementmarks::Spiral;
        const int chunks = std::max(curved ? kCurveChunks : 1,
                                    static_cast<int>(std::ceil(e.length / kChunkMetres)));
        piece.chunk = e.length / chunks;
        for (int k = 0; k <= chunks; ++k) {
            double x = e.x2, y = e.y2;
            if (k < chunks)
                e.L2XY(e.l1 + k * piece.chunk, &x, &y, nullptr);
            piece.points.emplace_back(x, y);
            if (k > 0)
                piece.bounds |= around(piece.points[k - 1], piece.points[k], piece.chunk / 2);
        }
        pieces_.push_back(std::move(piece));
    }
}

std::vector<StationLabels::Range> StationLabels::rangesIn(const QRectF& local) const
{
    std::vector<Range> ranges;
    for (const Piece& piece : pieces_) {
        if (!overlaps(piece.bounds, local))
            continue;
        const double l1 = piece.element.l1;
        for (std::size_t k = 1; k < piece.points.size(); ++k) {
            if (!overlaps(around(piece.points[k - 1], piece.points[k], piece.chunk / 2), local))
                continue;
            const double from = l1 + (k - 1) * piece.chunk, to = l1 + k * piece.chunk;
            if (!ranges.empty() && ranges.back().piece == &piece && ranges.back().to == from)
                ranges.back().to = to;
            else
                ranges.push_back({&piece, from, to});
        }
    }
    return ranges;
}

std::vector<StationLabels::Tick> StationLabels::ticks(const std::vector<Range>& ranges,
                                                      const QTransform& transform,
                                                      const QRectF& seen, double step,
                                                      bool atElementEnds) const
{
    std::vector<Tick> found;
    for (const Range& range : ranges) {
        const RoadEntity& e = range.piece->element;
        const double tolerance = 1e-6 * std::max(1.0, std::fabs(e.l1 + e.length));
        for (const double station : axisticks::ticks(range.from, range.to, step)) {
            // The end of one element is the start of the next and counted
            // there; marked element ends carry their own, more precise label.
            const bool atStart = station - e.l1 < tolerance;
            const bool atEnd = e.l1 + e.length - station < tolerance;
            if (atEnd || (atStart && !atElementEnds))
                continue;
            double x = 0.0, y = 0.0, azimuth = 0.0;
            e.L2XY(station, &x, &y, &azimuth);
            const QPointF at = transform.map(QPointF(x, y));
            if (seen.contains(at))
                found.push_back({at, leftOf(screenDirection(transform, azimuth)), station});
        }
    }
    return found;
}

bool StationLabels::paintJoints(ScreenLabels& labels, const QTransform& transform) const
{
    QPainter* painter = labels.painter();
    const QRectF& seen = labels.placer().bounds();
    std::vector<std::size_t> inSight;
    for (std::size_t i = 0; i < joints_.size(); ++i)
        if (seen.contains(transform.map(joints_[i].at)))
            inSight.push_back(i);
    if (inSight.size() > static_cast<std::size_t>(kMaxJoints))
        return false;
    // The road's start and end are labelled before the joints between.
    if (inSight.size() > 1 && inSight.back() == joints_.size() - 1)
        std::rotate(inSight.begin() + 1, inSight.end() - 1, inSight.end());

    painter->setPen(QPen(kJointColour, 1.0));
    painter->setBrush(Qt::NoBrush);
    for (const std::size_t i : inSight) {
        const QPointF at = transform.map(joints_[i].at);
        painter->drawEllipse(at, kMarkerRadius, kMarkerRadius);
        labels.placer().reserve(around(at, at, kMarkerRadius));
    }
    // On the right of the road, else on its left, else wherever there is room.
    for (const std::size_t i : inSight) {
        const Joint& joint = joints_[i];
        const QPointF left = leftOf(screenDirection(transform, joint.azimuth));
        labels.draw(joint.text, transform.map(joint.at),
                    {ScreenLabels::sideToward(-left), ScreenLabels::sideToward(left),
                     ScreenLabels::AboveRight, ScreenLabels::BelowRight, ScreenLabels::AboveLeft,
                     ScreenLabels::BelowLeft},
                    kJointColour, kMarkerRadius + ScreenLabels::kGap);
    }
    return true;
}

void StationLabels::paint(ScreenLabels& labels, const QTransform& transform) const
{
    bool invertible = false;
    const QTransform toLocal = transform.inverted(&invertible);
    const double scale = std::hypot(transform.m21(), transform.m22());
    if (!invertible || !(scale > 0.0))
        return;
    const QRectF& seen = labels.placer().bounds();
    const bool jointsMarked = paintJoints(labels, transform);

    const std::vector<Range> ranges = rangesIn(toLocal.mapRect(seen));
    double inSight = 0.0;
    for (const Range& range : ranges)
        inSight += range.to - range.from;
    double step = std::max(1.0, axisticks::niceStep(kTickPixels / scale));
    while (inSight / step > kMaxTicks)
        step = axisticks::nextStep(step);
    const std::vector<Tick> found = ticks(ranges, transform, seen, step, !jointsMarked);

    QPainter* painter = labels.painter();
    painter->setPen(QPen(kTickColour, 1.0));
    for (const Tick& tick : found)
        painter->drawLine(tick.at, tick.at + kTickLength * tick.left);
    // Round kilometres (or the tenth tick) first, so that they win a crowded spot.
    const double major = 10.0 * step;
    for (const bool majors : {true, false}) {
        for (const Tick& tick : found) {
            const double multiple = tick.station / major;
            if ((std::fabs(multiple - std::round(multiple)) < 1e-9) != majors)
                continue;
            labels.draw(numbertext::station(tick.station, 0), tick.at,
                        {ScreenLabels::sideToward(tick.left), ScreenLabels::sideToward(-tick.left)},
                        kTickColour, kTickLength);
        }
    }
}
