#include "verticaldialog.h"

#include "globals.h"
#include "messages.h"
#include "roaddocument.h"
#include "roadsnapshot.h"
#include "tablecells.h"
#include "ui_verticaldialog.h"

const QColor VerticalDialog::kBlankCellColour = tablecells::grey();

VerticalDialog::VerticalDialog(RoadDocument* document, QWidget* parent)
    : QDialog(parent), ui(new Ui::VerticalDialog), document_(document)
{
    ui->setupUi(this);
    showRoad();
    connect(document_, &RoadDocument::roadReplaced, this, &VerticalDialog::showRoad);
}

void VerticalDialog::showRoad()
{
    const int count = theRoad.NumberOfVertical();
    ui->tableWidget->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        const VerticalEntity& v = *theRoad.GetVertical(row);
        const bool end = row == 0 || row == count - 1;
        ui->tableWidget->setItem(row, MileColumn, tablecells::numberItem(v.mile));
        ui->tableWidget->setItem(row, HeightColumn, tablecells::numberItem(v.height));
        ui->tableWidget->setItem(row, RadiusColumn,
                                 end ? new QTableWidgetItem() : tablecells::numberItem(v.radius));
        setRadiusCellBlank(row, end);
    }
}

VerticalDialog::~VerticalDialog()
{
    delete ui;
}

void VerticalDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void VerticalDialog::setRadiusCellBlank(int row, bool blank)
{
    QTableWidgetItem* cell = ui->tableWidget->item(row, RadiusColumn);
    if (!cell) {
        cell = new QTableWidgetItem();
        ui->tableWidget->setItem(row, RadiusColumn, cell);
    }
    tablecells::setBlankLook(cell, blank);
}

double VerticalDialog::cellValue(int row, int column) const
{
    const QTableWidgetItem* cell = ui->tableWidget->item(row, column);
    return cell ? cell->text().toDouble() : 0.0;
}

// Insert: a new row after the current one; the first and last rows keep
// blank radius cells.
void VerticalDialog::on_pushButton_clicked()
{
    QTableWidget* table = ui->tableWidget;
    const int rowsBefore = table->rowCount();
    const int row = table->currentRow() + 1;
    table->insertRow(row);
    for (int column = MileColumn; column <= RadiusColumn; ++column)
        table->setItem(row, column, new QTableWidgetItem());
    const bool first = row == 0;
    const bool last = row == rowsBefore;
    setRadiusCellBlank(row, first || last);
    if (first && rowsBefore > 1)
        setRadiusCellBlank(1, false);
    if (last && row >= 2)
        setRadiusCellBlank(row - 1, false);
    table->setCurrentCell(row, MileColumn);
}

// Delete: the current row; a row that becomes first or last loses its radius.
void VerticalDialog::on_pushButton_2_clicked()
{
    QTableWidget* table = ui->tableWidget;
    const int row = table->currentRow();
    if (row < 0)
        return;
    const int rowsBefore = table->rowCount();
    if (row == 0 && rowsBefore > 2)
        setRadiusCellBlank(1, true);
    if (row == rowsBefore - 1 && row >= 2)
        setRadiusCellBlank(row - 1, true);
    const int column = table->currentColumn();
    table->removeRow(row);
    table->setCurrentCell(row == 0 ? 0 : row - 1, column);
}

// Apply: the table becomes the road's profile. A profile the library refuses
// leaves the road's grade points as they were.
void VerticalDialog::on_pushButton_3_clicked()
{
    const RoadSnapshot before;
    theRoad.ClearVertical();
    const int rows = ui->tableWidget->rowCount();
    for (int row = 0; row < rows; ++row) {
        VerticalEntity v;
        v.mile = cellValue(row, MileColumn);
        v.height = cellValue(row, HeightColumn);
        if (row > 0 && row < rows - 1)
            v.radius = cellValue(row, RadiusColumn);
        theRoad.InsertVertical(v);
    }
    switch (theRoad.ApplyVertical()) {
    case 0:
        document_->recordEdit(tr("Apply profile"), before, RoadDocument::Profile);
        break;
    case 7:
        before.restore();
        messages::warning(this, tr("warning"), tr("vertical curve is less than two!"));
        break;
    case 8:
        before.restore();
        messages::warning(this, tr("warning"), tr("mile is less than the prev!"));
        break;
    default:
        break;
    }
}

void VerticalDialog::on_pushButton_4_clicked()
{
    close();
}
