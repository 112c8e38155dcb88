// The command line of vantorel-stakeout, read into what the run or the
// check needs.
#ifndef VANTOREL_CLI_STAKEOUTOPTIONS_H
#define VANTOREL_CLI_STAKEOUTOPTIONS_H

#include "stakeout.h"
#include "surveyfile.h"

#include <QString>
#include <QStringList>

#include <optional>

// The exit statuses scripts can rely on.
enum ExitStatus {
    Done = 0,
    BadArguments = 1,
    RoadUnreadable = 2,
    OutputNotWritable = 3,
    SurveyUnreadable = 4,
};

struct StakeoutOptions
{
    QString roadPath;
    // Start and End default to the road's own ends.
    std::optional<double> start;
    std::optional<double> end;
    StakeOutRun run;
    StakeFormat format = StakeFormat::StationCsv;
    long long firstNumber = 1;
    QString outputPath;  // empty: standard output
    // The surveyed points to check instead of a stake-out.
    std::optional<QString> surveyPath;
    SurveyFormat surveyFormat = SurveyFormat::Detect;
};

// What the command line asks for: options to run with, or a text to print
// and the status to exit with (the help, the version, or what was wrong
// followed by the usage).
struct ParsedCommandLine
{
    std::optional<StakeoutOptions> options;
    QString message;
    ExitStatus status = Done;
};

ParsedCommandLine parseCommandLine(const QStringList& arguments);

#endif  // VANTOREL_CLI_STAKEOUTOPTIONS_H
