#include "surveycheckdialog.h"

#include "formatbox.h"
#include "globals.h"
#include "mainwindow.h"
#include "messages.h"
#include "surveycheckmodel.h"
#include "ui_surveycheckdialog.h"

#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QSettings>

namespace {

const char* const kToleranceKey = "surveyCheck/tolerance";

// The formats in the order of the box.
const SurveyFormat kFormats[] = {SurveyFormat::Detect, SurveyFormat::PnezdCsv,
                                 SurveyFormat::CassDat};

QString formatTitle(SurveyFormat format)
{
    switch (format) {
    case SurveyFormat::Detect:
        return SurveyCheckDialog::tr("Detect from the content");
    case SurveyFormat::PnezdCsv:
        return SurveyCheckDialog::tr("PNEZD CSV");
    case SurveyFormat::CassDat:
        return SurveyCheckDialog::tr("CASS DAT");
    }
    return QString();
}

SurveyedPoints::Kind kindOf(const SurveyCheckModel& model, std::size_t row)
{
    const PointCheck& c = model.checks()[row];
    if (!c.hasDesign())
        return SurveyedPoints::Unchecked;
    if (!model.beyondTolerance(row))
        return SurveyedPoints::Within;
    return c.difference > 0.0 ? SurveyedPoints::Cut : SurveyedPoints::Fill;
}

}  // namespace

SurveyCheckDialog::SurveyCheckDialog(QWidget* parent)
    : QDialog(parent),
      ui(new Ui::SurveyCheckDialog),
      model_(new SurveyCheckModel(this)),
      sorted_(new SurveyCheckSortModel(model_, this))
{
    ui->setupUi(this);
    fillFormatBox(ui->formatBox, kFormats, formatTitle);
    ui->tableView->setModel(sorted_);
    // Sized by the view, never by the contents of a million rows.
    ui->tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The file's order until a column is chosen.
    ui->tableView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ui->tableView->setSortingEnabled(true);
    ui->toleranceBox->setValue(
        QSettings().value(kToleranceKey, SurveyCheckModel::kDefaultTolerance).toDouble());
    connect(&watcher_, &QFutureWatcherBase::progressValueChanged, this,
            &SurveyCheckDialog::showProgress);
    connect(&watcher_, &QFutureWatcherBase::progressRangeChanged, ui->progressBar,
            &QProgressBar::setRange);
    connect(&watcher_, &QFutureWatcherBase::progressTextChanged, ui->summaryLabel,
            &QLabel::setText);
    connect(&watcher_, &QFutureWatcherBase::finished, this, &SurveyCheckDialog::checkFinished);
    // The points leave the plan with the dialog; not from its destructor,
    // which also runs while the main window itself is destroyed.
    connect(this, &QDialog::finished, this, [] {
        if (theMainWindow)
            theMainWindow->showSurveyedPoints({});
    });
}

SurveyCheckDialog::~SurveyCheckDialog()
{
    // The run holds its own copies: it may end on its own once stopped.
    watcher_.cancel();
    delete ui;
}

void SurveyCheckDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fillFormatBox(ui->formatBox, kFormats, formatTitle);
        if (!isChecking())
            showSummary();
    }
    QDialog::changeEvent(event);
}

void SurveyCheckDialog::on_browseButton_clicked()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Survey File"), ui->fileEdit->text(),
                                     tr("Survey Points (*.csv *.txt *.dat);;All Files (*)"));
    if (!path.isEmpty())
        ui->fileEdit->setText(path);
}

void SurveyCheckDialog::on_checkButton_clicked()
{
    if (ui->fileEdit->text().isEmpty()) {
        messages::warning(this, tr("Vantorel"), tr("choose the file of surveyed points!"));
        return;
    }
    checkedFile_ = ui->fileEdit->text();
    setRunning(true);
    watcher_.setFuture(
        startSurveyCheck(theRoad, checkedFile_, chosenFormat(ui->formatBox, kFormats)));
}

void SurveyCheckDialog::on_stopButton_clicked()
{
    watcher_.cancel();
}

void SurveyCheckDialog::showProgress(int value)
{
    ui->progressBar->setValue(value);
}

void SurveyCheckDialog::setRunning(bool running)
{
    ui->checkButton->setEnabled(!running);
    ui->stopButton->setEnabled(running);
    ui->exportButton->setEnabled(!running && model_->rowCount() > 0);
    ui->progressBar->setRange(0, 1);
    ui->progressBar->setValue(0);
}

void SurveyCheckDialog::checkFinished()
{
    setRunning(false);
    const QFuture<SurveyCheckOutcome> future = watcher_.future();
    if (future.isCanceled() || future.resultCount() == 0) {
        ui->summaryLabel->setText(tr("Stopped; the table shows the check before."));
        return;
    }
    SurveyCheckOutcome outcome = watcher_.future().takeResult();
    if (!outcome.problem.isEmpty()) {
        showSummary();
        messages::warning(this, tr("Vantorel"),
                          tr("cannot check \"%1\": %2").arg(checkedFile_, outcome.problem));
        return;
    }
    // The file's order again for the new points.
    ui->tableView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    model_->setResults(std::move(outcome.points), std::move(outcome.checks));
    ui->exportButton->setEnabled(model_->rowCount() > 0);
    ui->progressBar->setValue(1);
    showSummary();
    showOnPlan();
}

void SurveyCheckDialog::on_toleranceBox_valueChanged(double metres)
{
    QSettings().setValue(kToleranceKey, metres);
    model_->setTolerance(metres);
    if (!isChecking())
        showSummary();
    showOnPlan();
}

void SurveyCheckDialog::showSummary()
{
    const std::size_t points = model_->points().size();
    if (points == 0) {
        ui->summaryLabel->clear();
        return;
    }
    const QLocale locale;
    ui->summaryLabel->setText(
        tr("%1 points: %2 beyond the tolerance of %3 m, %4 beyond the road's ends.")
            .arg(locale.toString(static_cast<qulonglong>(points)),
                 locale.toString(static_cast<qulonglong>(model_->beyondToleranceCount())),
                 locale.toString(model_->tolerance(), 'f', 3),
                 locale.toString(static_cast<qulonglong>(model_->beyondEndsCount()))));
}

void SurveyCheckDialog::showOnPlan() const
{
    if (!theMainWindow)
        return;
    const std::vector<SurveyedPoint>& points = model_->points();
    std::vector<SurveyedPoints::Point> shown;
    shown.reserve(points.size());
    for (std::size_t row = 0; row < points.size(); ++row)
        shown.push_back({points[row].x, points[row].y, kindOf(*model_, row)});
    theMainWindow->showSurveyedPoints(std::move(shown));
}

void SurveyCheckDialog::on_exportButton_clicked()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export CSV"), QString(),
                                                      tr("CSV Files (*.csv);;All Files (*)"));
    if (path.isEmpty())
        return;
    const std::string report =
        checkReport(model_->points(), model_->checks(), sorted_->shownOrder());
    if (!writeCheckReport(QFile::encodeName(path).toStdString(), report)) {
        messages::warning(this, tr("Vantorel"),
                          tr("cannot write \"%1\"; a file there is left as it was!").arg(path));
        return;
    }
    ui->summaryLabel->setText(
        tr("%1 points written to \"%2\".")
            .arg(QLocale().toString(static_cast<qulonglong>(model_->points().size())), path));
}
