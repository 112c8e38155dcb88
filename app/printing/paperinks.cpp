#include "paperinks.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace {

// Screen inks of middle lightness, pure green above all, are too pale on
// white when merely turned over; the power darkens them and leaves black and
// white where they are.
constexpr double kDeepening = 1.5;

QBrush paperBrush(QBrush brush)
{
    if (brush.style() != Qt::NoBrush && !brush.gradient() && brush.textureImage().isNull())
        brush.setColor(paperColour(brush.color()));
    return brush;
}

}  // namespace

QColor paperColour(const QColor& screen)
{
    const QColor hsl = screen.toHsl();
    const double lightness = std::pow(1.0 - hsl.lightnessF(), kDeepening);
    return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness, hsl.alphaF()).toRgb();
}

// Passes each state change and each drawing call on to the page painter.
//
// Lines drawn with a cosmetic pen go to the page in its device units, with a
// pen of the hairline's width there: page engines differ in the unit they
// give a cosmetic width (the PDF engine takes points), and a hairline must
// print the same on every one of them.
class PaperInkEngine : public QPaintEngine
{
public:
    PaperInkEngine(QPainter* page, double screenDpi)
        : QPaintEngine(QPaintEngine::AllFeatures), page_(page)
    {
        const double pageDpi = page->device()->logicalDpiY();
        // Fonts are sized in points, which the page resolves at its own
        // resolution, below a transform that already scales screen pixels.
        fontScale_ = screenDpi / pageDpi;
        hairline_ = PaperInkDevice::kHairlineMm / 25.4 * pageDpi;
    }

    bool begin(QPaintDevice*) override
    {
        page_->save();
        pageTransform_ = transform_ = page_->transform();
        return true;
    }

    bool end() override
    {
        page_->restore();
        return true;
    }

    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags dirty = state.state();
        // The transform first: a clip comes in the coordinates of its time.
        if (dirty & DirtyTransform) {
            transform_ = state.transform() * pageTransform_;
            page_->setTransform(transform_);
        }
        if (dirty & DirtyPen)
            page_->setPen(paperPen(state.pen()));
        if (dirty & DirtyBrush)
            page_->setBrush(paperBrush(state.brush()));
        if (dirty & DirtyBrushOrigin)
            page_->setBrushOrigin(state.brushOrigin());
        if (dirty & DirtyFont)
            page_->setFont(pageFont(state.font()));
        if (dirty & DirtyBackground)
            page_->setBackground(paperBrush(state.backgroundBrush()));
        if (dirty & DirtyBackgroundMode)
            page_->setBackgroundMode(state.backgroundMode());
        if (dirty & DirtyHints)
            page_->setRenderHints(state.renderHints());
        if (dirty & DirtyOpacity)
            page_->setOpacity(state.opacity());
        if (dirty & DirtyCompositionMode)
            page_->setCompositionMode(state.compositionMode());
        if (dirty & DirtyClipPath)
            page_->setClipPath(state.clipPath(), state.clipOperation());
        if (dirty & DirtyClipRegion)
            page_->setClipRegion(state.clipRegion(), state.clipOperation());
        if (dirty & DirtyClipEnabled)
            page_->setClipping(state.isClipEnabled());
    }

    void drawPath(const QPainterPath& path) override
    {
        if (hairline())
            drawHairline(path, true);
        else
            page_->drawPath(path);
    }
    void drawLines(const QLineF* lines, int count) override
    {
        if (!hairline())
            return page_->drawLines(lines, count);
        QPainterPath path;
        for (int i = 0; i < count; ++i) {
            path.moveTo(lines[i].p1());
            path.lineTo(lines[i].p2());
        }
        drawHairline(path, false);
    }
    void drawRects(const QRectF* rects, int count) override
    {
        if (!hairline())
            return page_->drawRects(rects, count);
        QPainterPath path;
        for (int i = 0; i < count; ++i)
            path.addRect(rects[i]);
        drawHairline(path, true);
    }
    void drawEllipse(const QRectF& r) override
    {
        if (!hairline())
            return page_->drawEllipse(r);
        QPainterPath path;
        path.addEllipse(r);
        drawHairline(path, true);
    }
    void drawPoints(const QPointF* points, int count) override
    {
        if (!hairline())
            return page_->drawPoints(points, count);
        page_->setTransform(QTransform());
        for (int i = 0; i < count; ++i)
            page_->drawPoint(transform_.map(points[i]));
        page_->setTransform(transform_);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (hairline()) {
            QPainterPath path;
            path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
            if (mode != PolylineMode)
                path.closeSubpath();
            path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
            return drawHairline(path, mode != PolylineMode);
        }
        switch (mode) {
        case PolylineMode:
            page_->drawPolyline(points, count);
            break;
        case ConvexMode:
            page_->drawConvexPolygon(points, count);
            break;
        case OddEvenMode:
            page_->drawPolygon(points, count, Qt::OddEvenFill);
            break;
        case WindingMode:
            page_->drawPolygon(points, count, Qt::WindingFill);
            break;
        }
    }
    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override
    {
        page_->drawPixmap(r, pixmap, source);
    }
    // Text stays text on the page, to be read and searched there.
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        page_->drawText(p, item.text());
    }

private:
    bool hairline() const { return hairlinePen_; }

    // The path in the page's device units, drawn there.
    void drawHairline(const QPainterPath& path, bool filled)
    {
        const QBrush brush = page_->brush();
        if (!filled)
            page_->setBrush(Qt::NoBrush);
        page_->setTransform(QTransform());
        page_->drawPath(transform_.map(path));
        page_->setTransform(transform_);
        page_->setBrush(brush);
    }

    QPen paperPen(QPen pen)
    {
        pen.setBrush(paperBrush(pen.brush()));
        hairlinePen_ = pen.isCosmetic() && pen.style() != Qt::NoPen;
        // A cosmetic width counts screen pixels: on paper each is a
        // hairline, and there is at least one.
        if (hairlinePen_) {
            pen.setWidthF(std::max(pen.widthF(), 1.0) * hairline_);
            pen.setCosmetic(false);
        }
        return pen;
    }

    QFont pageFont(QFont font) const
    {
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * fontScale_);
        return font;
    }

    QPainter* page_;
    QTransform pageTransform_;
    QTransform transform_;  // from the device's pixels to the page's units
    bool hairlinePen_ = false;
    double fontScale_ = 1.0;
    double hairline_ = 1.0;
};

PaperInkDevice::PaperInkDevice(QPainter* page, const QSizeF& size, double screenDpi)
    : size_(size), dpi_(screenDpi), engine_(std::make_unique<PaperInkEngine>(page, screenDpi))
{}

PaperInkDevice::~PaperInkDevice() = default;

QPaintEngine* PaperInkDevice::paintEngine() const
{
    return engine_.get();
}

int PaperInkDevice::metric(PaintDeviceMetric metric) const
{
    constexpr double kMmPerInch = 25.4;
    switch (metric) {
    case PdmWidth:
        return qRound(size_.width());
    case PdmHeight:
        return qRound(size_.height());
    case PdmWidthMM:
        return qRound(size_.width() / dpi_ * kMmPerInch);
    case PdmHeightMM:
        return qRound(size_.height() / dpi_ * kMmPerInch);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return qRound(dpi_);
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return qRound(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}
