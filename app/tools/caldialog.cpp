#include "caldialog.h"

#include "globals.h"
#include "messages.h"
#include "ui_caldialog.h"

namespace {

constexpr int kDecimals = 3;

QString fixed3(double v)
{
    return QString::number(v, 'f', kDecimals);
}

}  // namespace

CalDialog::CalDialog(QWidget* parent) : QDialog(parent), ui(new Ui::CalDialog)
{
    ui->setupUi(this);
}

CalDialog::~CalDialog()
{
    delete ui;
}

void CalDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void CalDialog::on_downButton_clicked()
{
    if (ui->mileEdit->text().isEmpty() || ui->offsetEdit->text().isEmpty()) {
        messages::warning(this, tr("warning"), tr("data input error!"));
        return;
    }
    const double station = ui->mileEdit->text().toDouble();
    const double offset = ui->offsetEdit->text().toDouble();
    double x = 0.0;
    double y = 0.0;
    if (!theRoad.L2XY(station, offset, &x, &y, nullptr)) {
        ui->xEdit->clear();
        ui->yEdit->clear();
        ui->zEdit->clear();
        return;
    }
    ui->xEdit->setText(fixed3(x));
    ui->yEdit->setText(fixed3(y));
    showHeightDifference(station, offset);
}

void CalDialog::on_upButton_clicked()
{
    if (ui->xEdit->text().isEmpty() || ui->yEdit->text().isEmpty()) {
        messages::warning(this, tr("warning"), tr("data input error!"));
        return;
    }
    double footX = 0.0;
    double footY = 0.0;
    double station = 0.0;
    double azimuth = 0.0;
    double offset = 0.0;
    if (!theRoad.XY2L(ui->xEdit->text().toDouble(), ui->yEdit->text().toDouble(), &footX, &footY,
                      &station, &azimuth, &offset))
        return;
    ui->mileEdit->setText(fixed3(station));
    ui->offsetEdit->setText(fixed3(offset));
    showHeightDifference(station, offset);
}

void CalDialog::showHeightDifference(double station, double offset)
{
    if (RoadSection* section = theRoad.GetSectionByLC(station))
        ui->zEdit->setText(fixed3(theRoad.CalDetaH(section, offset)));
}
