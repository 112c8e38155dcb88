#include "surveyview.h"

#include "itemcolour.h"

#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kFitMargin = 0.001;  // scale units kept free at the fit
constexpr double kEmptyExtent = 100.0;  // metres shown when there is nothing to fit
constexpr double kPickPixels = 5.0;     // how near the cursor a picked line must pass

QCursor zoomCursor(const char* picture)
{
    return QCursor(QPixmap(QString(":/new/prefix1/res/") + picture));
}

// A rectangle with an extent in both directions, so that a fit never divides
// by zero: a missing extent takes the other one, or a fixed one when both are
// missing (an empty road, a single point).
QRectF fittable(const QRectF& r)
{
    const double larger = std::max(r.width(), r.height());
    const double side = larger > 0.0 ? larger : kEmptyExtent;
    const double w = r.width() > 0.0 ? r.width() : side;
    const double h = r.height() > 0.0 ? r.height() : side;
    return QRectF(r.center().x() - w / 2, r.center().y() - h / 2, w, h);
}

// The drawn vertices of a line or path item, in viewport pixels.
QPolygonF drawnVertices(const QGraphicsItem* item)
{
    QPolygonF vertices;
    if (const auto* line = dynamic_cast<const QGraphicsLineItem*>(item)) {
        vertices << line->line().p1() << line->line().p2();
    } else if (const auto* path = dynamic_cast<const QGraphicsPathItem*>(item)) {
        const QPainterPath& p = path->path();
        for (int i = 0; i < p.elementCount(); ++i)
            vertices << QPointF(p.elementAt(i).x, p.elementAt(i).y);
    }
    return item->sceneTransform().map(vertices);
}

double distanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0.0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

double distanceToPolyline(const QPointF& p, const QPolygonF& vertices)
{
    if (vertices.size() == 1)
        return distanceToSegment(p, vertices[0], vertices[0]);
    double nearest = std::numeric_limits<double>::infinity();
    for (int i = 1; i < vertices.size(); ++i)
        nearest = std::min(nearest, distanceToSegment(p, vertices[i - 1], vertices[i]));
    return nearest;
}

}  // namespace

SurveyView::SurveyView(QWidget* parent) : QGraphicsView(parent), info_(new QLabel(this))
{
    auto* scene = new QGraphicsScene(this);
    // Every item moves on each zoom and pan step; an index would only be rebuilt.
    scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(scene);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setRenderHint(QPainter::Antialiasing);
    info_->hide();
    setMoveMode();
}

void SurveyView::setSelectMode()
{
    setMode(SelectMode);
}

void SurveyView::setZoomInMode()
{
    setMode(ZoomInMode);
}

void SurveyView::setZoomOutMode()
{
    setMode(ZoomOutMode);
}

void SurveyView::setMoveMode()
{
    setMode(MoveMode);
}

void SurveyView::setMode(Mode mode)
{
    mode_ = mode;
    switch (mode) {
    case SelectMode:
        viewport()->setCursor(Qt::PointingHandCursor);
        break;
    case ZoomInMode:
        viewport()->setCursor(zoomCursor("cursor-zoomin.png"));
        break;
    case ZoomOutMode:
        viewport()->setCursor(zoomCursor("cursor-zoomout.png"));
        break;
    case MoveMode:
        viewport()->setCursor(Qt::OpenHandCursor);
        break;
    }
}

void SurveyView::toggleInfo()
{
    info_->setVisible(!info_->isVisible());
}

QTransform SurveyView::itemTransform() const
{
    const QList<QGraphicsItem*> items = scene()->items();
    return items.isEmpty() ? QTransform() : items.first()->transform();
}

void SurveyView::setItemTransform(const QTransform& transform)
{
    const QList<QGraphicsItem*> items = scene()->items();
    for (QGraphicsItem* item : items)
        item->setTransform(transform);
}

void SurveyView::fitToView(const QRectF& extent)
{
    fitExtent_ = extent;
    showsFit_ = true;
    const QRectF r = fittable(extent);
    const double w = viewport()->width();
    const double h = viewport()->height();
    double s = std::min(w / r.height(), h / r.width()) - kFitMargin;
    if (s <= 0.0)  // huge extents: the margin must not flip the drawing
        s = std::min(w / r.height(), h / r.width()) * (1.0 - kFitMargin);
    setItemTransform(QTransform(0, -s, s, 0, -r.y() * s, r.x() * s + h));
    scene()->setSceneRect(0, 0, w, h);
}

void SurveyView::clearScene()
{
    scene()->clear();
    selected_ = nullptr;
}

void SurveyView::zoomAt(double sx, double sy, double px, double py)
{
    if (scene()->items().isEmpty())
        return;
    const QTransform before = itemTransform();
    const QTransform scaled = QTransform::fromScale(sx, sy) * before;
    const double tx = (py - scaled.dy()) / scaled.m12() - (py - before.dy()) / before.m12();
    const double ty = (px - scaled.dx()) / scaled.m21() - (px - before.dx()) / before.m21();
    setItemTransform(QTransform::fromTranslate(tx, ty) * scaled);
    showsFit_ = false;
}

void SurveyView::panBy(double dx, double dy)
{
    if (scene()->items().isEmpty())
        return;
    const QTransform t = itemTransform();
    setItemTransform(QTransform::fromTranslate(-dy / t.m21(), -dx / t.m12()) * t);
    showsFit_ = false;
}

QGraphicsItem* SurveyView::nearestItem(
    const QPoint& pos, const std::function<bool(const QGraphicsItem*)>& wanted) const
{
    QGraphicsItem* nearest = nullptr;
    double nearestDistance = kPickPixels;
    const QRectF around(pos.x() - kPickPixels, pos.y() - kPickPixels, 2 * kPickPixels,
                        2 * kPickPixels);
    for (QGraphicsItem* item : scene()->items(around, Qt::IntersectsItemBoundingRect)) {
        if (!wanted(item))
            continue;
        const double d = distanceToPolyline(pos, drawnVertices(item));
        if (d <= nearestDistance) {
            nearest = item;
            nearestDistance = d;
        }
    }
    return nearest;
}

void SurveyView::selectItem(QGraphicsItem* item, const QColor& normalColour)
{
    if (selected_ && selected_ != item)
        setItemColour(selected_, selectedColour_);
    selected_ = item;
    selectedColour_ = normalColour;
    setItemColour(item, Qt::red);
}

void SurveyView::showInfo(const QString& html)
{
    info_->setText(html);
    info_->adjustSize();
    info_->move(0, 0);
    info_->show();
}

void SurveyView::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    switch (mode_) {
    case ZoomInMode:
        zoomAt(kZoomStep, kZoomStep, p.x(), p.y());
        break;
    case ZoomOutMode:
        zoomAt(1.0 / kZoomStep, 1.0 / kZoomStep, p.x(), p.y());
        break;
    case MoveMode:
        if (event->button() == Qt::LeftButton) {
            dragging_ = true;
            lastDrag_ = p;
        }
        break;
    case SelectMode:
        pick(p.toPoint());
        break;
    }
}

void SurveyView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
}

void SurveyView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    if (dragging_) {
        panBy(p.x() - lastDrag_.x(), p.y() - lastDrag_.y());
        lastDrag_ = p;
    }
    if (scene()->items().isEmpty())
        return;
    const QTransform t = itemTransform();
    emit coordinateChanged((p.y() - t.dy()) / t.m12(), (p.x() - t.dx()) / t.m21());
}

void SurveyView::wheelEvent(QWheelEvent* event)
{
    const QPointF p = event->position();
    const double factor = event->angleDelta().y() > 0 ? kZoomStep : 1.0 / kZoomStep;
    zoomAt(factor, factor, p.x(), p.y());
}

void SurveyView::keyPressEvent(QKeyEvent* event)
{
    // A held Ctrl repeats its press; only the first one saves the mode.
    if (event->key() == Qt::Key_Control && !event->isAutoRepeat()) {
        savedMode_ = mode_;
        setSelectMode();
    }
}

void SurveyView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Control && !event->isAutoRepeat())
        setMode(savedMode_);
}

void SurveyView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    // A drawing made while its page was hidden, or one the user has not
    // zoomed or panned, fits the new size; otherwise the scene just stays the
    // viewport, so that pixels and scene units agree.
    if (showsFit_ && !scene()->items().isEmpty())
        fitToView(fitExtent_);
    else
        scene()->setSceneRect(0, 0, viewport()->width(), viewport()->height());
}

void SurveyView::drawBackground(QPainter* painter, const QRectF& rect)
{
    painter->fillRect(rect, Qt::black);
}
