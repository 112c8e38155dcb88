#include "exportcommand.h"

#include "commandoutput.h"

namespace {

// Start and End as asked, the road's own ends where not.
StakeOutRun runOn(const RoadSet& road, const StakeoutOptions& options)
{
    StakeOutRun run = options.run;
    const int n = road.NumberOfHorizon();
    const RoadEntity* first = road.GetHorizon(1);
    const RoadEntity* last = road.GetHorizon(n - 1);
    run.start = options.start.value_or(first ? first->l1 : 0.0);
    run.end = options.end.value_or(last && n > 1 ? last->l1 + last->length : 0.0);
    return run;
}

}  // namespace

ExitStatus exportStakeOut(const StakeoutOptions& options)
{
    RoadSet road;
    if (!loadRoad(options, road))
        return RoadUnreadable;

    const StakeOutRun run = runOn(road, options);
    StakeText text(options.format, options.firstNumber);
    if (stakeOut(road, run, text) != StakeOutStatus::Done) {
        return fail(RoadUnreadable,
                    QString("the road in \"%1\" gives no sound stakes from the start station on")
                        .arg(options.roadPath));
    }
    return writeOutput(options, text.text(), writeStakeFile);
}
