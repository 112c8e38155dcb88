// Station and offset <-> plane coordinates over the whole road.
#include "roadset.h"

#include "geometry/constants.h"
#include "spatialindex.h"
#include "trazellog.h"

#include <cmath>

using geometry::kHalfPi;

namespace {

constexpr double kStationTolerance = 0.001;

bool atOrAfter(double L, double station)
{
    return station < L || std::fabs(L - station) < kStationTolerance;
}

bool atOrBefore(double L, double station)
{
    return L < station || std::fabs(L - station) < kStationTolerance;
}

}  // namespace

void RoadSet::Offset(double& x, double& y, double offset, double angle) const
{
    x += offset * std::cos(angle + kHalfPi);
    y += offset * std::sin(angle + kHalfPi);
}

bool RoadSet::L2XY(double L, double offset, double* pX, double* pY, double* pAngle) const
{
    // A station on the boundary of two elements belongs to the earlier one.
    for (std::size_t i = 1; i < horizon.size(); ++i) {
        const RoadEntity& e = horizon[i];
        if (!atOrAfter(L, e.l1) || !atOrBefore(L, e.l1 + e.length))
            continue;
        double x = 0.0;
        double y = 0.0;
        double azimuth = 0.0;
        e.L2XY(L, &x, &y, &azimuth);
        if (pAngle)
            *pAngle = azimuth;
        Offset(x, y, offset, azimuth);
        *pX = x;
        *pY = y;
        qCDebug(lcTrazel) << "dL = " << L << ", *pX = " << x << ", *pY = " << y;
        return true;
    }
    return false;
}

int RoadSet::L2XY(const RoadIter& it, double offset, double* pX, double* pY, double* pAngle) const
{
    double x = 0.0;
    double y = 0.0;
    double azimuth = 0.0;
    const RoadEntity* e = GetHorizon(it.index);
    const RoadEntity* before = GetHorizon(it.index - 1);
    switch (it.stakeType) {
    case RoadIter::Norm:
        if (e)
            e->L2XY(it.station, &x, &y, &azimuth);
        break;
    case RoadIter::Head:
        if (e) {
            x = e->x1;
            y = e->y1;
            azimuth = e->angle1;
        }
        break;
    case RoadIter::Tail:
        if (e) {
            x = e->x2;
            y = e->y2;
            azimuth = e->angle2;
        }
        break;
    case RoadIter::Main:
        if (e && before) {
            x = (before->x2 + e->x1) / 2.0;
            y = (before->y2 + e->y1) / 2.0;
            azimuth = before->angle2;
        }
        break;
    default:
        break;
    }
    if (pAngle)
        *pAngle = azimuth;
    Offset(x, y, offset, azimuth);
    *pX = x;
    *pY = y;
    return it.stakeType;
}

bool RoadSet::XY2L(double x, double y, double* pX, double* pY, double* pL, double* pAngle,
                   double* pOffset) const
{
    const RoadFoot foot = horizonIndex.of(horizon).nearestFoot(horizon, x, y);
    if (foot.element == 0)
        return false;
    *pX = foot.x;
    *pY = foot.y;
    if (pL)
        *pL = foot.station;
    if (pAngle)
        *pAngle = foot.azimuth;
    if (pOffset)
        *pOffset = foot.offset;
    return true;
}
