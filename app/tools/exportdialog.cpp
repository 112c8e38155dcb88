#include "exportdialog.h"

#include "filedialogs.h"
#include "formatbox.h"
#include "globals.h"
#include "messages.h"
#include "ui_exportdialog.h"
#include "vantorellog.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <iterator>

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

constexpr char kStakeKind[] = "stakes";

int formatIndex(StakeFormat format)
{
    return int(std::find(std::begin(kFormats), std::end(kFormats), format) - std::begin(kFormats));
}

QString formatSuffix(StakeFormat format)
{
    return format == StakeFormat::CassDat ? QStringLiteral("dat") : QStringLiteral("csv");
}

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
    showFields(StakeExportSettings::load(fields()));
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

StakeExportSettings ExportDialog::fields() const
{
    StakeExportSettings fields;
    fields.start = ui->startEdit->text();
    fields.end = ui->endEdit->text();
    fields.interval = ui->intervalEdit->text();
    fields.offsets = ui->offsetEdit->text();
    fields.format = format();
    fields.integral = ui->chkBoxIntMile->isChecked();
    fields.keyPoints = ui->chkBoxExportPrime->isChecked();
    fields.firstNumber = ui->firstNumberBox->value();
    return fields;
}

void ExportDialog::showFields(const StakeExportSettings& fields)
{
    ui->startEdit->setText(fields.start);
    ui->endEdit->setText(fields.end);
    ui->intervalEdit->setText(fields.interval);
    ui->offsetEdit->setText(fields.offsets);
    ui->formatBox->setCurrentIndex(formatIndex(fields.format));
    ui->chkBoxIntMile->setChecked(fields.integral);
    ui->chkBoxExportPrime->setChecked(fields.keyPoints);
    ui->firstNumberBox->setValue(fields.firstNumber);
}

// A file for the chosen format; a cancelled choice keeps the typed path.
void ExportDialog::on_pushButton_clicked()
{
    const QString typed = ui->fileEdit->text();
    const StakeFormat chosen = format();
    const QString path = filedialogs::saveFileName(
        this, tr("Save Stake Points"),
        typed.isEmpty() ? filedialogs::startDirectory(kStakeKind) : typed,
        formatTitle(chosen) + QStringLiteral(" (*.%1)").arg(formatSuffix(chosen)),
        formatSuffix(chosen));
    if (!path.isEmpty())
        ui->fileEdit->setText(path);
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

bool ExportDialog::readExport(StakeOutRun& run, StakeFormat& fileFormat, long long& firstNumber)
{
    fileFormat = format();
    firstNumber = ui->firstNumberBox->value();
    return readRun(run);
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
    fields().save();
    filedialogs::rememberDirectory(kStakeKind, ui->fileEdit->text());
    messages::information(
        this, title,
        tr("export successfully!") + '\n' + tr("points written: %1").arg(file.points()));
    QDialog::accept();
}
