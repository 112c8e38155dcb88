#include "mapsymbols.h"

#include "axisticks.h"
#include "numbertext.h"
#include "screenlabels.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace mapsymbols {

namespace {

constexpr double kInset = 10.0;  // pixels from the plot's corner
constexpr double kArrowHeight = 36.0;
constexpr double kArrowWidth = 14.0;
constexpr double kBarHeight = 5.0;
const QColor kSymbolColour(Qt::white);

// "50 m", "2 km", "0.5 m"
QString lengthText(double metres)
{
    if (metres >= 1000.0)
        return QCoreApplication::translate("MapSymbols", "%1 km")
            .arg(numbertext::fixed(metres / 1000.0, axisticks::decimalsFor(metres / 1000.0)));
    return QCoreApplication::translate("MapSymbols", "%1 m")
        .arg(numbertext::fixed(metres, axisticks::decimalsFor(metres)));
}

}  // namespace

void drawNorthArrow(ScreenLabels& labels)
{
    QPainter* painter = labels.painter();
    const QRectF& plot = labels.placer().bounds();
    const QString north = QCoreApplication::translate("MapSymbols", "N");
    const double letter = labels.metrics().height();
    const QRectF box(plot.right() - kInset - kArrowWidth, plot.top() + kInset, kArrowWidth,
                     letter + kArrowHeight);
    labels.placer().reserve(box.adjusted(-2, -2, 2, 2));

    const double top = box.top() + letter;
    const double middle = box.center().x();
    QPainterPath half;  // the left half filled, the right one open: the usual arrow
    half.moveTo(middle, top);
    half.lineTo(box.left(), box.bottom());
    half.lineTo(middle, box.bottom() - kArrowHeight / 4);
    half.closeSubpath();
    painter->setPen(QPen(kSymbolColour, 1.0));
    painter->setBrush(kSymbolColour);
    painter->drawPath(half);
    painter->setBrush(Qt::NoBrush);
    painter->drawPolygon(QPolygonF({QPointF(middle, top), QPointF(box.right(), box.bottom()),
                                    QPointF(middle, box.bottom() - kArrowHeight / 4)}));
    const double width = labels.metrics().horizontalAdvance(north);
    painter->drawText(QPointF(middle - width / 2, box.top() + labels.metrics().ascent()), north);
}

void drawScaleBar(ScreenLabels& labels, double pixelsPerMetre)
{
    if (!(pixelsPerMetre > 0.0) || !std::isfinite(pixelsPerMetre))
        return;
    QPainter* painter = labels.painter();
    const QRectF& plot = labels.placer().bounds();
    const double metres = axisticks::niceStep(kBarPixels / pixelsPerMetre);
    const double length = metres * pixelsPerMetre;
    const QString text = lengthText(metres);
    const QRectF bar(plot.right() - kInset - length, plot.bottom() - kInset - kBarHeight, length,
                     kBarHeight);
    const QRectF textBox =
        labels.boxAt(text, QPointF(bar.center().x(), bar.top()), ScreenLabels::Above, 1.0);
    labels.placer().reserve(bar.united(textBox).adjusted(-2, -2, 2, 2));

    // Two halves, filled and open, as on a printed plan.
    painter->setPen(QPen(kSymbolColour, 1.0));
    painter->setBrush(kSymbolColour);
    painter->drawRect(QRectF(bar.left(), bar.top(), length / 2, kBarHeight));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(bar.center().x(), bar.top(), length / 2, kBarHeight));
    labels.drawIn(text, textBox, kSymbolColour);
}

}  // namespace mapsymbols
