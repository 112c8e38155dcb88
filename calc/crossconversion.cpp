// Elements to intersection points (PIs): the chain is cut into curve groups
// between straights, and each group becomes the PI where its outer tangents
// meet.
#include "roadset.h"

#include <cmath>

namespace {

enum ElementType { StartPoint = 0, Line = 1, Arc = 2, Spiral = 3 };

// Bits of a curve group's state while the chain is scanned.
enum GroupBits { EntrySpiral = 1, ExitSpiral = 2, CircularArc = 4 };

constexpr double kCurvatureTolerance = 1e-8;
constexpr double kMinArcRadius = 0.001;
// Tangents closer to parallel than this never meet at a usable point.
constexpr double kParallel = 1e-9;

// The point where the tangent through S at azimuth θ1 meets the tangent
// through E at azimuth θ2 (law of sines in the triangle S, PI, E): fills x, y,
// both tangent lengths and the deflection θ2 − θ1 of `pi`. False, with `pi`
// untouched, when the tangents are parallel.
bool intersectTangents(double sx, double sy, double theta1, double ex, double ey, double theta2,
                       CrossEntity& pi)
{
    const double delta = theta2 - theta1;
    const double sinDelta = std::sin(delta);
    if (!(std::fabs(sinDelta) >= kParallel))
        return false;
    const double chord = std::hypot(ex - sx, ey - sy);
    const double phi = std::atan2(ey - sy, ex - sx);
    pi.tangentLenIn = std::sin(theta2 - phi) * chord / sinDelta;
    pi.tangentLenOut = std::sin(phi - theta1) * chord / sinDelta;
    pi.x = sx + std::cos(theta1) * pi.tangentLenIn;
    pi.y = sy + std::sin(theta1) * pi.tangentLenIn;
    pi.angle = delta;
    return true;
}

// How an element can take part in a curve group.
enum class GroupPart { Straight, Entry, Exit, Circle, Inexpressible, Ignored };

bool isZeroCurvature(double rou)
{
    return std::fabs(rou) < kCurvatureTolerance;
}

bool sameCurvature(double a, double b)
{
    return std::fabs(a - b) < kCurvatureTolerance;
}

GroupPart groupPartOf(const RoadEntity& e)
{
    switch (e.type) {
    case Line:
        return GroupPart::Straight;
    case Arc:
        return GroupPart::Circle;
    case Spiral:
        if (isZeroCurvature(e.rou1) && !isZeroCurvature(e.rou2))
            return GroupPart::Entry;
        if (!isZeroCurvature(e.rou1) && isZeroCurvature(e.rou2))
            return GroupPart::Exit;
        return GroupPart::Inexpressible;
    default:
        return GroupPart::Ignored;
    }
}

}  // namespace

int RoadSet::CheckStateAndAddCross(int& groupState, _PARA_ADD_CROSS& para)
{
    const int s = groupState;
    if (s < (EntrySpiral | ExitSpiral))
        return s == EntrySpiral || s == ExitSpiral ? s : 0;
    if (!para.first || !para.arc || !para.last)
        return -1;

    const RoadEntity& first = *para.first;
    const RoadEntity& arc = *para.arc;
    const RoadEntity& last = *para.last;
    const bool entry = s & EntrySpiral;
    const bool exit = s & ExitSpiral;
    const bool circle = s & CircularArc;
    if (!sameCurvature(first.rou2, last.rou1))
        return -1;
    if (entry && !isZeroCurvature(first.rou1))
        return -1;
    if (exit && !isZeroCurvature(last.rou2))
        return -1;
    if (circle &&
        !(std::fabs(arc.radius) >= kMinArcRadius && sameCurvature(first.rou2, 1.0 / arc.radius) &&
          sameCurvature(last.rou1, 1.0 / arc.radius)))
        return -1;
    if (!circle && isZeroCurvature(last.rou1))
        return -1;  // two spirals that meet on a straight are no curve
    // One curve turns one way: a group that changes direction is an S-bend.
    if (first.pz != last.pz || arc.pz != first.pz)
        return -1;

    CrossEntity pi;
    if (!intersectTangents(first.x1, first.y1, first.angle1, last.x2, last.y2, last.angle2, pi))
        return -1;
    pi.l = first.l1 + pi.tangentLenIn;
    pi.arcLen = circle ? arc.length : 0.0;
    pi.spiralLenIn = entry ? first.length : 0.0;
    pi.spiralLenOut = exit ? last.length : 0.0;
    pi.radius = circle ? arc.radius : 1.0 / last.rou1;
    cross.push_back(pi);

    para = _PARA_ADD_CROSS();
    groupState = 0;
    return 0;
}

bool RoadSet::ToCross_v2()
{
    cross.clear();
    if (horizon.size() < 2 || horizon.front().type != StartPoint)
        return false;

    const RoadEntity& start = horizon.front();
    CrossEntity begin;
    begin.x = start.x1;
    begin.y = start.y1;
    begin.l = start.l1;
    cross.push_back(begin);

    int s = 0;
    _PARA_ADD_CROSS para;
    const auto scan = [this, &s, &para]() {
        for (std::size_t i = 1; i < horizon.size(); ++i) {
            RoadEntity& e = horizon[i];
            switch (groupPartOf(e)) {
            case GroupPart::Straight:
                if (CheckStateAndAddCross(s, para) != 0)
                    return false;
                break;
            case GroupPart::Entry:
                if (CheckStateAndAddCross(s, para) != 0)
                    return false;
                s |= EntrySpiral;
                para.first = &e;
                break;
            case GroupPart::Exit:
                if ((s & ExitSpiral) || !(s & (EntrySpiral | CircularArc)))
                    return false;
                s |= ExitSpiral;
                para.last = &e;
                if (!(s & CircularArc))
                    para.arc = &e;
                break;
            case GroupPart::Circle: {
                // An entry spiral waiting for its arc keeps the group open.
                const bool awaitingArc = s == EntrySpiral;
                if (CheckStateAndAddCross(s, para) != 0 && !awaitingArc)
                    return false;
                s |= CircularArc;
                para.arc = para.last = &e;
                if (!(s & EntrySpiral))
                    para.first = &e;
                break;
            }
            case GroupPart::Inexpressible:
                return false;
            case GroupPart::Ignored:
                break;
            }
        }
        return CheckStateAndAddCross(s, para) == 0;
    };
    if (!scan()) {
        cross.clear();
        return false;
    }

    const RoadEntity& last = horizon.back();
    CrossEntity end;
    end.x = last.x2;
    end.y = last.y2;
    end.l = last.l1 + last.length;
    cross.push_back(end);
    return true;
}

bool RoadSet::ToCross()
{
    cross.clear();
    const auto scan = [this]() {
        bool arcSeen = false;
        int spirals = 0;
        CrossEntity curve;
        bool straightSeen = false;
        double straightX = 0.0;
        double straightY = 0.0;
        double straightAzimuth = 0.0;

        for (std::size_t i = 0; i < horizon.size(); ++i) {
            const RoadEntity& e = horizon[i];
            switch (e.type) {
            case StartPoint: {
                CrossEntity p;
                p.x = e.x1;
                p.y = e.y1;
                p.l = e.l1;
                cross.push_back(p);
                break;
            }
            case Arc:
                if (arcSeen)
                    return false;
                arcSeen = true;
                curve.radius = e.radius;
                curve.arcLen = e.length;
                break;
            case Spiral:
                if (spirals == 2)
                    return false;
                (spirals == 0 ? curve.spiralLenIn : curve.spiralLenOut) = e.length;
                ++spirals;
                break;
            case Line:
                if (arcSeen || spirals > 0) {
                    // A curve needs the straight before it to have a PI.
                    if (!straightSeen || !intersectTangents(straightX, straightY, straightAzimuth,
                                                            e.x1, e.y1, e.angle1, curve))
                        return false;
                    cross.push_back(curve);
                }
                if (i + 1 == horizon.size()) {
                    CrossEntity end;
                    end.x = e.x2;
                    end.y = e.y2;
                    cross.push_back(end);
                    return true;
                }
                arcSeen = false;
                spirals = 0;
                curve = CrossEntity();
                straightSeen = true;
                straightX = e.x2;
                straightY = e.y2;
                straightAzimuth = e.angle1;
                break;
            default:
                break;
            }
        }
        return false;  // a chain that does not end on a straight
    };
    useCross = scan();
    if (!useCross)
        cross.clear();
    return useCross;
}
