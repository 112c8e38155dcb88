#include "myitemmodel.h"

#include "globals.h"
#include "myitem.h"
#include "tablecells.h"
#include "vantorellog.h"

#include <QBrush>

#include <cmath>
#include <initializer_list>

const QColor MyItemModel::kLockedCellColour = tablecells::grey();

namespace {

constexpr double kZeroCurvature = 1e-12;

// Which cells of a row its element type opens and which it locks; cells
// named in neither keep their state.
struct CellStates
{
    std::initializer_list<int> enabled;
    std::initializer_list<int> locked;
};

const CellStates kLineCells{{MyItemModel::ElementColumn},
                            {MyItemModel::StartRadiusColumn, MyItemModel::EndRadiusColumn,
                             MyItemModel::OffsetColumn, MyItemModel::StakeColumn}};
const CellStates kArcByLengthCells{
    {MyItemModel::ElementColumn, MyItemModel::StartRadiusColumn, MyItemModel::LengthColumn},
    {MyItemModel::EndRadiusColumn, MyItemModel::OffsetColumn, MyItemModel::StakeColumn}};
const CellStates kArcByAngleCells{
    {MyItemModel::ElementColumn, MyItemModel::StartRadiusColumn, MyItemModel::OffsetColumn},
    {MyItemModel::EndRadiusColumn, MyItemModel::LengthColumn, MyItemModel::StakeColumn}};
const CellStates kSpiralCells{{MyItemModel::ElementColumn, MyItemModel::StartRadiusColumn,
                               MyItemModel::EndRadiusColumn, MyItemModel::LengthColumn},
                              {MyItemModel::OffsetColumn, MyItemModel::StakeColumn}};

}  // namespace

MyItemModel::MyItemModel(QObject* parent) : QStandardItemModel(0, ColumnCount, parent)
{
    const char* const headers[ColumnCount] = {
        QT_TR_NOOP("Element"), QT_TR_NOOP("North"),  QT_TR_NOOP("East"),
        QT_TR_NOOP("St. Azi"), QT_TR_NOOP("St. R"),  QT_TR_NOOP("Ed. R"),
        QT_TR_NOOP("Length"),  QT_TR_NOOP("Offset"), QT_TR_NOOP("StakeNo")};
    for (int column = 0; column < ColumnCount; ++column)
        setHeaderData(column, Qt::Horizontal, tr(headers[column]), Qt::EditRole);
    connect(this, &QStandardItemModel::itemChanged, this, &MyItemModel::on_item_changed);
    LoadRoadData();
}

QString MyItemModel::typeName(int type)
{
    switch (type) {
    case PointType:
        return tr("Point");
    case LineType:
        return tr("Line");
    case ArcType:
        return tr("Arc");
    case SpiralType:
        return tr("Spiral");
    default:
        return QString();
    }
}

QList<QStandardItem*> MyItemModel::newElementRow(const QString& typeText)
{
    QList<QStandardItem*> cells;
    for (int column = 0; column < ColumnCount; ++column)
        cells << new MyItem;
    cells[ElementColumn]->setText(typeText);
    for (int column : {NorthColumn, StartAzimuthColumn}) {
        cells[column]->setCheckable(true);
        cells[column]->setCheckState(Qt::Unchecked);
    }
    return cells;
}

MyItem* MyItemModel::cell(int row, int column) const
{
    return static_cast<MyItem*>(item(row, column));
}

double MyItemModel::value(int row, int column) const
{
    return data(index(row, column), Qt::UserRole).toDouble();
}

QString MyItemModel::cellText(int row, int column) const
{
    return data(index(row, column), Qt::DisplayRole).toString();
}

bool MyItemModel::isChecked(int row, int column) const
{
    return data(index(row, column), Qt::CheckStateRole).toInt() == Qt::Checked;
}

void MyItemModel::LoadRoadData()
{
    qCDebug(lcVantorel) << "LoadRoadData::rowCount = " << rowCount();
    removeRows(0, rowCount());
    for (int i = 0; i < theRoad.NumberOfHorizon(); ++i) {
        const RoadEntity& e = *theRoad.GetHorizon(i);
        if (e.type == PointType) {
            qCDebug(lcVantorel) << "Point";
            continue;
        }
        const QList<QStandardItem*> cells = newElementRow(typeName(e.type));
        auto setCell = [&cells](int column, double v, int decimals) {
            static_cast<MyItem*>(cells[column])->setValue(v, decimals);
        };
        setCell(LengthColumn, e.length, kNumberDecimals);
        const double turn = e.pz == 1 ? 1.0 : -1.0;
        if (e.type == ArcType) {
            setCell(OffsetColumn, rad2dms(e.length / e.radius), kAzimuthDecimals);
            setCell(StartRadiusColumn, turn * e.radius, kNumberDecimals);
            setCell(EndRadiusColumn, turn * e.radius, kNumberDecimals);
        } else if (e.type == SpiralType) {
            // A straight end of a spiral has an infinite radius: its cell stays empty.
            if (std::fabs(e.rou1) > kZeroCurvature)
                setCell(StartRadiusColumn, turn / e.rou1, kNumberDecimals);
            if (std::fabs(e.rou2) > kZeroCurvature)
                setCell(EndRadiusColumn, turn / e.rou2, kNumberDecimals);
        }
        setCell(NorthColumn, e.x1, kNumberDecimals);
        setCell(EastColumn, e.y1, kNumberDecimals);
        setCell(StakeColumn, e.l1, kNumberDecimals);
        setCell(StartAzimuthColumn, rad2dms(e.angle1), kAzimuthDecimals);
        qCDebug(lcVantorel) << "iChkd = " << e.mode;
        cells[NorthColumn]->setCheckState((e.mode & 2) ? Qt::Checked : Qt::Unchecked);
        cells[StartAzimuthColumn]->setCheckState((e.mode & 1) ? Qt::Checked : Qt::Unchecked);
        qCDebug(lcVantorel) << "before append row";
        appendRow(cells);
        qCDebug(lcVantorel) << "after append row";
    }
    appendEndRow();
}

void MyItemModel::appendEndRow()
{
    const int count = theRoad.NumberOfHorizon();
    const RoadEntity last = count > 0 ? *theRoad.GetHorizon(count - 1) : RoadEntity();
    QList<QStandardItem*> cells;
    for (int column = 0; column < ColumnCount; ++column) {
        auto* cell = new MyItem;
        setLocked(cell, true);
        cells << cell;
    }
    cells[ElementColumn]->setText(tr("End"));
    static_cast<MyItem*>(cells[NorthColumn])->setValue(last.x2, kNumberDecimals);
    static_cast<MyItem*>(cells[EastColumn])->setValue(last.y2, kNumberDecimals);
    static_cast<MyItem*>(cells[StartAzimuthColumn])
        ->setValue(rad2dms(last.angle2), kAzimuthDecimals);
    static_cast<MyItem*>(cells[StakeColumn])->setValue(last.l1 + last.length, kNumberDecimals);
    appendRow(cells);
}

void MyItemModel::setLocked(QStandardItem* item, bool locked)
{
    item->setEnabled(!locked);
    item->setBackground(locked ? QBrush(kLockedCellColour) : QBrush(Qt::white));
}

void MyItemModel::lockCellsForType(int row, const QString& typeText)
{
    const CellStates* states = nullptr;
    if (typeText == typeName(LineType))
        states = &kLineCells;
    else if (typeText == typeName(ArcType))
        states = arcMode_ == ArcByAngle ? &kArcByAngleCells : &kArcByLengthCells;
    else if (typeText == typeName(SpiralType))
        states = &kSpiralCells;
    if (!states)
        return;
    for (int column : states->enabled)
        setLocked(item(row, column), false);
    for (int column : states->locked)
        setLocked(item(row, column), true);
}

void MyItemModel::on_item_changed(QStandardItem* changed)
{
    const int row = changed->row();
    const int column = changed->column();
    if (row < 0 || rowCount() <= row)
        return;
    const QString typeText = cellText(row, ElementColumn);
    if (column == StartRadiusColumn && typeText == typeName(ArcType)) {
        // An arc has one radius.
        QStandardItem* endRadius = item(row, EndRadiusColumn);
        endRadius->setData(changed->data(Qt::UserRole), Qt::UserRole);
        endRadius->setText(changed->text());
    }
    if (column == ElementColumn)
        lockCellsForType(row, typeText);
    // Only the first element's station can be typed; the others follow from
    // the chain.
    if (row == 0 && !isEndRow(row))
        setLocked(item(row, StakeColumn), false);
    const QString text = changed->text();
    if (column != ElementColumn && !text.isEmpty()) {
        bool isNumber = false;
        text.toDouble(&isNumber);
        changed->setForeground(isNumber ? Qt::black : Qt::red);
    }
}

void MyItemModel::on_arc_mode_changed(int mode)
{
    arcMode_ = mode;
    for (int row = 0; row < rowCount(); ++row) {
        if (cellText(row, ElementColumn) == typeName(ArcType))
            emit itemChanged(item(row, ElementColumn));
    }
}
