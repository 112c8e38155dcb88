#include "exportdialog.h"

#include "globals.h"
#include "messages.h"
#include "ui_exportdialog.h"
#include "vantorellog.h"

#include <QFile>
#include <QFileDialog>

#include <cmath>

namespace {

constexpr double kMinimumInterval = 1.0;
constexpr double kOffsetInUse = 0.001;   // smaller offsets take the centre-line height
constexpr double kEndTolerance = 0.001;  // a stake this close beyond End is still written
// Lifts coordinates and heights a hair below a half millimetre over it
// before they are rounded to three decimals.
constexpr double kRoundingNudge = 0.00001;

// Unparsable text reads as 0, and so do the "inf" and "nan" that toDouble
// accepts: no such value belongs in a stake-out file.
double numberIn(const QString& text)
{
    const double value = text.toDouble();
    return std::isfinite(value) ? value : 0.0;
}

// The run the form asks for. End picks the direction and bounds the run;
// an End equal to Start runs back to the road start.
struct StakeRun
{
    double start = 0.0;
    double end = 0.0;
    double interval = 0.0;
    double offset = 0.0;
    bool integral = false;
    bool keyPoints = false;

    bool forward() const { return end > start; }
    bool beyondEnd(double station) const
    {
        if (end == start)
            return false;
        return forward() ? station > end + kEndTolerance : station < end - kEndTolerance;
    }
};

// Steps the walk on; false when it already stood on the last stake of the
// run, which the library reports by not moving.
bool advance(RoadIter& it, bool forward)
{
    const int lastType = forward ? RoadIter::Tail : RoadIter::Head;
    if (it.type() == lastType)
        return false;
    theRoad.iter(it, forward);
    return it.type() != lastType;
}

QByteArray stakeLine(const RoadIter& it, double offset)
{
    const double station = it.current();
    double x = 0.0;
    double y = 0.0;
    theRoad.L2XY(it, offset, &x, &y, nullptr);
    double height = 0.0;
    theRoad.CalElevation(station, &height, nullptr);
    if (std::fabs(offset) > kOffsetInUse) {
        if (RoadSection* section = theRoad.GetSectionByLC(station))
            height += theRoad.CalDetaH(section, offset);
    }
    qCDebug(lcVantorel) << "Export : _L = " << station;
    qCDebug(lcVantorel) << "Export :" << station << ", " << x << ", " << y << ", " << height;
    // Qt's printf keeps the decimal point whatever the locale.
    return QString::asprintf("%.3lf,%.3lf,%.3lf,%.3lf\n", station, x + kRoundingNudge,
                             y + kRoundingNudge, height + kRoundingNudge)
        .toLatin1();
}

// Writes one line per stake of the run; false as soon as a write fails.
bool writeStakes(QFile& file, const StakeRun& run)
{
    RoadIter it;
    const int firstIndex = theRoad.first(it, run.interval, run.start, run.integral, run.keyPoints);
    qCDebug(lcVantorel) << "Export : First Pt" << firstIndex;
    if (firstIndex == 0)
        return true;  // no alignment, no stakes
    do {
        if (run.beyondEnd(it.current()))
            break;
        const QByteArray line = stakeLine(it, run.offset);
        if (file.write(line) != line.size())
            return false;
    } while (advance(it, run.forward()));
    return true;
}

}  // namespace

ExportDialog::ExportDialog(QWidget* parent) : QDialog(parent), ui(new Ui::ExportDialog)
{
    ui->setupUi(this);
}

ExportDialog::~ExportDialog()
{
    delete ui;
}

void ExportDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void ExportDialog::on_pushButton_clicked()
{
    ui->fileEdit->setText(QFileDialog::getSaveFileName(this, QString(), QString(), QString()));
}

ExportDialog::Outcome ExportDialog::exportTo(const QString& path) const
{
    StakeRun run;
    run.start = numberIn(ui->startEdit->text());
    run.end = numberIn(ui->endEdit->text());
    run.interval = numberIn(ui->intervalEdit->text());
    run.offset = numberIn(ui->offsetEdit->text());
    run.integral = ui->chkBoxIntMile->checkState() == Qt::Checked;
    run.keyPoints = ui->chkBoxExportPrime->checkState() == Qt::Checked;
    if (run.interval < kMinimumInterval)
        return Outcome::IntervalTooSmall;

    // Opened by its own name: file names are not 8-bit text.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return Outcome::CannotOpen;
    // A full disk may only show when the buffer is flushed or the file closed.
    bool written = writeStakes(file, run) && file.flush();
    file.close();
    written = written && file.error() == QFileDevice::NoError;
    return written ? Outcome::Exported : Outcome::WriteFailed;
}

void ExportDialog::accept()
{
    const QString title = tr("Vantorel");
    switch (exportTo(ui->fileEdit->text())) {
    case Outcome::IntervalTooSmall:
        messages::warning(this, title, tr("the interval is too small!"));
        break;
    case Outcome::CannotOpen:
        messages::warning(this, title, tr("unable to open dested file!"));
        break;
    case Outcome::WriteFailed:
        messages::warning(this, title, tr("writing the file failed, the export is incomplete!"));
        break;
    case Outcome::Exported:
        messages::information(this, title, tr("export successfully!"));
        QDialog::accept();
        break;
    }
}
