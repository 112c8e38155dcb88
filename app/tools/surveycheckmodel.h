// The as-built check as a table: one row per surveyed point, the columns
// of the CSV report, rows beyond the tolerance marked. Sorting goes through
// SurveyCheckSortModel, which compares the values themselves rather than
// their texts, so that a million rows sort in a fraction of a second.
#ifndef VANTOREL_TOOLS_SURVEYCHECKMODEL_H
#define VANTOREL_TOOLS_SURVEYCHECKMODEL_H

#include "asbuilt.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <vector>

class SurveyCheckModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Name,
        Station,
        Offset,
        Measured,
        Design,
        Difference,
        CutFill,
        BeyondEnd,
        Columns
    };

    static constexpr double kDefaultTolerance = 0.02;  // metres

    explicit SurveyCheckModel(QObject* parent = nullptr);

    void setResults(std::vector<SurveyedPoint> points, std::vector<PointCheck> checks);
    const std::vector<SurveyedPoint>& points() const { return points_; }
    const std::vector<PointCheck>& checks() const { return checks_; }

    // Differences larger than this, either way, are marked.
    void setTolerance(double metres);
    double tolerance() const { return tolerance_; }
    bool beyondTolerance(std::size_t row) const;
    std::size_t beyondToleranceCount() const;
    std::size_t beyondEndsCount() const;

    // Whether row `a` comes before row `b` by the column's values: numbers
    // by value, blanks last; names with their digits read as numbers
    // ("P9" before "P10"); on equal values the file's order.
    bool lessThan(int column, int a, int b) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    double value(int column, std::size_t row) const;

    std::vector<SurveyedPoint> points_;
    std::vector<PointCheck> checks_;
    double tolerance_ = kDefaultTolerance;
};

class SurveyCheckSortModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit SurveyCheckSortModel(SurveyCheckModel* source, QObject* parent = nullptr);

    // The source rows in the order shown.
    std::vector<std::size_t> shownOrder() const;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    SurveyCheckModel* source_;
};

#endif  // VANTOREL_TOOLS_SURVEYCHECKMODEL_H
