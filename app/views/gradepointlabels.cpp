#include "gradepointlabels.h"

#include "numbertext.h"
#include "screenlabels.h"

#include <QPainter>

namespace {

constexpr double kMarkerRadius = 3.5;      // pixels
constexpr double kLeader = 14.0;           // pixels from a point to its label
constexpr double kShortestTangents = 8.0;  // pixels
constexpr std::size_t kMostMarkers = 200;  // grade points marked in sight, at most
const QColor kTangentColour(160, 160, 160);
const QColor kMarkColour(255, 215, 90);
// Where a point's label goes: out of the bend first, shifted sideways near
// the ends of the profile.
constexpr std::initializer_list<ScreenLabels::Side> kCrestSides = {
    ScreenLabels::Above,     ScreenLabels::Below,      ScreenLabels::AboveRight,
    ScreenLabels::AboveLeft, ScreenLabels::BelowRight, ScreenLabels::BelowLeft};
constexpr std::initializer_list<ScreenLabels::Side> kSagSides = {
    ScreenLabels::Below,     ScreenLabels::Above,      ScreenLabels::BelowRight,
    ScreenLabels::BelowLeft, ScreenLabels::AboveRight, ScreenLabels::AboveLeft};

}  // namespace

QString GradePointLabels::pointText(const VerticalEntity& point, std::optional<double> gradeIn,
                                    std::optional<double> gradeOut)
{
    QStringList lines = {numbertext::station(point.mile),
                         tr("H %1").arg(numbertext::fixed(point.height))};
    QStringList grades;
    if (gradeIn)
        grades << tr("i1 %1").arg(numbertext::percent(*gradeIn));
    if (gradeOut)
        grades << tr("i2 %1").arg(numbertext::percent(*gradeOut));
    lines << grades.join(QStringLiteral("  "));
    if (gradeIn && gradeOut && point.radius > 0.0)
        lines << tr("R %1  T %2")
                     .arg(numbertext::fixed(point.radius), numbertext::fixed(point.tangent));
    return lines.join(QLatin1Char('\n'));
}

void GradePointLabels::rebuild(RoadSet& road)
{
    points_.clear();
    const int n = road.NumberOfVertical();
    if (n < 2)
        return;
    for (int i = 0; i < n; ++i) {
        const VerticalEntity& v = *road.GetVertical(i);
        const std::optional<double> gradeIn =
            i > 0 ? std::optional<double>(road.GetVertical(i - 1)->slope) : std::nullopt;
        const std::optional<double> gradeOut =
            i + 1 < n ? std::optional<double>(v.slope) : std::nullopt;
        // The first and the last point carry no vertical curve.
        const double tangent = gradeIn && gradeOut ? v.tangent : 0.0;
        const double in = gradeIn.value_or(0.0), out = gradeOut.value_or(0.0);
        points_.push_back(
            {QPointF(v.height, v.mile), QPointF(v.height - in * tangent, v.mile - tangent),
             QPointF(v.height + out * tangent, v.mile + tangent), gradeIn && gradeOut && out < in,
             pointText(v, gradeIn, gradeOut), numbertext::station(v.mile)});
    }
}

void GradePointLabels::drawTangents(QPainter* painter, const QTransform& transform,
                                    const QRectF& seen) const
{
    painter->setPen(QPen(kTangentColour, 1.0, Qt::DashLine));
    for (const Point& p : points_) {
        const QPolygonF tangents = transform.map(QPolygonF({p.curveIn, p.at, p.curveOut}));
        // A curve a few pixels long shows no tangents worth a dashed line.
        const QRectF bounds = tangents.boundingRect();
        if (bounds.width() >= kShortestTangents && bounds.intersects(seen))
            painter->drawPolyline(tangents);
    }
}

void GradePointLabels::label(ScreenLabels& labels, const QTransform& transform) const
{
    QPainter* painter = labels.painter();
    const QRectF& seen = labels.placer().bounds();
    std::vector<const Point*> inSight;
    for (const Point& p : points_)
        if (seen.contains(transform.map(p.at)))
            inSight.push_back(&p);

    // Markers a few pixels apart would only blur the line.
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(kMarkColour, 1.0));
    for (const Point* p : inSight) {
        if (inSight.size() > kMostMarkers)
            break;
        const QPointF at = transform.map(p->at);
        painter->drawEllipse(at, kMarkerRadius, kMarkerRadius);
        labels.placer().reserve(QRectF(at.x() - kMarkerRadius, at.y() - kMarkerRadius,
                                       2 * kMarkerRadius, 2 * kMarkerRadius));
    }
    // A crest is labelled above the line, a sag below; then the other side,
    // then with the station alone.
    for (const Point* p : inSight) {
        const QPointF at = transform.map(p->at);
        const auto sides = p->crest ? kCrestSides : kSagSides;
        std::optional<ScreenLabels::Side> side =
            labels.draw(p->text, at, sides, kMarkColour, kLeader);
        if (!side)
            side = labels.draw(p->shortText, at, sides, kMarkColour, kLeader);
        if (!side)
            continue;
        const bool above = *side == ScreenLabels::Above || *side == ScreenLabels::AboveLeft ||
                           *side == ScreenLabels::AboveRight;
        const double down = above ? -1.0 : 1.0;
        painter->setPen(QPen(kMarkColour, 1.0));
        painter->drawLine(at + QPointF(0, down * kMarkerRadius), at + QPointF(0, down * kLeader));
    }
}
