// What the plan, profile and cross-section views share: the four modes, zoom
// about the cursor, pan by dragging, Ctrl for select, the information panel,
// the cursor read-out and the fit of a survey rectangle into the viewport.
//
// Every scene item carries the same item transform, which maps the item's
// local coordinates (x up, y to the right) onto viewport pixels; the view
// itself is never scaled or scrolled.
#ifndef VANTOREL_VIEWS_SURVEYVIEW_H
#define VANTOREL_VIEWS_SURVEYVIEW_H

#include <QColor>
#include <QGraphicsView>
#include <QPointF>

#include <functional>

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

    // The transform all items carry (identity without items).
    QTransform itemTransform() const;
    // Zooms by (sx, sy) keeping the point under viewport pixel (px, py) still.
    void zoomAt(double sx, double sy, double px, double py);
    // Moves the drawing by (dx, dy) viewport pixels.
    void panBy(double dx, double dy);

signals:
    // Local coordinates (x, y) under the cursor.
    void coordinateChanged(double x, double y);

protected:
    // Fits the local rectangle into the viewport: its x extent to the height,
    // its y extent to the width, one scale for both, (x, y) at bottom-left.
    void fitToView(const QRectF& extent);
    // Empties the scene and forgets the selection.
    void clearScene();
    // Select mode: what lies at viewport position pos.
    virtual void pick(const QPoint& pos) = 0;
    // The drawn line of type Item passing nearest to pos, within a few
    // pixels; null when there is none. Thin lines are hard to hit exactly,
    // and the topmost item under the cursor is often a label or the grid.
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
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private:
    QGraphicsItem* nearestItem(const QPoint& pos,
                               const std::function<bool(const QGraphicsItem*)>& wanted) const;
    void setMode(Mode mode);
    void setItemTransform(const QTransform& transform);

    // The extent of the last fit, and whether the drawing still shows it
    // unzoomed and unpanned; such a drawing follows the view's size.
    QRectF fitExtent_;
    bool showsFit_ = false;
    Mode mode_ = MoveMode;
    Mode savedMode_ = MoveMode;
    QGraphicsItem* selected_ = nullptr;
    QColor selectedColour_;
    QLabel* info_;
    bool dragging_ = false;
    QPointF lastDrag_;
};

#endif  // VANTOREL_VIEWS_SURVEYVIEW_H
