// The as-built check off the GUI thread: the survey file read and every
// point checked against a copy of the road, reporting progress through the
// future and stopping when it is cancelled.
#ifndef VANTOREL_TOOLS_SURVEYCHECKRUN_H
#define VANTOREL_TOOLS_SURVEYCHECKRUN_H

#include "asbuilt.h"

#include <QFuture>
#include <QString>

#include <vector>

struct SurveyCheckOutcome
{
    QString problem;  // why the file was refused; empty when it was checked
    std::vector<SurveyedPoint> points;
    std::vector<PointCheck> checks;
};

// Starts the check in the global thread pool. The road is copied first, so
// that it may change while the check runs. While the file is read the
// progress has no range; then it counts the points checked. A cancelled
// run gives no result.
QFuture<SurveyCheckOutcome> startSurveyCheck(const RoadSet& road, const QString& path,
                                             SurveyFormat format);

#endif  // VANTOREL_TOOLS_SURVEYCHECKRUN_H
