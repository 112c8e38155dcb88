#include "drawingpage.h"

#include "pageframe.h"
#include "paperinks.h"
#include "views/mygraphicsview.h"
#include "views/sectionview.h"
#include "views/verticalview.h"

#include <QCoreApplication>
#include <QPainter>

#include <cmath>

namespace {

constexpr double kOutlineMm = 0.25;  // around the drawing
constexpr double kMmPerInch = 25.4;

// The context of this file's texts, as lupdate sees it too.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(DrawingPage)
};

// 1:n with n to three significant figures.
QString ratio(double paperMmPerMetre)
{
    const double n = 1000.0 / paperMmPerMetre;
    if (!std::isfinite(n) || n <= 0.0)
        return QStringLiteral("-");
    const double unit = std::pow(10.0, std::max(0.0, std::floor(std::log10(n)) - 2.0));
    return QStringLiteral("1:%1").arg(std::round(n / unit) * unit, 0, 'f', 0);
}

}  // namespace

QString drawingTitle(const SurveyView& view)
{
    if (qobject_cast<const VerticalView*>(&view))
        return Text::tr("Profile");
    if (qobject_cast<const SectionView*>(&view))
        return Text::tr("Cross-section");
    return Text::tr("Plan");
}

QString drawingScale(const QTransform& itemTransform, double pageUnitsPerPixel, double dpi)
{
    // Items map local x (north, height) up through m12 and local y (east,
    // station, offset) across through m21.
    const double mmPerPixel = pageUnitsPerPixel * kMmPerInch / dpi;
    const double across = std::fabs(itemTransform.m21()) * mmPerPixel;
    const double up = std::fabs(itemTransform.m12()) * mmPerPixel;
    const QString horizontal = ratio(across);
    const QString vertical = ratio(up);
    if (horizontal == vertical)
        return horizontal;
    return Text::tr("H %1  V %2").arg(horizontal, vertical);
}

QString DrawingPage::title() const
{
    return drawingTitle(view_);
}

QPageLayout::Orientation DrawingPage::orientation() const
{
    const QSize size = view_.viewport()->size();
    return size.width() >= size.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int DrawingPage::layOut(const QPagedPaintDevice& device)
{
    frame_.emplace(device);
    return 1;
}

void DrawingPage::paint(QPainter& painter, int) const
{
    const PageFrame& frame = *frame_;
    const QRectF room = frame.content();
    const QSizeF pixels = view_.viewport()->size();
    const double scale = std::min(room.width() / pixels.width(), room.height() / pixels.height());
    QRectF drawing(QPointF(0, 0), pixels * scale);
    drawing.moveCenter(room.center());

    painter.save();
    painter.translate(drawing.topLeft());
    painter.scale(scale, scale);
    {
        PaperInkDevice paper(&painter, pixels, view_.logicalDpiY());
        QPainter onPaper(&paper);
        view_.render(&onPaper, QRectF(QPointF(0, 0), pixels));
    }
    painter.restore();

    painter.save();
    painter.setPen(QPen(Qt::black, frame.mm(kOutlineMm)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(drawing);
    painter.restore();

    frame.drawTitleBlock(
        painter, {Text::tr("Drawing"), drawingTitle(view_)},
        {Text::tr("Scale"), drawingScale(view_.itemTransform(), scale, frame.dpi())}, 1, 1);
}
