// The grid behind a drawing and the values of its lines in two bands, along
// the left and the bottom edge of the view, at nice steps that suit the zoom.
//
// Local x of the drawing runs up the screen (north, height, height
// difference), local y to the right (east, station, offset).
#ifndef VANTOREL_VIEWS_AXESGRID_H
#define VANTOREL_VIEWS_AXESGRID_H

#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <QTransform>

#include <functional>
#include <vector>

class QFontMetricsF;
class QPainter;

class AxesGrid
{
public:
    // The value of a grid line as its axis writes it, with the decimals its
    // step needs.
    using AxisText = std::function<QString(Qt::Orientation, double value, int decimals)>;

    struct Options
    {
        QSizeF spacing;  // fewest pixels between lines: across (width), up (height)
        bool square;     // one step both ways
    };

    // The grid of a drawing shown through `transform` in `viewport`.
    AxesGrid(const QTransform& transform, const QRectF& viewport, const QFontMetricsF& metrics,
             const Options& options, const AxisText& text);

    // The viewport without the bands: where the drawing is seen.
    QRectF plotRect() const { return plot_; }
    // The plot rectangle a viewport gets for labels like these.
    static QRectF plotRectFor(const QRectF& viewport, const QFontMetricsF& metrics,
                              const QStringList& verticalLabels);

    void drawLines(QPainter* painter) const;
    void drawBands(QPainter* painter) const;

private:
    struct Axis
    {
        std::vector<double> pixels;  // where each line is drawn
        QStringList texts;
    };
    static Axis axis(double from, double to, double step,
                     const std::function<double(double)>& pixel,
                     const std::function<QString(double, int)>& text);

    Axis vertical_;    // lines across, labelled in the left band
    Axis horizontal_;  // lines up, labelled in the bottom band
    QRectF viewport_;
    QRectF plot_;
    double ascent_;
    double lineHeight_;
};

#endif  // VANTOREL_VIEWS_AXESGRID_H
