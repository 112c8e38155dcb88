// The stake-out run: the walk from Start towards End, and at each stake the
// point at every offset with its design height.
#include "stakeout.h"

#include "geometry/constants.h"
#include "numbers.h"
#include "profilelookup.h"
#include "sectionlookup.h"
#include "stationtext.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kOffsetInUse = 0.001;   // smaller offsets stake the centre line
constexpr double kEndTolerance = 0.001;  // a stake this close beyond End is still staked
constexpr double kSpareStakes = 4.0;
constexpr double kMostStakes = 1e12;  // beyond any road, well inside a long

bool inUse(double offset)
{
    return std::fabs(offset) > kOffsetInUse;
}

bool beyondEnd(const StakeOutRun& run, double station)
{
    if (run.end == run.start)
        return false;
    return run.end > run.start ? station > run.end + kEndTolerance
                               : station < run.end - kEndTolerance;
}

enum class Step { Moved, AtEnd, Broken };

// Steps the walk on. It stood on the last stake of the run when it reports
// the end without moving; reporting the end somewhere else is how it ends a
// step that could not go on.
Step advance(const RoadSet& road, RoadIter& it, bool forward)
{
    const int lastType = forward ? RoadIter::Tail : RoadIter::Head;
    if (it.type() == lastType)
        return Step::AtEnd;
    const double before = it.current();
    road.iter(it, forward);
    if (it.type() != lastType)
        return Step::Moved;
    return it.current() == before ? Step::AtEnd : Step::Broken;
}

// Left to right, each offset once.
std::vector<double> sortedOffsets(std::vector<double> offsets)
{
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
    return offsets;
}

bool allFinite(const StakePoint& p)
{
    return std::isfinite(p.station) && std::isfinite(p.x) && std::isfinite(p.y) &&
           std::isfinite(p.height);
}

// The points of one stake, one per offset, with their design heights.
class StakeSite
{
public:
    explicit StakeSite(const RoadSet& road) : road_(road), profile_(road), sections_(road) {}

    // False when a point is no number; the points before it have been visited.
    bool stake(const RoadIter& it, const std::vector<double>& offsets,
               const std::function<void(const StakePoint&)>& visit) const
    {
        StakePoint p;
        p.station = it.current();
        p.stakeType = it.type();
        double centreHeight = 0.0;  // stays 0 off the profile
        profile_.elevation(p.station, &centreHeight);
        // The centre-line point once; the points across it as RoadSet::L2XY
        // moves them, with the direction's cosine and sine once per stake.
        double centreX = 0.0;
        double centreY = 0.0;
        double azimuth = 0.0;
        road_.L2XY(it, 0.0, &centreX, &centreY, &azimuth);
        const double acrossX = std::cos(azimuth + geometry::kHalfPi);
        const double acrossY = std::sin(azimuth + geometry::kHalfPi);
        for (const double offset : offsets) {
            p.offset = offset;
            p.x = centreX + offset * acrossX;
            p.y = centreY + offset * acrossY;
            p.height = centreHeight;
            if (inUse(offset))
                p.height += sections_.heightDifference(p.station, offset);
            if (!allFinite(p))
                return false;
            visit(p);
        }
        return true;
    }

private:
    const RoadSet& road_;
    const ProfileLookup profile_;
    const SectionLookup sections_;
};

}  // namespace

std::string stakePointName(const StakePoint& p)
{
    std::string name = stationText(p.station);
    if (inUse(p.offset)) {
        name += p.offset < 0.0 ? 'L' : 'R';
        numbers::appendFixed(name, std::fabs(p.offset), 3);
    }
    return name;
}

long stakeLimit(const RoadSet& road, double interval)
{
    const int n = road.NumberOfHorizon();
    if (n < 2)
        return 0;
    const RoadEntity& last = *road.GetHorizon(n - 1);
    const double length = last.l1 + last.length - road.GetHorizon(1)->l1;
    double regular = length / interval;
    if (!(regular > 0.0))  // a road running back, or one that is no number
        regular = 0.0;
    return static_cast<long>(std::min(regular, kMostStakes) + n + kSpareStakes);
}

StakeOutStatus stakeOut(const RoadSet& road, const StakeOutRun& run,
                        const std::function<void(const StakePoint&)>& visit)
{
    if (!(run.interval >= StakeOutRun::kMinimumInterval))
        return StakeOutStatus::IntervalTooSmall;
    // Checked before sorting: a NaN has no place in an order.
    if (!std::all_of(run.offsets.begin(), run.offsets.end(),
                     [](double o) { return std::isfinite(o); }))
        return StakeOutStatus::NotANumber;
    const std::vector<double> offsets = sortedOffsets(run.offsets);
    RoadIter it;
    if (road.first(it, run.interval, run.start, run.integral, run.keyPoints) == 0)
        return StakeOutStatus::Done;  // no alignment, no stakes
    if (!std::isfinite(it.startL) || !std::isfinite(it.endL))
        return StakeOutStatus::NotANumber;

    const StakeSite site(road);
    const bool forward = run.end > run.start;
    const long limit = stakeLimit(road, run.interval);
    for (long stakes = 1;; ++stakes) {
        if (beyondEnd(run, it.current()))
            return StakeOutStatus::Done;
        if (stakes > limit)
            return StakeOutStatus::WalkBroken;
        if (!site.stake(it, offsets, visit))
            return StakeOutStatus::NotANumber;
        switch (advance(road, it, forward)) {
        case Step::Moved:
            break;
        case Step::AtEnd:
            return StakeOutStatus::Done;
        case Step::Broken:
            return StakeOutStatus::WalkBroken;
        }
    }
}

StakeOutStatus stakeOut(const RoadSet& road, const StakeOutRun& run, StakeText& text)
{
    text.reserve(stakeLimit(road, run.interval) * static_cast<long long>(run.offsets.size()));
    return stakeOut(road, run, [&text](const StakePoint& p) { text.add(p); });
}

bool parseOffsets(std::string_view text, std::vector<double>& offsets, std::string& unreadable)
{
    if (numbers::trimmed(text).empty()) {
        offsets = {0.0};
        return true;
    }
    std::vector<double> read;
    for (;;) {
        const std::size_t comma = text.find(',');
        const std::string_view entry = numbers::trimmed(text.substr(0, comma));
        double value = 0.0;
        if (entry.empty() || numbers::parse(entry, value) != entry.size() ||
            !std::isfinite(value)) {
            unreadable = std::string(entry);
            return false;
        }
        read.push_back(value);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    offsets = std::move(read);
    return true;
}
