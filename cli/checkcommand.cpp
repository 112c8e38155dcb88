#include "checkcommand.h"

#include "asbuilt.h"
#include "commandoutput.h"

#include <QFile>

ExitStatus checkSurveyedPoints(const StakeoutOptions& options)
{
    RoadSet road;
    if (!loadRoad(options, road))
        return RoadUnreadable;
    if (!canCheckAgainst(road)) {
        return fail(
            RoadUnreadable,
            QString("the road in \"%1\" has no alignment to check against").arg(options.roadPath));
    }

    const QString surveyPath = options.surveyPath.value_or(QString());
    const SurveyReading survey =
        readSurveyFile(QFile::encodeName(surveyPath).toStdString(), options.surveyFormat);
    if (!survey.ok()) {
        const QString where = survey.line > 0 ? QString(", line %1").arg(survey.line) : QString();
        return fail(
            SurveyUnreadable,
            QString("\"%1\"%2: %3").arg(surveyPath, where, QString::fromStdString(survey.problem)));
    }

    std::vector<PointCheck> checks;
    checkSurvey(road, survey.points, checks);
    return writeOutput(options, checkReport(survey.points, checks), writeCheckReport);
}
