// The stake walk: regular stakes at a fixed interval counted from a base
// station, the road start and end, and on request every element boundary.
#include "roadset.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPlaceTolerance = 0.01;  // first(): how near a station snaps to a boundary
constexpr double kAtStake = 0.0001;       // distances below this mean "here"
constexpr double kSkipBeforeEnd =
    0.005;                         // a regular stake this close before an element end is skipped
constexpr double kResidue = 1e-6;  // fmod residue of stations that are not binary fractions

// To the millimetre, halves away from zero: the same as trunc(v·1000 + 0.5)
// for the usual stations, and no millimetre off for those below zero.
double round3(double v)
{
    return std::round(v * 1000.0) * 0.001;
}

double endOf(const RoadEntity& e)
{
    return e.l1 + e.length;
}

// How far a station lies past the last regular stake, in [0, interval).
// Stations such as 3460.284 + 20·k are regular only up to floating-point
// residue; that residue must not read as a stake a hair away.
double pastRegular(const RoadIter& it)
{
    double r = std::fmod(it.station - it.base, it.interval);
    if (r < 0.0)
        r += it.interval;
    if (r < kResidue || it.interval - r < kResidue)
        r = 0.0;
    return r;
}

}  // namespace

// The length of the nearest element before (step -1) or after (step +1)
// element i that has one: a zero-length element (from a road file or an
// older conversion) is no stretch of road to stop before. 0 at the road's
// ends.
double RoadSet::lengthBeside(int i, int step) const
{
    const int last = NumberOfHorizon() - 1;
    for (int j = i + step; j >= 1 && j <= last; j += step) {
        if (!(std::fabs(horizon[j].length) < kAtStake))
            return horizon[j].length;
    }
    return 0.0;
}

int RoadSet::first(RoadIter& it, double interval, double start, bool integral, bool keyPoints) const
{
    const int n = NumberOfHorizon();
    if (n < 2 || !(interval > 0.0) || !std::isfinite(interval) || !std::isfinite(start))
        return 0;

    it.integral = integral;
    it.keyPoints = keyPoints;
    it.interval = interval;
    it.stakeType = RoadIter::Norm;
    it.endL = round3(endOf(horizon[n - 1]));
    it.startL = round3(horizon[1].l1);
    it.base = it.startL;
    if (integral) {
        // Rounded down to a multiple of 10 m, also below station 0.
        double tens = std::fmod(it.startL, 10.0);
        if (tens < 0.0)
            tens += 10.0;
        it.base = it.startL - tens;
    }

    double L = round3(start);
    if (L < it.startL || std::fabs(L - it.startL) < kPlaceTolerance) {
        it.stakeType = RoadIter::Head;
        it.index = 1;
        L = it.startL;
    } else if (L > it.endL || std::fabs(L - it.endL) < kPlaceTolerance) {
        it.stakeType = RoadIter::Tail;
        it.index = n - 1;
        L = it.endL;
    } else {
        int i = 1;
        while (i < n - 1 && L > endOf(horizon[i]))
            ++i;
        const RoadEntity& e = horizon[i];
        if (std::fabs((L - e.l1) - e.length) < kPlaceTolerance && i + 1 < n) {
            it.index = i + 1;
            L = horizon[i + 1].l1;
            if (keyPoints)
                it.stakeType = RoadIter::Main;
        } else {
            it.index = i;
            if (std::fabs(L - e.l1) < kPlaceTolerance)
                L = e.l1;
        }
    }

    it.station = L;
    it.prevOff = prevoff(it);
    it.nextOff = nextoff(it);
    return it.index;
}

double RoadSet::prevoff(const RoadIter& it) const
{
    const double b = pastRegular(it);
    const double back = b < kAtStake ? it.interval : b;
    const double result = std::min(it.station - it.startL, back);
    if (!it.keyPoints)
        return result;

    const double d = it.station - horizon[it.index].l1;
    if (std::fabs(d) < kAtStake)
        return std::min(result, lengthBeside(it.index, -1));
    return std::min(result, d);
}

double RoadSet::nextoff(const RoadIter& it) const
{
    double ahead = it.interval - pastRegular(it);
    // A station a hair before a regular stake (an element end, say) stands
    // on it: the next stake is the one after, not 0.1 mm away.
    if (ahead < kAtStake)
        ahead += it.interval;
    const double result = std::min(it.endL - it.station, ahead);
    if (!it.keyPoints)
        return result;

    const double c = endOf(horizon[it.index]) - it.station;
    if (std::fabs(c) < kAtStake)
        return std::min(result, lengthBeside(it.index, +1));
    return (c < result || std::fabs(result - c) < kSkipBeforeEnd) ? c : result;
}

double RoadSet::iter(RoadIter& it, bool forward) const
{
    const int last = NumberOfHorizon() - 1;
    if (it.index < 1 || it.index > last)
        return it.station;  // not a walk over this road
    it.stakeType = RoadIter::Norm;

    if (forward) {
        if (std::fabs(it.nextOff) < kAtStake) {
            it.stakeType = RoadIter::Tail;
            return it.station;
        }
        const double next = it.station + it.nextOff;
        if (!(next > it.station))
            return stopAtEnd(it, true);
        it.station = next;
        double a = endOf(horizon[it.index]) - it.station;
        if (it.keyPoints && std::fabs(a) < kAtStake && it.index < last)
            it.stakeType = RoadIter::Main;
        // At a boundary the walk moves on to the element that starts there.
        while ((a < 0.0 || std::fabs(a) < kAtStake) && it.index < last) {
            ++it.index;
            a = endOf(horizon[it.index]) - it.station;
        }
        it.prevOff = it.nextOff;
        it.nextOff = nextoff(it);
    } else {
        if (std::fabs(it.prevOff) < kAtStake) {
            it.stakeType = RoadIter::Head;
            return it.station;
        }
        const double next = it.station - it.prevOff;
        if (!(next < it.station))
            return stopAtEnd(it, false);
        it.station = next;
        const double d = it.station - horizon[it.index].l1;
        const bool atStart = std::fabs(d) < kAtStake;
        if (it.keyPoints && atStart && it.index > 1)
            it.stakeType = RoadIter::Main;
        // A boundary reached from above stays with the element starting
        // there, also when residue puts the station a hair below it.
        if (d < 0.0 && !atStart) {
            while (it.index > 1) {
                --it.index;
                if (it.station >= horizon[it.index].l1)
                    break;
            }
        }
        it.nextOff = it.prevOff;
        it.prevOff = prevoff(it);
    }
    return it.station;
}

// A step that would not move the station on (a chain whose stations run back,
// or that are not numbers) ends the walk where it was heading: a walk must end.
double RoadSet::stopAtEnd(RoadIter& it, bool forward) const
{
    const int last = NumberOfHorizon() - 1;
    it.stakeType = forward ? RoadIter::Tail : RoadIter::Head;
    it.index = forward ? last : 1;
    it.station = forward ? it.endL : it.startL;
    it.nextOff = forward ? 0.0 : nextoff(it);
    it.prevOff = forward ? prevoff(it) : 0.0;
    return it.station;
}
