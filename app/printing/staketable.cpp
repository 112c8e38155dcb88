#include "staketable.h"

#include "stationtext.h"
#include "views/numbertext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// Points made room for in advance at most; a longer run grows as it goes.
constexpr long long kMostReservedPoints = 1000000;

QString longer(const QString& a, const QString& b)
{
    return a.size() >= b.size() ? a : b;
}

}  // namespace

StakeTable::StakeTable(const RoadSet& road, const StakeExportRun& settings, StakeOutStatus& status)
    : firstNumber_(settings.firstNumber)
{
    const long long expected = stakeLimit(road, settings.run.interval) *
                               static_cast<long long>(settings.run.offsets.size());
    points_.reserve(static_cast<std::size_t>(std::clamp(expected, 0LL, kMostReservedPoints)));
    status = stakeOut(road, settings.run, [this](const StakePoint& p) {
        if (points_.empty())
            lowest_ = highest_ = p;
        for (double StakePoint::*field : {&StakePoint::station, &StakePoint::offset, &StakePoint::x,
                                          &StakePoint::y, &StakePoint::height}) {
            lowest_.*field = std::min(lowest_.*field, p.*field);
            highest_.*field = std::max(highest_.*field, p.*field);
        }
        points_.push_back(p);
    });
    if (settings.numbered())
        columns_ << Number;
    columns_ << Name << Station << Offset << North << East << Height;
}

QString StakeTable::header(Column column)
{
    switch (column) {
    case Number:
        return QCoreApplication::translate("StakeTable", "No.");
    case Name:
        return QCoreApplication::translate("StakeTable", "Name");
    case Station:
        return QCoreApplication::translate("StakeTable", "Station");
    case Offset:
        return QCoreApplication::translate("StakeTable", "Offset");
    case North:
        return QCoreApplication::translate("StakeTable", "N");
    case East:
        return QCoreApplication::translate("StakeTable", "E");
    case Height:
        return QCoreApplication::translate("StakeTable", "H");
    }
    return QString();
}

QString StakeTable::text(int row, Column column) const
{
    if (column == Number)
        return QString::number(firstNumber_ + row);
    return pointText(points_[static_cast<std::size_t>(row)], column);
}

QString StakeTable::pointText(const StakePoint& p, Column column)
{
    switch (column) {
    case Name:
        return QString::fromStdString(stakePointName(p));
    case Station:
        return QString::fromStdString(stationText(p.station));
    case Offset:
        return numbertext::fixed(p.offset);
    case North:
        return QString::fromStdString(surveyedText(p.x));
    case East:
        return QString::fromStdString(surveyedText(p.y));
    case Height:
        return QString::fromStdString(surveyedText(p.height));
    case Number:
        break;
    }
    return QString();
}

QString StakeTable::widest(Column column) const
{
    if (points_.empty())
        return header(column);
    if (column == Number)
        return longer(header(column), text(rows() - 1, column));
    // Digits are equally wide, so the longest text is that of the smallest
    // or the largest value; a name is longest with the widest offset.
    StakePoint lo = lowest_;
    StakePoint hi = highest_;
    if (column == Name)
        lo.offset = hi.offset = std::fabs(lowest_.offset) > std::fabs(highest_.offset)
                                    ? lowest_.offset
                                    : highest_.offset;
    return longer(header(column), longer(pointText(lo, column), pointText(hi, column)));
}
