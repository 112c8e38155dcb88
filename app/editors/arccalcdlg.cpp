#include "arccalcdlg.h"

#include "messages.h"
#include "ui_arccalcdlg.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStandardItemModel>

namespace {

constexpr int kPointRows = 3;
constexpr int kPointColumns = 2;
constexpr int kResultDecimals = 4;
constexpr int kAzimuthDecimals = 7;

}  // namespace

ArcCalcDlg::ArcCalcDlg(QWidget* parent)
    : QDialog(parent),
      ui(new Ui::ArcCalcDlg),
      points_(new QStandardItemModel(kPointRows, kPointColumns, this))
{
    ui->setupUi(this);
    setHeaders();
    ui->tableView->setModel(points_);
    // Just the three points, no empty space below them.
    QTableView* view = ui->tableView;
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->setFixedHeight(view->horizontalHeader()->sizeHint().height() +
                         kPointRows * view->verticalHeader()->defaultSectionSize() +
                         2 * view->frameWidth());
}

ArcCalcDlg::~ArcCalcDlg()
{
    ui->tableView->setModel(nullptr);
    delete points_;
    delete ui;
}

void ArcCalcDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setHeaders();
    }
    QDialog::changeEvent(event);
}

void ArcCalcDlg::setHeaders()
{
    points_->setHorizontalHeaderLabels({tr("X(N)"), tr("Y(E)")});
    points_->setVerticalHeaderLabels({tr("Start Point"), tr("Middle Point"), tr("End Point")});
}

void ArcCalcDlg::clearResults()
{
    for (QLineEdit* field :
         {ui->editX, ui->editY, ui->editStAzi, ui->editEdAzi, ui->editR, ui->editLen})
        field->clear();
}

void ArcCalcDlg::on_btnCalc_clicked()
{
    // Start X, start Y, middle X, middle Y, end X, end Y.
    double points[kPointRows * kPointColumns];
    for (int row = 0; row < kPointRows; ++row) {
        for (int column = 0; column < kPointColumns; ++column)
            points[row * kPointColumns + column] =
                points_->data(points_->index(row, column)).toString().toDouble();
    }
    double centre[2] = {0.0, 0.0};
    hasArc_ = arc_.ArcFrom3P(points, centre) == 0;
    if (!hasArc_) {
        // Otherwise the arc of an earlier calculation would be shown, and
        // inserted, for these points.
        clearResults();
        messages::warning(this, tr("warning"), tr("the three points are on a line!"));
        return;
    }
    ui->editX->setText(QString::number(centre[0], 'f', kResultDecimals));
    ui->editY->setText(QString::number(centre[1], 'f', kResultDecimals));
    ui->editStAzi->setText(QString::number(rad2dms(arc_.angle1), 'f', kAzimuthDecimals));
    ui->editEdAzi->setText(QString::number(rad2dms(arc_.angle2), 'f', kAzimuthDecimals));
    ui->editR->setText(QString::number(arc_.radius, 'f', kResultDecimals));
    ui->editLen->setText(QString::number(arc_.length, 'f', kResultDecimals));
}

void ArcCalcDlg::on_btnReFill_clicked()
{
    for (int row = 0; row < kPointRows; ++row) {
        for (int column = 0; column < kPointColumns; ++column)
            points_->setData(points_->index(row, column), QVariant());
    }
    arc_.Reset(0, 0, 0, 0, 0, 0);
    hasArc_ = false;
    clearResults();
}

void ArcCalcDlg::on_btnDone_clicked()
{
    if (ui->chkInsert->isChecked() && hasArc_)
        emit dialogDone(this);
    close();
    ui->chkInsert->setChecked(false);
    on_btnReFill_clicked();
}
