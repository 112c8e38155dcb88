// The as-built check of vantorel-stakeout: the road and the surveyed points
// read, every point checked, the report written whole — or a message on
// standard error and the status that says which of them failed.
#ifndef VANTOREL_CLI_CHECKCOMMAND_H
#define VANTOREL_CLI_CHECKCOMMAND_H

#include "stakeoutoptions.h"

ExitStatus checkSurveyedPoints(const StakeoutOptions& options);

#endif  // VANTOREL_CLI_CHECKCOMMAND_H
