// The element tab of the horizontal alignment dialog: rows inserted and
// deleted, Apply, the arc mode, and the arc from three points.
#include "horizondialog.h"

#include "arccalcdlg.h"
#include "globals.h"
#include "messages.h"
#include "myitem.h"
#include "myitemmodel.h"
#include "roaddocument.h"
#include "roadsnapshot.h"
#include "ui_horizondialog.h"
#include "vantorellog.h"

#include <cmath>

namespace {

// Radii closer to 0 than this are infinite.
constexpr double kZeroRadius = 1e-12;
// The three-point arc is entered with a finer resolution than typed rows.
constexpr int kArcDecimals = 4;
constexpr int kArcAzimuthDecimals = 7;

QString applyErrorText(int code)
{
    switch (code) {
    case 1:
        return HorizonDialog::tr("No valid element in Road!");
    case 3:
        return HorizonDialog::tr("Radius of arc should not be ZERO!");
    case 4:
        return HorizonDialog::tr("spiral radius without change!");
    case 5:
        return HorizonDialog::tr("spiral anti direction!");
    default:
        return HorizonDialog::tr("Invalide defination of road!");
    }
}

}  // namespace

void HorizonDialog::on_pushButton_4_clicked()
{
    onInsert();
}

// The type that usually follows the element in `row` in the design sequence
// line, spiral, arc, spiral, line.
QString HorizonDialog::suggestedType(int row) const
{
    if (row < 0)
        return MyItemModel::typeName(MyItemModel::LineType);
    const double startRadius = model_->value(row, MyItemModel::StartRadiusColumn);
    const double endRadius = model_->value(row, MyItemModel::EndRadiusColumn);
    const bool isLine = model_->cellText(row, MyItemModel::ElementColumn) ==
                        MyItemModel::typeName(MyItemModel::LineType);
    if (std::fabs(endRadius) > kZeroRadius || isLine) {
        return MyItemModel::typeName(std::fabs(startRadius - endRadius) <= kZeroRadius
                                         ? MyItemModel::SpiralType
                                         : MyItemModel::ArcType);
    }
    // A spiral that ends in a straight.
    return MyItemModel::typeName(MyItemModel::LineType);
}

void HorizonDialog::onInsert()
{
    int current = ui->tableView->currentIndex().row();
    if (current < 0 || model_->isEndRow(current))
        current = model_->rowCount() - 2;
    const int row = current + 1;
    model_->insertRow(row, MyItemModel::newElementRow(suggestedType(row - 1)));
    ui->tableView->setCurrentIndex(
        model_->index(row, row == 0 ? MyItemModel::NorthColumn : MyItemModel::ElementColumn));
}

void HorizonDialog::on_pushButton_5_clicked()
{
    const int row = ui->tableView->currentIndex().row();
    if (row < 0 || model_->isEndRow(row))
        return;
    model_->removeRow(row);
    const QModelIndex next = model_->index(row, MyItemModel::ElementColumn);
    ui->tableView->setCurrentIndex(
        next.isValid() ? next : model_->index(row - 1, MyItemModel::ElementColumn));
}

void HorizonDialog::on_pushButton_6_clicked()
{
    onApplyHorizon();
}

void HorizonDialog::on_pushButton_clicked()
{
    close();
}

void HorizonDialog::on_radioButton_clicked()
{
    emit ArcModeChanged(MyItemModel::ArcByLength);
}

void HorizonDialog::on_radioButton_2_clicked()
{
    emit ArcModeChanged(MyItemModel::ArcByAngle);
}

// Builds the element of a table row; returns the code of RoadEntity::set.
int HorizonDialog::setElementFromRow(int row, RoadEntity& element) const
{
    const QString typeText = model_->cellText(row, MyItemModel::ElementColumn);
    int type = MyItemModel::PointType;
    for (int candidate : {MyItemModel::LineType, MyItemModel::ArcType, MyItemModel::SpiralType}) {
        if (typeText == MyItemModel::typeName(candidate))
            type = candidate;
    }
    const int ownPoint = model_->isChecked(row, MyItemModel::NorthColumn) ? 2 : 0;
    const int ownAzimuth = model_->isChecked(row, MyItemModel::StartAzimuthColumn) ? 1 : 0;
    const int mode = ownPoint | ownAzimuth;
    qCDebug(lcVantorel) << "iManNE = " << ownPoint << " iManAZ = " << ownAzimuth
                        << " iManNE | iManAZ = " << mode;
    const double startRadius = model_->value(row, MyItemModel::StartRadiusColumn);
    double length = model_->value(row, MyItemModel::LengthColumn);
    if (type == MyItemModel::ArcType && model_->arcMode() == MyItemModel::ArcByAngle) {
        // The arc was dimensioned by its central angle.
        length = dms2rad(std::fabs(model_->value(row, MyItemModel::OffsetColumn))) *
                 std::fabs(startRadius);
    }
    return element.set(type, model_->value(row, MyItemModel::NorthColumn),
                       model_->value(row, MyItemModel::EastColumn),
                       dms2rad(model_->value(row, MyItemModel::StartAzimuthColumn)), startRadius,
                       model_->value(row, MyItemModel::EndRadiusColumn), length, mode);
}

void HorizonDialog::onApplyHorizon()
{
    const RoadSnapshot before;
    theRoad.ClearHorizon();
    const int rows = model_->rowCount();
    if (rows <= 1) {
        // An empty table empties the road's alignment; the plan shows it.
        document_->recordEdit(tr("Apply elements"), before, RoadDocument::Alignment);
        return;
    }
    theRoad.InsertHorizonPoint(model_->value(0, MyItemModel::NorthColumn),
                               model_->value(0, MyItemModel::EastColumn),
                               model_->value(0, MyItemModel::StakeColumn));
    int code = 0;
    bool refused = false;
    for (int row = 0; row < rows - 1; ++row) {
        RoadEntity element;
        const int result = setElementFromRow(row, element);
        if (result == -1)
            continue;  // too short to count
        if (result != 0) {
            code = result;
            refused = true;
            break;
        }
        element.l1 = model_->value(row, MyItemModel::StakeColumn);
        theRoad.InsertHorizon(element);
    }
    if (!refused)
        code = theRoad.ApplyHorizon();
    qCDebug(lcVantorel) << "\n"
                        << "nError = " << code;

    if (code != 0) {
        // The rows stay in the table for correction; the road keeps its
        // alignment.
        before.restore();
        messages::warning(nullptr, tr("warning"), applyErrorText(code));
        return;
    }
    model_->LoadRoadData();
    ui->crossTable->setRowCount(0);
    if (theRoad.ToCross_v2())
        loadCrossTable();
    document_->recordEdit(tr("Apply elements"), before, RoadDocument::Alignment);
}

void HorizonDialog::onLengthRefused(int code)
{
    messages::warning(this, tr("warning"), applyErrorText(code));
}

// ---- The three-point arc ----

void HorizonDialog::onArcFrom3P()
{
    arcDialog_->setModal(true);
    arcDialog_->show();
}

void HorizonDialog::onArcFrom3PDlgDone(ArcCalcDlg* dialog)
{
    const RoadEntity arc = dialog->arc();
    if (!(arc.radius > 0.0))
        return;
    const int current = ui->tableView->currentIndex().row();
    const int row = current < 0 ? model_->rowCount() - 1 : current;
    QList<QStandardItem*> cells =
        MyItemModel::newElementRow(MyItemModel::typeName(MyItemModel::ArcType));
    auto setCell = [&cells](int column, double v, int decimals) {
        static_cast<MyItem*>(cells[column])->setValue(v, decimals);
    };
    const double radius = arc.pz == 0 ? -arc.radius : arc.radius;
    setCell(MyItemModel::NorthColumn, arc.x1, kArcDecimals);
    setCell(MyItemModel::EastColumn, arc.y1, kArcDecimals);
    setCell(MyItemModel::StartAzimuthColumn, rad2dms(arc.angle1), kArcAzimuthDecimals);
    setCell(MyItemModel::StartRadiusColumn, radius, kArcDecimals);
    setCell(MyItemModel::EndRadiusColumn, radius, kArcDecimals);
    setCell(MyItemModel::LengthColumn, arc.length, kArcDecimals);
    // The central angle too, so that the row also applies in "Angle" mode.
    setCell(MyItemModel::OffsetColumn, rad2dms(arc.length / arc.radius), kArcAzimuthDecimals);
    // The arc keeps its own start point and azimuth when the table is applied.
    cells[MyItemModel::NorthColumn]->setCheckState(Qt::Checked);
    cells[MyItemModel::StartAzimuthColumn]->setCheckState(Qt::Checked);
    model_->insertRow(row, cells);
}
