// Text drawn over a view in viewport pixels, at the view's font size
// whatever the zoom: each label goes to the first of its candidate places
// that is free (see LabelPlacer) on a dark backdrop, or is left out.
#ifndef VANTOREL_VIEWS_SCREENLABELS_H
#define VANTOREL_VIEWS_SCREENLABELS_H

#include "labelplacer.h"

#include <QColor>
#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QString>
#include <QVector>

#include <initializer_list>
#include <optional>

class QPainter;

class ScreenLabels
{
public:
    // Where a label lies as seen from its anchor: centred on it across the
    // side, or (the corners) with an edge at it, reaching away to one side.
    enum Side { Above, Below, Left, Right, AboveLeft, AboveRight, BelowLeft, BelowRight };

    // What was drawn, for a look from outside (the tests).
    struct Drawn
    {
        QString text;
        QRectF box;
    };

    static constexpr double kGap = 3.0;  // pixels between an anchor and its label

    // Sizes of texts already measured; shaping a text costs microseconds,
    // and most labels come back on every repaint.
    class SizeCache
    {
    public:
        QSizeF sizeOf(const QString& text, const QFontMetricsF& metrics);
        void clear() { sizes_.clear(); }

    private:
        static constexpr int kMaxTexts = 20000;
        QHash<QString, QSizeF> sizes_;
    };

    ScreenLabels(QPainter* painter, const QRectF& bounds, SizeCache& sizes);

    QPainter* painter() const { return painter_; }
    LabelPlacer& placer() { return placer_; }
    const QFontMetricsF& metrics() const { return metrics_; }

    // The side that points along the screen direction d.
    static Side sideToward(const QPointF& d);
    // The box of the text (lines separated by '\n') lying on `side` of the
    // anchor, `gap` pixels from it.
    QRectF boxAt(const QString& text, const QPointF& anchor, Side side, double gap = kGap) const;

    // Draws the text on the first free side; the side, if it found one.
    std::optional<Side> draw(const QString& text, const QPointF& anchor,
                             std::initializer_list<Side> sides, const QColor& colour,
                             double gap = kGap);
    // Draws the text in a box the caller has placed.
    void drawIn(const QString& text, const QRectF& box, const QColor& colour);

    const QVector<Drawn>& drawn() const { return drawn_; }

private:
    static QRectF boxOfSize(const QSizeF& size, const QPointF& anchor, Side side, double gap);

    QPainter* painter_;
    QFontMetricsF metrics_;
    SizeCache& sizes_;
    LabelPlacer placer_;
    QVector<Drawn> drawn_;
};

#endif  // VANTOREL_VIEWS_SCREENLABELS_H
