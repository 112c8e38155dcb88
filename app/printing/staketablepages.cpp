#include "staketablepages.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRowSpacing = 1.3;  // row height in font line heights
constexpr double kPaddingMm = 1.5;   // each side of a cell's text
constexpr double kRuleMm = 0.25;     // under the header and the last row
const QColor kHeaderShade(224, 224, 224);
const QColor kRowShade(238, 238, 238);  // every other stake, for the eye to follow

// The context of this file's texts, as lupdate sees it too.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(StakeTablePages)
};

}  // namespace

StakeTablePages::StakeTablePages(StakeTable table, const QString& run)
    : table_(std::move(table)), run_(run)
{}

QString StakeTablePages::title() const
{
    return Text::tr("Stake points");
}

int StakeTablePages::layOut(const QPagedPaintDevice& device)
{
    frame_.emplace(device);
    padding_ = frame_->mm(kPaddingMm);
    const QRectF room = frame_->content();
    const QList<StakeTable::Column>& columns = table_.columns();
    const double padding = 2 * padding_ * columns.size();

    // The widths at the nominal size, then a font that lets them fit.
    const QFontMetricsF nominal(PageFrame::font(kPoints, true), &device);
    QVector<double> widths;
    double total = 0.0;
    for (const StakeTable::Column column : columns) {
        widths << nominal.horizontalAdvance(table_.widest(column));
        total += widths.last();
    }
    const double shrink = std::min(1.0, (room.width() - padding) / total);
    font_ = PageFrame::font(kPoints * shrink);
    headerFont_ = PageFrame::font(kPoints * shrink, true);
    rowHeight_ = QFontMetricsF(headerFont_, &device).height() * kRowSpacing;
    // The header takes a row of its own.
    rowsPerPage_ = std::max(1, static_cast<int>(std::floor(room.height() / rowHeight_)) - 1);

    // Room left across goes to the columns alike.
    const double extra = std::max(0.0, room.width() - padding - total * shrink) /
                         std::max<qsizetype>(1, columns.size());
    left_.clear();
    width_.clear();
    double left = room.left();
    for (const double w : widths) {
        width_ << w * shrink + 2 * padding_ + extra;
        left_ << left;
        left += width_.last();
    }
    return pages();
}

int StakeTablePages::pages() const
{
    return std::max(1, (table_.rows() + rowsPerPage_ - 1) / rowsPerPage_);
}

void StakeTablePages::paintRow(QPainter& painter, double top, const QStringList& texts) const
{
    const QList<StakeTable::Column>& columns = table_.columns();
    const QFontMetricsF metrics(painter.font());
    const double baseline = top + (rowHeight_ - metrics.height()) / 2 + metrics.ascent();
    for (int c = 0; c < columns.size(); ++c) {
        const double x = StakeTable::alignedRight(columns[c])
                             ? left_[c] + width_[c] - padding_ - metrics.horizontalAdvance(texts[c])
                             : left_[c] + padding_;
        painter.drawText(QPointF(x, baseline), texts[c]);
    }
}

void StakeTablePages::paint(QPainter& painter, int page) const
{
    painter.save();
    const QRectF room = frame_->content();
    const QList<StakeTable::Column>& columns = table_.columns();
    const QPen rule(Qt::black, frame_->mm(kRuleMm));

    double top = room.top();
    painter.fillRect(QRectF(room.left(), top, room.width(), rowHeight_), kHeaderShade);
    painter.setFont(headerFont_);
    painter.setPen(Qt::black);
    QStringList texts;
    for (const StakeTable::Column column : columns)
        texts << StakeTable::header(column);
    paintRow(painter, top, texts);
    top += rowHeight_;
    painter.setPen(rule);
    painter.drawLine(QPointF(room.left(), top), QPointF(room.right(), top));

    painter.setFont(font_);
    const int first = page * rowsPerPage_;
    const int last = std::min(table_.rows(), first + rowsPerPage_);
    bool shaded = true;
    for (int row = first; row < last; ++row) {
        if (table_.startsStake(row))
            shaded = !shaded;
        if (shaded)
            painter.fillRect(QRectF(room.left(), top, room.width(), rowHeight_), kRowShade);
        texts.clear();
        for (const StakeTable::Column column : columns)
            texts << table_.text(row, column);
        painter.setPen(Qt::black);
        paintRow(painter, top, texts);
        top += rowHeight_;
    }
    if (table_.rows() == 0) {
        painter.drawText(QRectF(room.left(), top, room.width(), rowHeight_), Qt::AlignCenter,
                         Text::tr("The run gives no stake points."));
        top += rowHeight_;
    }
    painter.setPen(rule);
    painter.drawLine(QPointF(room.left(), top), QPointF(room.right(), top));
    painter.restore();

    frame_->drawTitleBlock(painter, {Text::tr("Table"), title()}, {Text::tr("Run"), run_}, page + 1,
                           pages());
}
