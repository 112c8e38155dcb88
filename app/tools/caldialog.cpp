#include "caldialog.h"

#include "globals.h"
#include "messages.h"
#include "stationtext.h"
#include "ui_caldialog.h"

#include <cmath>
#include <optional>

namespace {

constexpr int kDecimals = 3;

QString fixed3(double v)
{
    return QString::number(v, 'f', kDecimals);
}

QString kNotation(double station)
{
    return QString::fromStdString(stationText(station, kDecimals));
}

// A number as typed, in C notation; none for anything else: a letter
// must not pass for 0.
std::optional<double> typedNumber(const QString& text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

// A station as typed: metres, or K notation such as "K1+200".
std::optional<double> typedStation(const QString& text)
{
    double L = 0.0;
    return parseStation(text.toStdString(), L) ? std::optional<double>(L) : std::nullopt;
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
    const std::optional<double> station = typedStation(ui->mileEdit->text());
    const std::optional<double> offset = typedNumber(ui->offsetEdit->text());
    double x = 0.0;
    double y = 0.0;
    const bool onTheRoad = station && offset && theRoad.L2XY(*station, *offset, &x, &y, nullptr);
    if (!onTheRoad) {
        ui->xEdit->clear();
        ui->yEdit->clear();
        ui->zEdit->clear();
        messages::warning(this, tr("warning"),
                          station && offset ? offTheRoad(*station) : tr("data input error!"));
        return;
    }
    ui->xEdit->setText(fixed3(x));
    ui->yEdit->setText(fixed3(y));
    showHeightDifference(*station, *offset);
}

void CalDialog::on_upButton_clicked()
{
    if (ui->xEdit->text().isEmpty() || ui->yEdit->text().isEmpty()) {
        messages::warning(this, tr("warning"), tr("data input error!"));
        return;
    }
    const std::optional<double> x = typedNumber(ui->xEdit->text());
    const std::optional<double> y = typedNumber(ui->yEdit->text());
    if (!x || !y) {
        ui->mileEdit->clear();
        ui->offsetEdit->clear();
        ui->zEdit->clear();
        messages::warning(this, tr("warning"), tr("data input error!"));
        return;
    }
    double footX = 0.0;
    double footY = 0.0;
    double station = 0.0;
    double azimuth = 0.0;
    double offset = 0.0;
    if (!theRoad.XY2L(*x, *y, &footX, &footY, &station, &azimuth, &offset))
        return;
    ui->mileEdit->setText(fixed3(station));
    ui->offsetEdit->setText(fixed3(offset));
    showHeightDifference(station, offset);
}

// Why a station gives no point, with the stations the road runs between.
QString CalDialog::offTheRoad(double station) const
{
    const int elements = theRoad.NumberOfHorizon();
    if (elements == 0)
        return tr("there is no road to calculate on!");
    const RoadEntity& last = *theRoad.GetHorizon(elements - 1);
    return tr("station %1 is not on the road, which runs from %2 to %3!")
        .arg(kNotation(station), kNotation(theRoad.GetHorizon(0)->l1),
             kNotation(last.l1 + last.length));
}

void CalDialog::showHeightDifference(double station, double offset)
{
    if (RoadSection* section = theRoad.GetSectionByLC(station))
        ui->zEdit->setText(fixed3(theRoad.CalDetaH(section, offset)));
}
