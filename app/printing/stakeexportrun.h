// What the stake export is set up for: the run, the file format and the
// first point number. Printed lists of stake points take them from here, so
// that the paper shows the points the file holds.
#ifndef VANTOREL_PRINTING_STAKEEXPORTRUN_H
#define VANTOREL_PRINTING_STAKEEXPORTRUN_H

#include "stakeout.h"

#include <QString>

#include <optional>

class QWidget;

struct StakeExportRun
{
    StakeOutRun run;
    StakeFormat format = StakeFormat::StationCsv;
    long long firstNumber = 1;

    // Whether the file numbers its points.
    bool numbered() const { return format == StakeFormat::PnezdCsv; }
    // The run in a line: "K0+000 to K4+100 every 20 m, offsets -7.5, 0, 7.5".
    QString summary() const;
};

// The run of the export dialog open in `window`, else of the fields a new
// one starts with; none (after the dialog's message) when its fields cannot
// be read.
std::optional<StakeExportRun> currentStakeExportRun(QWidget* window);

#endif  // VANTOREL_PRINTING_STAKEEXPORTRUN_H
