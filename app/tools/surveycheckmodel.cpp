#include "surveycheckmodel.h"

#include "views/numbertext.h"

#include <QColor>
#include <QFont>

#include <cmath>
#include <cstring>

namespace {

const QColor kBeyondToleranceBackground(255, 205, 205);
const QColor kBeyondToleranceText(150, 0, 0);
const QColor kBeyondEndsText(128, 128, 128);

// Names compared as people read them: runs of digits by their value.
int compareNames(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            while (i < a.size() && a[i] == '0')
                ++i;
            while (j < b.size() && b[j] == '0')
                ++j;
            std::size_t endA = i;
            std::size_t endB = j;
            while (endA < a.size() && isDigit(a[endA]))
                ++endA;
            while (endB < b.size() && isDigit(b[endB]))
                ++endB;
            if (endA - i != endB - j)
                return endA - i < endB - j ? -1 : 1;
            if (const int c = a.compare(i, endA - i, b, j, endB - j))
                return c;
            i = endA;
            j = endB;
        } else {
            if (a[i] != b[j])
                return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
            ++i;
            ++j;
        }
    }
    return (i < a.size()) - (j < b.size());
}

}  // namespace

SurveyCheckModel::SurveyCheckModel(QObject* parent) : QAbstractTableModel(parent) {}

void SurveyCheckModel::setResults(std::vector<SurveyedPoint> points, std::vector<PointCheck> checks)
{
    beginResetModel();
    points_ = std::move(points);
    checks_ = std::move(checks);
    checks_.resize(points_.size());
    endResetModel();
}

void SurveyCheckModel::setTolerance(double metres)
{
    tolerance_ = metres;
    if (!points_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, Columns - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole, Qt::FontRole});
}

bool SurveyCheckModel::beyondTolerance(std::size_t row) const
{
    return std::fabs(checks_[row].difference) > tolerance_;  // false for no design
}

std::size_t SurveyCheckModel::beyondToleranceCount() const
{
    std::size_t count = 0;
    for (std::size_t row = 0; row < checks_.size(); ++row)
        count += beyondTolerance(row);
    return count;
}

std::size_t SurveyCheckModel::beyondEndsCount() const
{
    std::size_t count = 0;
    for (const PointCheck& c : checks_)
        count += c.place != PointCheck::OnRoad;
    return count;
}

int SurveyCheckModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(points_.size());
}

int SurveyCheckModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

double SurveyCheckModel::value(int column, std::size_t row) const
{
    const PointCheck& c = checks_[row];
    switch (column) {
    case Station:
        return c.station;
    case Offset:
        return c.offset;
    case Measured:
        return points_[row].height;
    case Design:
        return c.design;
    case Difference:
    case CutFill:
        return c.difference;
    case BeyondEnd:
        return c.place == PointCheck::OnRoad ? NAN : static_cast<double>(c.place);
    default:
        return NAN;
    }
}

QVariant SurveyCheckModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const auto row = static_cast<std::size_t>(index.row());
    const int column = index.column();
    const PointCheck& c = checks_[row];
    switch (role) {
    case Qt::DisplayRole: {
        const double v = value(column, row);
        switch (column) {
        case Name:
            return QString::fromStdString(points_[row].name);
        case Station:
            return numbertext::station(v);
        case CutFill:
            if (c.cutOrFill() == PointCheck::Neither)
                return QString();
            return c.cutOrFill() == PointCheck::Cut ? tr("cut") : tr("fill");
        case BeyondEnd:
            if (c.place == PointCheck::BeforeStart)
                return tr("start");
            return c.place == PointCheck::AfterEnd ? tr("end") : QString();
        default:
            return std::isfinite(v) ? numbertext::fixed(v) : QString();
        }
    }
    case Qt::TextAlignmentRole:
        return column == Name || column >= CutFill ? QVariant()
                                                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return beyondTolerance(row) ? QVariant(kBeyondToleranceBackground) : QVariant();
    case Qt::ForegroundRole:
        if (beyondTolerance(row))
            return kBeyondToleranceText;
        return c.place != PointCheck::OnRoad ? QVariant(kBeyondEndsText) : QVariant();
    case Qt::FontRole:
        if (beyondTolerance(row) && (column == Difference || column == CutFill)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant SurveyCheckModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Name:
        return tr("Name");
    case Station:
        return tr("Station");
    case Offset:
        return tr("Offset");
    case Measured:
        return tr("Measured");
    case Design:
        return tr("Design");
    case Difference:
        return tr("Difference");
    case CutFill:
        return tr("Cut/Fill");
    case BeyondEnd:
        return tr("Beyond End");
    default:
        return QVariant();
    }
}

bool SurveyCheckModel::lessThan(int column, int a, int b) const
{
    const auto rowA = static_cast<std::size_t>(a);
    const auto rowB = static_cast<std::size_t>(b);
    if (column == Name) {
        const int c = compareNames(points_[rowA].name, points_[rowB].name);
        return c != 0 ? c < 0 : a < b;
    }
    const double va = value(column, rowA);
    const double vb = value(column, rowB);
    const bool hasA = !std::isnan(va);
    const bool hasB = !std::isnan(vb);
    if (hasA != hasB)
        return hasA;
    if (hasA && va != vb)
        return va < vb;
    return a < b;
}

SurveyCheckSortModel::SurveyCheckSortModel(SurveyCheckModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source)
{
    setSourceModel(source);
    // A new tolerance changes no value: the order stays.
    setDynamicSortFilter(false);
}

std::vector<std::size_t> SurveyCheckSortModel::shownOrder() const
{
    std::vector<std::size_t> order;
    order.reserve(static_cast<std::size_t>(rowCount()));
    for (int row = 0; row < rowCount(); ++row)
        order.push_back(static_cast<std::size_t>(mapToSource(index(row, 0)).row()));
    return order;
}

bool SurveyCheckSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    return source_->lessThan(left.column(), left.row(), right.row());
}
