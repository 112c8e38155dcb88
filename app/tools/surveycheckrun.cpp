#include "surveycheckrun.h"

#include <QCoreApplication>
#include <QFile>
#include <QPromise>
#include <QtConcurrent>

namespace {

// The context of this file's texts, as lupdate sees it too.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SurveyCheckRun)
};

void run(QPromise<SurveyCheckOutcome>& promise, const RoadSet& road, const QString& path,
         SurveyFormat format)
{
    SurveyCheckOutcome outcome;
    if (!canCheckAgainst(road)) {
        outcome.problem = Text::tr("the road has no alignment to check against");
        promise.addResult(std::move(outcome));
        return;
    }
    promise.setProgressRange(0, 0);
    promise.setProgressValueAndText(0, Text::tr("Reading the survey..."));
    SurveyReading survey = readSurveyFile(QFile::encodeName(path).toStdString(), format);
    if (!survey.ok()) {
        const QString problem = QString::fromStdString(survey.problem);
        outcome.problem =
            survey.line > 0 ? Text::tr("line %1: %2").arg(survey.line).arg(problem) : problem;
        promise.addResult(std::move(outcome));
        return;
    }
    if (promise.isCanceled())
        return;
    // Progress is an int: a survey of more points counts in thousands.
    const std::size_t points = survey.points.size();
    const std::size_t unit = points > 1000000000 ? 1000 : 1;
    promise.setProgressRange(0, static_cast<int>(points / unit));
    promise.setProgressValueAndText(0, Text::tr("Checking %1 points...").arg(points));
    const bool checked =
        checkSurvey(road, survey.points, outcome.checks, [&promise, unit](std::size_t done) {
            promise.setProgressValue(static_cast<int>(done / unit));
            return !promise.isCanceled();
        });
    if (!checked)
        return;
    outcome.points = std::move(survey.points);
    promise.addResult(std::move(outcome));
}

}  // namespace

QFuture<SurveyCheckOutcome> startSurveyCheck(const RoadSet& road, const QString& path,
                                             SurveyFormat format)
{
    return QtConcurrent::run(
        [](QPromise<SurveyCheckOutcome>& promise, const RoadSet& copy, const QString& file,
           SurveyFormat asked) { run(promise, copy, file, asked); },
        road, path, format);
}
