#include "stakeexportrun.h"

#include "stationtext.h"
#include "tools/exportdialog.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <memory>

namespace {

// The context of this file's texts, as lupdate sees it too.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(StakeExportRun)
};

// Whole metres without decimals: the summary is read at a glance.
QString station(double L)
{
    return QString::fromStdString(stationText(L, L == std::round(L) ? 0 : 3));
}

}  // namespace

QString StakeExportRun::summary() const
{
    const QString from = station(run.start);
    const QString stations = run.end == run.start
                                 ? Text::tr("%1 back to the road start").arg(from)
                                 : Text::tr("%1 to %2").arg(from, station(run.end));
    QStringList offsets;
    for (const double offset : run.offsets)
        offsets << QString::number(offset, 'g', 12);
    return Text::tr("%1 every %2 m, offsets %3")
        .arg(stations, QString::number(run.interval, 'g', 12), offsets.join(", "));
}

std::optional<StakeExportRun> currentStakeExportRun(QWidget* window)
{
    // The dialog the user looks at holds the settings meant; a new one holds
    // those the export starts with.
    const QList<ExportDialog*> open = window->findChildren<ExportDialog*>();
    std::unique_ptr<ExportDialog> fresh;
    ExportDialog* dialog = open.isEmpty() ? nullptr : open.last();
    if (!dialog) {
        fresh = std::make_unique<ExportDialog>(window);
        dialog = fresh.get();
    }
    StakeExportRun settings;
    if (!dialog->readExport(settings.run, settings.format, settings.firstNumber))
        return std::nullopt;
    return settings;
}
