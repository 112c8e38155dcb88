#include "surveyview.h"

#include "itemcolour.h"
#include "numbertext.h"

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

constexpr double kEmptyExtent = 100.0;  // metres shown when there is nothing to fit
constexpr double kPickPixels = 5.0;     // how near the cursor a picked line must pass
constexpr double kFitPadding = 32.0;    // pixels kept free around a fitted drawing
constexpr double kGridPixels = 100.0;   // fewest pixels between grid lines

QCursor zoomCursor(const char* picture)
{
    return QCursor(QPixmap(QString(":/new/prefix1/res/") + picture));
}

// A rectangle with an extent in both directions, so that a fit never divides
// by zero: a missing extent takes the other one as drawn, or a fixed one when
// both are missing (an empty road, a single point, a level profile). Local x
// is drawn `exaggeration` times larger.
QRectF fittable(const QRectF& r, double exaggeration)
{
    const double larger = std::max(r.width() * exaggeration, r.height());
    const double side = larger > 0.0 ? larger : kEmptyExtent;
    const double w = r.width() > 0.0 ? r.width() : side / exaggeration;
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

SurveyView::SurveyView(QWidget* parent)
    : QGraphicsView(parent),
      gridOptions_{QSizeF(kGridPixels, kGridPixels), true},
      fitPadding_(kFitPadding, kFitPadding, kFitPadding, kFitPadding),
      info_(new QLabel(this))
{
    auto* scene = new QGraphicsScene(this);
    // Every item moves on each zoom and pan step; an index would only be rebuilt.
    scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(scene);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setRenderHint(QPainter::Antialiasing);
    // The grid and the labels move with every item: nothing stays put.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
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
    const bool changed = mode != mode_;
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
    if (changed)
        emit modeChanged(mode);
}

void SurveyView::toggleInfo()
{
    info_->setVisible(!info_->isVisible());
}

void SurveyView::setItemTransform(const QTransform& transform)
{
    transform_ = transform;
    const QList<QGraphicsItem*> items = scene()->items();
    for (QGraphicsItem* item : items)
        item->setTransform(transform);
    viewport()->update();
}

void SurveyView::fitToView(const QRectF& extent)
{
    fitExtent_ = extent;
    showsFit_ = true;
    hasDrawing_ = !scene()->items().isEmpty();
    const QRectF viewportRect = viewport()->rect();
    scene()->setSceneRect(viewportRect);
    const QRectF r = fittable(extent, exaggeration_);

    // The axes as they will be labelled near the fit, and the labels' room.
    const QStringList axisLabels = {axisText(Qt::Vertical, r.left(), 1),
                                    axisText(Qt::Vertical, r.right(), 1)};
    QRectF target = AxesGrid::plotRectFor(viewportRect, QFontMetricsF(font()), axisLabels)
                        .marginsRemoved(fitPadding_);
    if (target.width() < 1.0 || target.height() < 1.0)
        target = viewportRect;
    const double s =
        std::min(target.width() / r.height(), target.height() / (exaggeration_ * r.width()));
    const double up = exaggeration_ * s;
    setItemTransform(QTransform(0, -up, s, 0, target.center().x() - s * r.center().y(),
                                target.center().y() + up * r.center().x()));
}

void SurveyView::fit()
{
    if (hasDrawing_)
        fitToView(fitExtent_);
}

void SurveyView::setExaggeration(double exaggeration)
{
    const double ratio = exaggeration / exaggeration_;
    exaggeration_ = exaggeration;
    if (!hasDrawing_)
        return;
    if (showsFit_) {
        fitToView(fitExtent_);
    } else {
        const QPointF middle = plotRect().center();
        zoomAt(ratio, 1.0, middle.x(), middle.y());
    }
}

void SurveyView::clearScene()
{
    scene()->clear();
    selected_ = nullptr;
    hasDrawing_ = false;
    info_->setText(emptyInfo_);
    info_->adjustSize();
    info_->hide();
}

void SurveyView::setEmptyInfo(const QString& html)
{
    emptyInfo_ = html;
    info_->setText(html);
}

QString SurveyView::axisText(Qt::Orientation, double value, int decimals) const
{
    return numbertext::fixed(value, decimals);
}

void SurveyView::drawUnderlay(QPainter*) {}

void SurveyView::annotate(ScreenLabels&) {}

AxesGrid SurveyView::axesGrid() const
{
    return AxesGrid(transform_, viewport()->rect(), QFontMetricsF(font()), gridOptions_,
                    [this](Qt::Orientation axis, double value, int decimals) {
                        return axisText(axis, value, decimals);
                    });
}

QRectF SurveyView::plotRect() const
{
    return (paintedGrid_ ? *paintedGrid_ : axesGrid()).plotRect();
}

void SurveyView::zoomAt(double sx, double sy, double px, double py)
{
    if (!hasDrawing_)
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
    if (!hasDrawing_)
        return;
    const QTransform t = itemTransform();
    setItemTransform(QTransform::fromTranslate(dy / t.m12(), dx / t.m21()) * t);
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

// Fast clicks arrive as a press and a double-click: in zoom mode each is a step.
void SurveyView::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
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
    if (!hasDrawing_)
        return;
    const QTransform& t = transform_;
    emit cursorMoved(cursorText((p.y() - t.dy()) / t.m12(), (p.x() - t.dx()) / t.m21()));
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
    if (showsFit_ && hasDrawing_)
        fitToView(fitExtent_);
    else
        scene()->setSceneRect(0, 0, viewport()->width(), viewport()->height());
}

void SurveyView::drawBackground(QPainter* painter, const QRectF& rect)
{
    painter->fillRect(rect, Qt::black);
    paintedGrid_.reset();
    if (!hasDrawing_)
        return;
    paintedGrid_ = axesGrid();
    paintedGrid_->drawLines(painter);
    painter->save();
    drawUnderlay(painter);
    painter->restore();
}

void SurveyView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        labelSizes_.clear();
    QGraphicsView::changeEvent(event);
}

void SurveyView::drawForeground(QPainter* painter, const QRectF&)
{
    if (!paintedGrid_)
        return;
    painter->save();
    painter->setFont(font());
    ScreenLabels labels(painter, paintedGrid_->plotRect(), labelSizes_);
    annotate(labels);
    drawnLabels_ = labels.drawn();
    paintedGrid_->drawBands(painter);
    painter->restore();
}
