// The stake export's fields as the user last exported with them, kept
// between runs. Numbers stay texts as typed: the export reads them as it
// always does, and a field that held no number shows the same again.
#ifndef VANTOREL_TOOLS_STAKEEXPORTSETTINGS_H
#define VANTOREL_TOOLS_STAKEEXPORTSETTINGS_H

#include "stakeout.h"

#include <QString>

struct StakeExportSettings
{
    QString start;
    QString end;
    QString interval;
    QString offsets;
    StakeFormat format = StakeFormat::StationCsv;
    bool integral = false;
    bool keyPoints = false;
    int firstNumber = 1;

    // What was stored; a field never stored keeps its value in `defaults`.
    static StakeExportSettings load(const StakeExportSettings& defaults);
    void save() const;
};

#endif  // VANTOREL_TOOLS_STAKEEXPORTSETTINGS_H
