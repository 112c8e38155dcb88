// vantorel-stakeout ROAD.rod [--start L] [--end L] [--interval 20]
//   [--offsets -7.5,0,7.5] [--integral] [--key-points]
//   [--format station|pnezd|cass] [--first-number N] [-o FILE]
// vantorel-stakeout ROAD.rod --check SURVEY [--survey-format detect|pnezd|cass] [-o FILE]
#include "checkcommand.h"
#include "exportcommand.h"
#include "stakeoutoptions.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vantorel-stakeout");
    QCoreApplication::setApplicationVersion(VANTOREL_VERSION);

    const ParsedCommandLine parsed = parseCommandLine(QCoreApplication::arguments());
    if (!parsed.options) {
        // The help and the version go to standard output, the usage after
        // a mistake to standard error.
        std::fputs(parsed.message.toLocal8Bit().constData(),
                   parsed.status == Done ? stdout : stderr);
        return parsed.status;
    }
    if (parsed.options->surveyPath)
        return checkSurveyedPoints(*parsed.options);
    return exportStakeOut(*parsed.options);
}
