#include "ptenumdialog.h"

#include "globals.h"
#include "messages.h"
#include "roaddocument.h"
#include "stakeout.h"
#include "ui_ptenumdialog.h"

#include <cmath>

namespace {

constexpr double kDefaultInterval = 20.0;
constexpr int kDecimals = 4;

QString fixed4(double v)
{
    return QString::number(v, 'f', kDecimals);
}

// The number in text when it is a positive one, otherwise the fallback.
double positiveNumberOr(const QString& text, double fallback)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value > 0.0 ? value : fallback;
}

// The stake kinds, as surveyors name them.
QString kindText(int stakeType)
{
    switch (stakeType) {
    case RoadIter::Norm:
        return PtEnumDialog::tr("NORM");
    case RoadIter::Head:
        return PtEnumDialog::tr("HEAD");
    case RoadIter::Tail:
        return PtEnumDialog::tr("TAIL");
    case RoadIter::Main:
        return PtEnumDialog::tr("MAIN");
    default:
        return QString();
    }
}

}  // namespace

PtEnumDialog::PtEnumDialog(RoadDocument* document, QWidget* parent)
    : QDialog(parent), ui(new Ui::PtEnumDialog)
{
    ui->setupUi(this);
    // Only what the user types restarts the walk; Next writing the station
    // into "Start Mile" does not.
    connect(ui->mile, &QLineEdit::textEdited, this, &PtEnumDialog::restartWalk);
    connect(ui->lineEditStep, &QLineEdit::textEdited, this, &PtEnumDialog::restartWalk);
    // A walk holds places in the road it started on.
    connect(document, &RoadDocument::roadEdited, this, &PtEnumDialog::restartWalk);
    connect(document, &RoadDocument::roadReplaced, this, &PtEnumDialog::restartWalk);
}

PtEnumDialog::~PtEnumDialog()
{
    delete ui;
}

void PtEnumDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void PtEnumDialog::on_btnNext_clicked()
{
    step(true);
}

void PtEnumDialog::on_btnLast_clicked()
{
    step(false);
}

void PtEnumDialog::restartWalk()
{
    walkStarted = false;
}

bool PtEnumDialog::startWalk()
{
    const RoadEntity* firstElement = theRoad.GetHorizon(1);
    const double roadStart = firstElement ? firstElement->l1 : 0.0;
    const double interval = positiveNumberOr(ui->lineEditStep->text(), kDefaultInterval);
    const double start = positiveNumberOr(ui->mile->text(), roadStart);
    if (theRoad.first(walkIter, interval, start, false, true) == 0) {
        messages::warning(this, tr("warning"), tr("there is no horizontal alignment to walk!"));
        return false;
    }
    walkStarted = true;
    stepsOneWay_ = 0;
    return true;
}

void PtEnumDialog::step(bool forward)
{
    if (!walkStarted && !startWalk())
        return;
    // Whatever the walk reports, steps one way end after the stakes the
    // road can hold.
    stepsOneWay_ = forward == lastStepForward_ ? stepsOneWay_ + 1 : 1;
    lastStepForward_ = forward;
    const bool beyondRoad = stepsOneWay_ > stakeLimit(theRoad, walkIter.interval);
    // The walk stands on the last stake in this direction: it cannot move.
    if (forward && (beyondRoad || walkIter.type() == RoadIter::Tail)) {
        messages::warning(this, tr("End"), tr("Reach the End"));
        return;
    }
    if (!forward && (beyondRoad || walkIter.type() == RoadIter::Head)) {
        messages::warning(this, tr("Head"), tr("Reach the Head"));
        return;
    }
    const double station = theRoad.iter(walkIter, forward);
    showStake(station);
    if (forward)
        ui->mile->setText(fixed4(station));
}

void PtEnumDialog::showStake(double station)
{
    ui->labelKP->setText(kindText(walkIter.type()));
    ui->labelL->setText(fixed4(station));
    double x = 0.0;
    double y = 0.0;
    theRoad.L2XY(walkIter, 0.0, &x, &y, nullptr);
    ui->labelX->setText(fixed4(x));
    ui->labelY->setText(fixed4(y));
}
