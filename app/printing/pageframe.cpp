#include "pageframe.h"

#include "globals.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {

constexpr double kCaptionPoints = 6.0;
constexpr double kValuePoints = 8.5;
constexpr double kPaddingMm = 1.2;   // inside each box of the title block
constexpr double kFrameMm = 0.35;    // the title block's outline
constexpr double kDividerMm = 0.18;  // between its boxes
const QColor kCaptionColour(90, 90, 90);

// The context of this file's texts, as lupdate sees it too.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PageFrame)
};

}  // namespace

PageFrame::PageFrame(const QPagedPaintDevice& device)
    : PageFrame(
          QRectF(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiY()).size()),
          device.logicalDpiY())
{}

PageFrame::PageFrame(const QRectF& paper, double dpi) : dpi_(dpi)
{
    // Tall enough for a caption line and a value line with their padding.
    const double height = 2 * mm(kPaddingMm) + (kCaptionPoints + kValuePoints) / 72.0 * dpi * 1.25;
    titleBlock_ = QRectF(paper.left(), paper.bottom() - height, paper.width(), height);
    content_ = QRectF(paper.topLeft(), QPointF(paper.right(), titleBlock_.top() - mm(kGapMm)));
}

void PageFrame::setUpPages(QPagedPaintDevice& device, QPageLayout::Orientation orientation)
{
    const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    device.setPageLayout(QPageLayout(
        QPageSize(inches ? QPageSize::Letter : QPageSize::A4), orientation,
        QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
}

QFont PageFrame::font(double points, bool bold)
{
    QFont f;
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QVector<double> PageFrame::boxWidths(const QVector<double>& natural) const
{
    const double room = titleBlock_.width();
    QVector<double> widths = natural;
    const auto sum = [&widths] { return std::accumulate(widths.begin(), widths.end(), 0.0); };
    if (sum() > room) {
        // The widest gives up what is missing, keeping a quarter of the room.
        double& widest = *std::max_element(widths.begin(), widths.end());
        widest = std::max(widest - (sum() - room), std::min(widest, room / 4));
    }
    // What is left, or still missing, is shared by all alike.
    const double scale = room / sum();
    for (double& w : widths)
        w *= scale;
    return widths;
}

void PageFrame::drawTitleBlock(QPainter& painter, const TitleField& what, const TitleField& detail,
                               int page, int pages) const
{
    const TitleField fields[] = {what,
                                 {Text::tr("Road"), roadFileName()},
                                 detail,
                                 {Text::tr("Date"), QDate::currentDate().toString(Qt::ISODate)},
                                 {Text::tr("Page"), Text::tr("%1 of %2").arg(page).arg(pages)}};
    painter.save();
    const QFont captionFont = font(kCaptionPoints);
    const QFont valueFont = font(kValuePoints);
    const QFontMetricsF captionMetrics(captionFont, painter.device());
    const QFontMetricsF valueMetrics(valueFont, painter.device());
    const double padding = mm(kPaddingMm);

    QVector<double> natural;
    for (const TitleField& field : fields)
        natural << std::max(captionMetrics.horizontalAdvance(field.caption),
                            valueMetrics.horizontalAdvance(field.value)) +
                       2 * padding;
    const QVector<double> widths = boxWidths(natural);

    double left = titleBlock_.left();
    for (int i = 0; i < natural.size(); ++i) {
        const QRectF box(left, titleBlock_.top(), widths[i], titleBlock_.height());
        const QRectF inner = box.adjusted(padding, padding, -padding, -padding);
        if (i > 0) {
            painter.setPen(QPen(Qt::black, mm(kDividerMm)));
            painter.drawLine(box.topLeft(), box.bottomLeft());
        }
        painter.setFont(captionFont);
        painter.setPen(kCaptionColour);
        painter.drawText(
            QPointF(inner.left(), inner.top() + captionMetrics.ascent()),
            captionMetrics.elidedText(fields[i].caption, Qt::ElideRight, inner.width()));
        painter.setFont(valueFont);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(inner.left(), inner.bottom() - valueMetrics.descent()),
                         valueMetrics.elidedText(fields[i].value, Qt::ElideMiddle, inner.width()));
        left += widths[i];
    }
    painter.setPen(QPen(Qt::black, mm(kFrameMm)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(titleBlock_);
    painter.restore();
}

QString roadFileName()
{
    const QString path = QString::fromLocal8Bit(theRoad.FilePath());
    return path.isEmpty() ? Text::tr("(not saved)") : QFileInfo(path).fileName();
}
