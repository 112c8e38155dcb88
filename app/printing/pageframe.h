// The parts of a printed page inside its margins: the title block along the
// bottom, and the room above it for a drawing or a table. Lengths are the
// page's device units; the frame only measures and draws, so that it works
// on any paged device, a printer or a PDF file.
#ifndef VANTOREL_PRINTING_PAGEFRAME_H
#define VANTOREL_PRINTING_PAGEFRAME_H

#include <QFont>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;
class QPagedPaintDevice;

// One box of the title block: a small caption over its value.
struct TitleField
{
    QString caption;
    QString value;
};

class PageFrame
{
public:
    static constexpr double kMarginMm = 10.0;
    static constexpr double kGapMm = 3.0;  // between the content and the title block

    // The frame of the device's pages as they are set up now.
    explicit PageFrame(const QPagedPaintDevice& device);
    // The frame of a page whose room inside the margins is `paper`, in
    // device units at `dpi`.
    PageFrame(const QRectF& paper, double dpi);

    // Sets the device up for pages of the local paper size (Letter where
    // the locale measures in inches, else A4) with the frame's margins.
    static void setUpPages(QPagedPaintDevice& device, QPageLayout::Orientation orientation);

    double dpi() const { return dpi_; }
    double mm(double millimetres) const { return millimetres * dpi_ / 25.4; }
    // Where the page's drawing or table goes.
    QRectF content() const { return content_; }
    QRectF titleBlock() const { return titleBlock_; }

    // A font of this many points, whatever the device's resolution.
    static QFont font(double points, bool bold = false);

    // The title block of page `page` (from 1) of `pages`: what the pages
    // show, the road's file, a detail (the drawing's scale, the table's
    // run), the date. The boxes stand side by side, each as wide as its text
    // and all together as wide as the page; where they do not fit, the
    // widest gives way.
    void drawTitleBlock(QPainter& painter, const TitleField& what, const TitleField& detail,
                        int page, int pages) const;
    // The widths of boxes whose texts take `natural`.
    QVector<double> boxWidths(const QVector<double>& natural) const;

private:
    double dpi_;
    QRectF titleBlock_;
    QRectF content_;
};

// The road's file name, or that it has none yet.
QString roadFileName();

#endif  // VANTOREL_PRINTING_PAGEFRAME_H
