// What the commands of vantorel-stakeout share: the road read, a failure
// said on standard error, the result written whole to a file or to
// standard output.
#ifndef VANTOREL_CLI_COMMANDOUTPUT_H
#define VANTOREL_CLI_COMMANDOUTPUT_H

#include "stakeoutoptions.h"

#include <string>
#include <string_view>

// Prints "vantorel-stakeout: " and the message on standard error.
ExitStatus fail(ExitStatus status, const QString& message);

// Reads the road file named in the options; says so when it cannot.
bool loadRoad(const StakeoutOptions& options, RoadSet& road);

// Writes `text` to the options' output file with `writeFile` (whole or not
// at all), or to standard output when there is none.
ExitStatus writeOutput(const StakeoutOptions& options, const std::string& text,
                       bool (*writeFile)(const std::string& path, std::string_view text));

#endif  // VANTOREL_CLI_COMMANDOUTPUT_H
