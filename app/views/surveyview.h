// What the plan, profile and cross-section views share: the four modes, zoom
// about the cursor, pan by dragging, Ctrl for select, the information panel,
// the cursor read-out, the fit of a survey rectangle into the viewport, and
// the annotation layer: a grid with labelled axes and the labels each view
// writes in viewport pixels.
//
// Every scene item carries the same item transform, which maps the item's
// local coordinates (x up, y to the right) onto viewport pixels; the view
// itself is never scaled or scrolled, so scene units are pixels.
#ifndef VANTOREL_VIEWS_SURVEYVIEW_H
#define VANTOREL_VIEWS_SURVEYVIEW_H

#include "axesgrid.h"
#include "screenlabels.h"

#include <QColor>
#include <QGraphicsView>
#include <QPointF>

#include <functional>
#include <optional>

class QLabel;

class SurveyView : public QGraphicsView
{
    Q_OBJECT

public:
    enum Mode { SelectMode = 0, ZoomInMode = 1, ZoomOutMode = 2, MoveMode = 3 };

    static constexpr double kZoomStep = 1.2;

    explicit SurveyView(QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    void setSelectMode();
    void setZoomInMode();
    void setZoomOutMode();
    void setMoveMode();
    void toggleInfo();
    QLabel* infoLabel() const { return info_; }

    // Rebuilds the drawing from the road.
    virtual void refresh() = 0;
    // Shows the whole drawing again.
    void fit();

    // The transform all items carry (identity without items).
    QTransform itemTransform() const { return transform_; }
    // Zooms by (sx, sy) keeping the point under viewport pixel (px, py) still.
    void zoomAt(double sx, double sy, double px, double py);
    // Moves the drawing by (dx, dy) viewport pixels.
    void panBy(double dx, double dy);

    // The labels of the last repaint, in viewport pixels.
    const QVector<ScreenLabels::Drawn>& drawnLabels() const { return drawnLabels_; }

signals:
    // What lies under the cursor, as the status bar shows it.
    void cursorMoved(const QString& readout);
    void modeChanged(SurveyView::Mode mode);

protected:
    // Fits the local rectangle into the viewport beside the axes: its x
    // extent (times the exaggeration) to the height, its y extent to the
    // width, centred.
    void fitToView(const QRectF& extent);
    // Local x is drawn this many times larger than local y; the drawing
    // keeps its fit, or its middle when zoomed.
    void setExaggeration(double exaggeration);
    double exaggeration() const { return exaggeration_; }
    // Empties the scene, forgets the selection and empties the panel.
    void clearScene();
    // The information panel's text when nothing is picked.
    void setEmptyInfo(const QString& html);
    // Select mode: what lies at viewport position pos.
    virtual void pick(const QPoint& pos) = 0;
    // The status bar's text for local coordinates (x, y).
    virtual QString cursorText(double x, double y) const = 0;
    // A grid line's value as its axis writes it.
    virtual QString axisText(Qt::Orientation axis, double value, int decimals) const;
    void setGridOptions(const AxesGrid::Options& options) { gridOptions_ = options; }
    // Pixels the fit keeps free around the drawing, for its labels.
    void setFitPadding(const QMarginsF& padding) { fitPadding_ = padding; }
    // Painting in viewport pixels below the items (after the grid) and
    // above them (before the axes).
    virtual void drawUnderlay(QPainter* painter);
    virtual void annotate(ScreenLabels& labels);
    // The viewport beside the axes, as last painted.
    QRectF plotRect() const;

    // The drawn line of type Item passing nearest to pos, within a few
    // pixels; null when there is none. Thin lines are hard to hit exactly,
    // and the topmost item under the cursor is often another line.
    template <typename Item>
    Item* itemNear(const QPoint& pos) const
    {
        return dynamic_cast<Item*>(nearestItem(pos, [](const QGraphicsItem* item) {
            return dynamic_cast<const Item*>(item) != nullptr;
        }));
    }
    // Makes item the selection, drawn red; the previous one gets its colour back.
    void selectItem(QGraphicsItem* item, const QColor& normalColour);
    QGraphicsItem* selectedItem() const { return selected_; }
    void showInfo(const QString& html);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void changeEvent(QEvent* event) override;

private:
    QGraphicsItem* nearestItem(const QPoint& pos,
                               const std::function<bool(const QGraphicsItem*)>& wanted) const;
    void setMode(Mode mode);
    void setItemTransform(const QTransform& transform);
    AxesGrid axesGrid() const;

    QTransform transform_;
    AxesGrid::Options gridOptions_;
    QMarginsF fitPadding_;
    bool hasDrawing_ = false;
    double exaggeration_ = 1.0;
    // The extent of the last fit, and whether the drawing still shows it
    // unzoomed and unpanned; such a drawing follows the view's size.
    QRectF fitExtent_;
    bool showsFit_ = false;
    // The grid of the repaint under way, shared by its back and front.
    std::optional<AxesGrid> paintedGrid_;
    QVector<ScreenLabels::Drawn> drawnLabels_;
    ScreenLabels::SizeCache labelSizes_;
    Mode mode_ = MoveMode;
    Mode savedMode_ = MoveMode;
    QGraphicsItem* selected_ = nullptr;
    QColor selectedColour_;
    QLabel* info_;
    QString emptyInfo_;
    bool dragging_ = false;
    QPointF lastDrag_;
};

#endif  // VANTOREL_VIEWS_SURVEYVIEW_H
