#include "roadsectiondialog.h"

#include "globals.h"
#include "messages.h"
#include "narrowtext.h"
#include "roaddocument.h"
#include "roadsnapshot.h"
#include "ui_roadsectiondialog.h"

#include <QHeaderView>

#include <algorithm>
#include <limits>

namespace {

QString formatted(double value)
{
    return QString::number(value, 'f', 3);
}

// A station cell as the cross-section's title reads it; not a number when
// the cell holds none.
double stationIn(const QString& cell)
{
    bool ok = false;
    const double value = cell.toDouble(&ok);
    return ok ? value : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

RoadSectionDialog::RoadSectionDialog(RoadDocument* document, QWidget* parent)
    : QDialog(parent), ui(new Ui::RoadSectionDialog), document_(document)
{
    ui->setupUi(this);
    // Columns are at least the usual width and grow to show whole stations.
    QHeaderView* header = ui->tableWidget->horizontalHeader();
    header->setMinimumSectionSize(kColumnWidth);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    showRoad();
    connect(document_, &RoadDocument::roadReplaced, this, &RoadSectionDialog::showRoad);
}

void RoadSectionDialog::showRoad()
{
    const int count = theRoad.NumberOfSections();
    ui->tableWidget->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        const RoadSection& s = *theRoad.GetSection(row);
        setRow(row, formatted(s.L1), formatted(s.L2), narrowtext::toQString(s.left),
               narrowtext::toQString(s.right));
    }
    ui->lcomboBox->clear();
    ui->rcomboBox->clear();
    for (int i = 0; i < theRoad.NumberOfTemplates(); ++i) {
        const QString name = narrowtext::toQString(theRoad.GetTemplate(i)->name);
        ui->lcomboBox->addItem(name);
        ui->rcomboBox->addItem(name);
    }
}

RoadSectionDialog::~RoadSectionDialog()
{
    delete ui;
}

void RoadSectionDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

QString RoadSectionDialog::cellText(int row, int column) const
{
    const QTableWidgetItem* cell = ui->tableWidget->item(row, column);
    return cell ? cell->text() : QString();
}

void RoadSectionDialog::setRow(int row, const QString& start, const QString& end,
                               const QString& left, const QString& right)
{
    const QString texts[] = {start, end, left, right};
    for (int column = StartColumn; column <= RightColumn; ++column)
        ui->tableWidget->setItem(row, column, new QTableWidgetItem(texts[column]));
}

void RoadSectionDialog::showTemplatesOf(int row)
{
    emit sectionChosen(narrowtext::fromQString(cellText(row, LeftColumn)),
                       narrowtext::fromQString(cellText(row, RightColumn)),
                       stationIn(cellText(row, StartColumn)), stationIn(cellText(row, EndColumn)));
}

void RoadSectionDialog::on_tableWidget_currentCellChanged(int currentRow, int, int, int)
{
    if (currentRow < 0 || !ui->tableWidget->item(currentRow, StartColumn))
        return;
    ui->startEdit->setText(cellText(currentRow, StartColumn));
    ui->endEdit->setText(cellText(currentRow, EndColumn));
    ui->lcomboBox->setCurrentIndex(ui->lcomboBox->findText(cellText(currentRow, LeftColumn)));
    ui->rcomboBox->setCurrentIndex(ui->rcomboBox->findText(cellText(currentRow, RightColumn)));
    showTemplatesOf(currentRow);
}

// Apply: the input fields go into the current row as they stand; the road
// is written only by "Ok".
void RoadSectionDialog::on_applyButton_clicked()
{
    const int row = ui->tableWidget->currentRow();
    if (row < 0)
        return;
    setRow(row, ui->startEdit->text(), ui->endEdit->text(), ui->lcomboBox->currentText(),
           ui->rcomboBox->currentText());
    showTemplatesOf(row);
}

void RoadSectionDialog::on_newButton_clicked()
{
    const QString firstTemplate = theRoad.NumberOfTemplates() > 0
                                      ? narrowtext::toQString(theRoad.GetTemplate(0)->name)
                                      : QString();
    const int row = ui->tableWidget->currentRow() + 1;
    ui->tableWidget->insertRow(row);
    setRow(row, QStringLiteral("0"), QStringLiteral("0"), firstTemplate, firstTemplate);
    ui->tableWidget->setCurrentCell(row, StartColumn);
}

void RoadSectionDialog::on_delButton_clicked()
{
    const int row = ui->tableWidget->currentRow();
    if (row < 0) {
        messages::warning(this, tr("warning"), tr("please select a row to delete!"));
        return;
    }
    ui->tableWidget->removeRow(row);
    const int rows = ui->tableWidget->rowCount();
    if (rows > 0)
        ui->tableWidget->setCurrentCell(std::min(row, rows - 1), StartColumn);
}

// Ok: the rows, in table order, replace the road's sections; a row that
// reverses or overlaps another range is reported and left out.
void RoadSectionDialog::on_okButton_clicked()
{
    const RoadSnapshot before;
    theRoad.ClearSection();
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row) {
        RoadSection s;
        s.L1 = cellText(row, StartColumn).toDouble();
        s.L2 = cellText(row, EndColumn).toDouble();
        s.left = narrowtext::fromQString(cellText(row, LeftColumn));
        s.right = narrowtext::fromQString(cellText(row, RightColumn));
        if (!theRoad.AddSection(s))
            messages::warning(this, tr("warning"), tr("the %1 item cannot be added!").arg(row));
    }
    theRoad.SetModified(true);
    document_->recordEdit(tr("Apply sections"), before, RoadDocument::CrossSections);
    close();
}

void RoadSectionDialog::on_cancelButton_clicked()
{
    close();
}
