// The export of vantorel-stakeout: the road read, the run made, the file
// written whole — or a message on standard error and the status that says
// which of them failed.
#ifndef VANTOREL_CLI_EXPORTCOMMAND_H
#define VANTOREL_CLI_EXPORTCOMMAND_H

#include "stakeoutoptions.h"

ExitStatus exportStakeOut(const StakeoutOptions& options);

#endif  // VANTOREL_CLI_EXPORTCOMMAND_H
