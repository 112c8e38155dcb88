// A view printed as drawn: what the view shows now, its annotation
// included, scaled to the room of the page and centred, in paper inks, over
// a title block naming the drawing, the road, the scale, the date and the
// page.
#ifndef VANTOREL_PRINTING_DRAWINGPAGE_H
#define VANTOREL_PRINTING_DRAWINGPAGE_H

#include "pageframe.h"
#include "printdocument.h"

#include <QTransform>

#include <optional>

class SurveyView;

// "Plan", "Profile" or "Cross-section".
QString drawingTitle(const SurveyView& view);

// The scale of a drawing whose items carry `itemTransform` (view pixels per
// metre) printed at `pageUnitsPerPixel` on a page of `dpi`: "1:2500", or
// "H 1:2000  V 1:200" where heights are drawn larger. Three significant
// figures.
QString drawingScale(const QTransform& itemTransform, double pageUnitsPerPixel, double dpi);

class DrawingPage : public PrintDocument
{
public:
    explicit DrawingPage(SurveyView& view) : view_(view) {}

    QString title() const override;
    // Landscape for a view wider than tall.
    QPageLayout::Orientation orientation() const override;
    int layOut(const QPagedPaintDevice& device) override;
    void paint(QPainter& painter, int page) const override;

private:
    SurveyView& view_;
    std::optional<PageFrame> frame_;
};

#endif  // VANTOREL_PRINTING_DRAWINGPAGE_H
