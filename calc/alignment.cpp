// The element builders and the chain: each element starts where its
// predecessor ends, unless its mode keeps its own start point or azimuth.
#include "roadset.h"

#include "trazellog.h"

#include <cmath>

namespace {

constexpr int kOwnAzimuth = 1;
constexpr int kOwnStartPoint = 2;

RoadEntity element(int type)
{
    RoadEntity e;
    e.type = type;
    return e;
}

}  // namespace

void RoadSet::InsertHorizonPoint(double x, double y, double L)
{
    RoadEntity e = element(0);
    e.x1 = e.x2 = x;
    e.y1 = e.y2 = y;
    e.l1 = L;
    InsertHorizon(e);
}

void RoadSet::InsertHorizonLine(double angle, double length)
{
    RoadEntity e = element(1);
    e.angle1 = e.angle2 = angle;
    e.length = length;
    InsertHorizon(e);
}

void RoadSet::InsertHorizonLine(double length)
{
    RoadEntity e = element(1);
    e.length = length;
    InsertHorizon(e);
}

void RoadSet::InsertHorizonArc(double R, double length)
{
    RoadEntity e = element(2);
    e.pz = R > 0.0 ? 1 : 0;
    e.radius = std::fabs(R);
    e.rou1 = e.rou2 = e.radius > 0.0 ? 1.0 / e.radius : 0.0;
    e.length = length;
    InsertHorizon(e);
}

void RoadSet::InsertHorizonSpiral(double length)
{
    RoadEntity e = element(3);
    e.length = length;
    InsertHorizon(e);
}

int RoadSet::ApplyHorizon()
{
    return ApplyHorizon_v2();
}

int RoadSet::ApplyHorizon_v2()
{
    if (horizon.size() < 2)
        return 1;
    modified = true;
    horizonIndex.drop();

    double X = horizon[1].x1;
    double Y = horizon[1].y1;
    double A = horizon[1].angle1;
    double L = horizon[1].l1;
    qCDebug(lcTrazel) << "Enter ApplyHorizon";

    for (std::size_t i = 1; i < horizon.size(); ++i) {
        RoadEntity& e = horizon[i];
        if (!(e.mode & kOwnStartPoint)) {
            e.x1 = X;
            e.y1 = Y;
        }
        if (!(e.mode & kOwnAzimuth))
            e.angle1 = A;
        e.l1 = L;
        e.L2XY(e.l1 + e.length, &X, &Y, &A);
        e.x2 = X;
        e.y2 = Y;
        e.angle2 = A;
        L = e.l1 + e.length;
        qCDebug(lcTrazel) << "x2 = " << e.x2 << ", y2 = " << e.y2 << ", angle2 = " << e.angle2
                          << "\n";
    }
    return 0;
}
