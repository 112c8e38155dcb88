// The points of a stake-out run as a printed list: name, station, offset, N,
// E, H, and the point number where the export's format numbers its points.
// Every text is the one the stake files hold, to the millimetre.
#ifndef VANTOREL_PRINTING_STAKETABLE_H
#define VANTOREL_PRINTING_STAKETABLE_H

#include "stakeexportrun.h"

#include <QList>
#include <QString>

#include <vector>

class StakeTable
{
public:
    enum Column { Number, Name, Station, Offset, North, East, Height };

    // Runs the stake-out of `settings` over the road; `status` says whether
    // the run went to its end (the points before a failure are kept).
    StakeTable(const RoadSet& road, const StakeExportRun& settings, StakeOutStatus& status);

    int rows() const { return static_cast<int>(points_.size()); }
    const QList<Column>& columns() const { return columns_; }
    static QString header(Column column);
    static bool alignedRight(Column column) { return column != Name; }
    QString text(int row, Column column) const;
    // Whether the row is the first point of its stake.
    bool startsStake(int row) const
    {
        return row == 0 || points_[row].station != points_[row - 1].station;
    }
    // A text at least as wide as any in the column, for widths measured once.
    QString widest(Column column) const;

private:
    static QString pointText(const StakePoint& p, Column column);

    std::vector<StakePoint> points_;
    // Field by field the smallest and the largest of the points.
    StakePoint lowest_;
    StakePoint highest_;
    QList<Column> columns_;
    long long firstNumber_;
};

#endif  // VANTOREL_PRINTING_STAKETABLE_H
