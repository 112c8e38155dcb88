// The pages of a stake table: as many rows as fit under the header, which
// every page repeats, over the title block. The columns are as wide as their
// widest text on every page, and the font shrinks when they would not fit
// across.
#ifndef VANTOREL_PRINTING_STAKETABLEPAGES_H
#define VANTOREL_PRINTING_STAKETABLEPAGES_H

#include "pageframe.h"
#include "printdocument.h"
#include "staketable.h"

#include <QFont>
#include <QVector>

#include <optional>

class StakeTablePages : public PrintDocument
{
public:
    static constexpr double kPoints = 8.5;  // the font's size when the columns fit

    // `run` says in the title block which run the points come from.
    StakeTablePages(StakeTable table, const QString& run);

    const StakeTable& table() const { return table_; }
    QString title() const override;
    QPageLayout::Orientation orientation() const override { return QPageLayout::Portrait; }
    int layOut(const QPagedPaintDevice& device) override;
    void paint(QPainter& painter, int page) const override;

    int pages() const;
    int rowsPerPage() const { return rowsPerPage_; }
    double fontPoints() const { return font_.pointSizeF(); }

private:
    void paintRow(QPainter& painter, double top, const QStringList& texts) const;

    StakeTable table_;
    QString run_;
    std::optional<PageFrame> frame_;
    QFont font_;
    QFont headerFont_;
    double rowHeight_ = 0.0;
    double padding_ = 0.0;
    int rowsPerPage_ = 1;
    QVector<double> left_;  // of each column's box
    QVector<double> width_;
};

#endif  // VANTOREL_PRINTING_STAKETABLEPAGES_H
