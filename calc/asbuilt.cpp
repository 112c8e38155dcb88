// The as-built check: each surveyed point's foot on the centre line, or its
// place beyond an end of the road, and the design height there.
#include "asbuilt.h"

#include "atomicfile.h"
#include "profilelookup.h"
#include "sectionlookup.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <system_error>
#include <thread>

namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
// A point no farther beyond an end lies at it, as a station no farther
// beyond it still lies on the road.
constexpr double kEndTolerance = 0.001;
// The report's resolution of stations: a millimetre.
constexpr double kStationsPerMetre = 1000.0;
// Points checked by one thread between two looks at the progress.
constexpr std::size_t kPointsPerRun = 8192;

// Where a road ends, and where it lies beyond an end: on the end tangent
// continued.
struct RoadEnd
{
    double x, y, cosine, sine, station;

    // How far (x, y) lies along the tangent, ahead of the end.
    double along(double px, double py) const { return (px - x) * cosine + (py - y) * sine; }
    // How far to the right of the tangent.
    double across(double px, double py) const { return (py - y) * cosine - (px - x) * sine; }
};

// The boundaries of the elements: where a point that no element faces —
// outside a corner without a curve — has its nearest point on the centre
// line. Sorted by X, searched outwards from the point's X.
class Corners
{
public:
    explicit Corners(const RoadSet& road)
    {
        const int n = road.NumberOfHorizon();
        for (int i = 1; i < n; ++i) {
            const RoadEntity& e = *road.GetHorizon(i);
            if (i == 1)
                add(e.x1, e.y1, e.angle1, e.angle1, e.l1);
            const double next = i + 1 < n ? road.GetHorizon(i + 1)->angle1 : e.angle2;
            add(e.x2, e.y2, e.angle2, next, e.l1 + e.length);
        }
        std::sort(corners_.begin(), corners_.end(),
                  [](const Corner& a, const Corner& b) { return a.x < b.x; });
    }

    // The station of the nearest corner and the distance to it, signed by
    // the side of the road's direction there.
    void nearest(double x, double y, double& station, double& offset) const
    {
        const auto from = std::lower_bound(corners_.begin(), corners_.end(), x,
                                           [](const Corner& c, double v) { return c.x < v; });
        const Corner* best = nullptr;
        double bestDistance = std::numeric_limits<double>::infinity();
        const auto consider = [&](const Corner& c) {
            const double d = (c.x - x) * (c.x - x) + (c.y - y) * (c.y - y);
            if (d < bestDistance) {
                bestDistance = d;
                best = &c;
            }
        };
        for (auto c = from; c != corners_.end() && (c->x - x) * (c->x - x) < bestDistance; ++c)
            consider(*c);
        for (auto c = from;
             c != corners_.begin() && (x - (c - 1)->x) * (x - (c - 1)->x) < bestDistance; --c)
            consider(*(c - 1));
        if (!best) {  // coordinates that are no numbers
            station = offset = kNoValue;
            return;
        }
        station = best->station;
        const double side = (y - best->y) * best->cosine - (x - best->x) * best->sine;
        offset = std::copysign(std::sqrt(bestDistance), side);
    }

private:
    struct Corner
    {
        double x, y, cosine, sine, station;
    };

    // A corner's direction halves the turn between the azimuths in and out.
    void add(double x, double y, double in, double out, double station)
    {
        if (!std::isfinite(x) || !std::isfinite(y))
            return;  // no place, and no order among the others
        double cosine = std::cos(in) + std::cos(out);
        double sine = std::sin(in) + std::sin(out);
        const double length = std::hypot(cosine, sine);
        if (!(length > 1e-12)) {  // a turn back: the incoming direction
            cosine = std::cos(in);
            sine = std::sin(in);
        } else {
            cosine /= length;
            sine /= length;
        }
        corners_.push_back({x, y, cosine, sine, station});
    }

    std::vector<Corner> corners_;
};

// What the check needs of a road, taken once; queried by many threads,
// as the road itself is.
class PointChecker
{
public:
    explicit PointChecker(const RoadSet& road)
        : road_(road), corners_(road), profile_(road), sections_(road)
    {
        const RoadEntity& first = *road.GetHorizon(1);
        const RoadEntity& last = *road.GetHorizon(road.NumberOfHorizon() - 1);
        start_ = {first.x1, first.y1, std::cos(first.angle1), std::sin(first.angle1), first.l1};
        end_ = {last.x2, last.y2, std::cos(last.angle2), std::sin(last.angle2),
                last.l1 + last.length};
    }

    PointCheck check(const SurveyedPoint& p) const
    {
        PointCheck c;
        double footX = 0.0;
        double footY = 0.0;
        double azimuth = 0.0;
        const bool found = road_.XY2L(p.x, p.y, &footX, &footY, &c.station, &azimuth, &c.offset);
        // Beyond an end unless an element faces the point from nearer (a
        // road that comes round again).
        const RoadEnd* end = endBeyond(p);
        if (end && (!found || distance(*end, p) < std::fabs(c.offset))) {
            c.place = end == &start_ ? PointCheck::BeforeStart : PointCheck::AfterEnd;
            c.station = end->station + end->along(p.x, p.y);
            c.offset = end->across(p.x, p.y);
            c.design = c.difference = kNoValue;
            return c;
        }
        if (!found)
            corners_.nearest(p.x, p.y, c.station, c.offset);
        c.design = designHeight(c.station, c.offset);
        c.difference = p.height - c.design;
        return c;
    }

private:
    static double distance(const RoadEnd& end, const SurveyedPoint& p)
    {
        return std::hypot(p.x - end.x, p.y - end.y);
    }

    // The end the point lies beyond, the nearer one if both; null for none.
    const RoadEnd* endBeyond(const SurveyedPoint& p) const
    {
        const bool beforeStart = -start_.along(p.x, p.y) > kEndTolerance;
        const bool afterEnd = end_.along(p.x, p.y) > kEndTolerance;
        if (beforeStart && afterEnd)
            return distance(start_, p) < distance(end_, p) ? &start_ : &end_;
        if (beforeStart)
            return &start_;
        return afterEnd ? &end_ : nullptr;
    }

    // At the station as reported, to the millimetre: where the templates
    // change, a point staked at the boundary station would otherwise take
    // either side's by a rounding of its foot.
    double designHeight(double station, double offset) const
    {
        station = std::round(station * kStationsPerMetre) / kStationsPerMetre;
        double height = 0.0;
        if (!profile_.elevation(station, &height))
            return kNoValue;
        return offset != 0.0 ? height + sections_.heightDifference(station, offset) : height;
    }

    const RoadSet& road_;
    const Corners corners_;
    const ProfileLookup profile_;
    const SectionLookup sections_;
    RoadEnd start_{};
    RoadEnd end_{};
};

}  // namespace

bool canCheckAgainst(const RoadSet& road)
{
    return road.NumberOfHorizon() >= 2;
}

bool checkSurvey(const RoadSet& road, const std::vector<SurveyedPoint>& points,
                 std::vector<PointCheck>& checks,
                 const std::function<bool(std::size_t checked)>& progress)
{
    checks.clear();
    if (!canCheckAgainst(road))
        return false;
    const PointChecker checker(road);
    checks.resize(points.size());

    // Runs of points are handed out to the threads in turn.
    const std::size_t runs = (points.size() + kPointsPerRun - 1) / kPointsPerRun;
    std::atomic<std::size_t> nextRun{0};
    std::atomic<std::size_t> checked{0};
    std::atomic<bool> cancelled{false};
    const auto checkRun = [&]() {
        const std::size_t run = nextRun.fetch_add(1);
        if (run >= runs || cancelled.load())
            return false;
        const std::size_t first = run * kPointsPerRun;
        const std::size_t last = std::min(first + kPointsPerRun, points.size());
        for (std::size_t i = first; i < last; ++i)
            checks[i] = checker.check(points[i]);
        checked.fetch_add(last - first);
        return true;
    };

    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t helpers = std::min(cores, std::max<std::size_t>(runs, 1)) - 1;
    std::vector<std::thread> threads;
    threads.reserve(helpers);
    for (std::size_t t = 0; t < helpers; ++t) {
        try {
            threads.emplace_back([&checkRun] {
                while (checkRun()) {
                }
            });
        } catch (const std::system_error&) {
            break;  // the threads there are share the work
        }
    }
    while (checkRun()) {
        if (progress && !progress(checked.load()))
            cancelled = true;
    }
    for (std::thread& t : threads)
        t.join();
    if (cancelled) {
        checks.clear();
        return false;
    }
    if (progress)
        progress(points.size());
    return true;
}

bool writeCheckReport(const std::string& path, std::string_view text)
{
    return writeFileAtomically(path, text);
}
