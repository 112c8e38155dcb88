// The stake walk the export runs: every metre of the road, key points on.
#ifndef VANTOREL_BENCH_STAKEWALK_H
#define VANTOREL_BENCH_STAKEWALK_H

#include "roadset.h"

#include <benchmark/benchmark.h>

// Calls visit(it) at every stake from the road start to its end; returns
// the number of stakes.
template <typename Visit>
long walkEveryMetre(const RoadSet& road, Visit visit)
{
    RoadIter it;
    road.first(it, 1.0, 0.0, true, true);
    long stakes = 0;
    while (true) {
        visit(it);
        ++stakes;
        if (it.type() == RoadIter::Tail)
            return stakes;
        road.iter(it, true);
    }
}

// Reports the time per stake, in seconds with an SI prefix ("n" = nanoseconds).
inline void reportPerStake(benchmark::State& state, long stakes)
{
    state.counters["per_stake"] = benchmark::Counter(
        static_cast<double>(stakes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

#endif  // VANTOREL_BENCH_STAKEWALK_H
