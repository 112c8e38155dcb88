#include "exportdialog.h"

#include "formatbox.h"
#include "globals.h"
#include "messages.h"
#include "ui_exportdialog.h"
#include "vantorellog.h"

#include <QFile>
#include <QFileDialog>

#include <cmath>

namespace {

// Unparsable text reads as 0, and so do the "inf" and "nan" that toDouble
// accepts: no such value belongs in a stake-out file.
double numberIn(const QString& text)
{
    const double value = text.toDouble();
    return std::isfinite(value) ? value : 0.0;
}

// The formats in the order of the box; the first is the default.
const StakeFormat kFormats[] = {StakeFormat::StationCsv, StakeFormat::PnezdCsv,
                                StakeFormat::CassDat};

QString formatTitle(StakeFormat format)
{
    switch (format) {
    case StakeFormat::StationCsv:
        return ExportDialog::tr("Station CSV");
    case StakeFormat::PnezdCsv:
        return ExportDialog::tr("PNEZD CSV");
    case StakeFormat::CassDat:
        return ExportDialog::tr("CASS DAT");
    }
    return QString();
}

}  // namespace

ExportDialog::ExportDialog(QWidget* parent) : QDialog(parent), ui(new Ui::ExportDialog)
{
    ui->setupUi(this);
    ui->firstNumberBox->setMaximum(static_cast<int>(StakeText::kLargestFirstNumber));
    fillFormatBox(ui->formatBox, kFormats, formatTitle);
}

ExportDialog::~ExportDialog()
{
    delete ui;
}

void ExportDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fillFormatBox(ui->formatBox, kFormats, formatTitle);
    }
    QDialog::changeEvent(event);
}

void ExportDialog::on_pushButton_clicked()
{
    ui->fileEdit->setText(QFileDialog::getSaveFileName(this, QString(), QString(), QString()));
}

void ExportDialog::on_formatBox_currentIndexChanged(int)
{
    // Only PNEZD numbers its points.
    ui->firstNumberBox->setEnabled(format() == StakeFormat::PnezdCsv);
}

StakeFormat ExportDialog::format() const
{
    return chosenFormat(ui->formatBox, kFormats);
}

bool ExportDialog::readRun(StakeOutRun& run)
{
    run.start = numberIn(ui->startEdit->text());
    run.end = numberIn(ui->endEdit->text());
    run.interval = numberIn(ui->intervalEdit->text());
    run.integral = ui->chkBoxIntMile->checkState() == Qt::Checked;
    run.keyPoints = ui->chkBoxExportPrime->checkState() == Qt::Checked;
    std::string unreadable;
    if (!parseOffsets(ui->offsetEdit->text().toStdString(), run.offsets, unreadable)) {
        messages::warning(
            this, tr("Vantorel"),
            tr("the offset \"%1\" is not a number!").arg(QString::fromStdString(unreadable)));
        return false;
    }
    return true;
}

void ExportDialog::accept()
{
    const QString title = tr("Vantorel");
    StakeOutRun run;
    if (!readRun(run))
        return;
    StakeText file(format(), ui->firstNumberBox->value());
    switch (stakeOut(theRoad, run, file)) {
    case StakeOutStatus::Done:
        break;
    case StakeOutStatus::IntervalTooSmall:
        messages::warning(this, title, tr("the interval is too small!"));
        return;
    case StakeOutStatus::NotANumber:
    case StakeOutStatus::WalkBroken:
        messages::warning(this, title,
                          tr("the road gives no sound stakes from Start on; nothing was written!"));
        return;
    }
    qCDebug(lcVantorel) << "Export :" << file.points() << "points";
    // File names are not 8-bit text: the name goes to the file system as is.
    const std::string path = QFile::encodeName(ui->fileEdit->text()).toStdString();
    if (!writeStakeFile(path, file.text())) {
        messages::warning(this, title, tr("unable to open dested file!"));
        return;
    }
    messages::information(
        this, title,
        tr("export successfully!") + '\n' + tr("points written: %1").arg(file.points()));
    QDialog::accept();
}
