// A drawing made for the screen — light lines and text on black — put on
// white paper.
//
// PaperInkDevice is a paint device that hands everything painted on it to a
// painter on the page, with each colour turned for paper and the one-pixel
// screen lines made wide enough to print. It has the screen's resolution, so
// that the drawing's text and pixel sizes stay those it was laid out with;
// the page painter's transform at the start says where the device's pixels
// land on the page.
#ifndef VANTOREL_PRINTING_PAPERINKS_H
#define VANTOREL_PRINTING_PAPERINKS_H

#include <QColor>
#include <QPaintDevice>
#include <QSizeF>

#include <memory>

class QPainter;
class PaperInkEngine;

// The colour a screen colour prints in: its lightness turned over and
// deepened, hue, saturation and alpha kept. The black ground prints white,
// white lines black, bright green dark green.
QColor paperColour(const QColor& screen);

class PaperInkDevice : public QPaintDevice
{
public:
    // Width on paper of a screen pixel of a hairline.
    static constexpr double kHairlineMm = 0.25;

    // `size` in screen pixels at `screenDpi`; `page` stays active while the
    // device is painted on.
    PaperInkDevice(QPainter* page, const QSizeF& size, double screenDpi);
    ~PaperInkDevice() override;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSizeF size_;
    double dpi_;
    std::unique_ptr<PaperInkEngine> engine_;
};

#endif  // VANTOREL_PRINTING_PAPERINKS_H
