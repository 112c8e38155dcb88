// The plain records of the road model.
#include "roadset.h"

#include "geometry/constants.h"
#include "trazellog.h"

Trazel::Trazel() = default;

Trazel& Trazel::operator=(const Trazel&)
{
    return *this;
}

RoadEntity::RoadEntity()
{
    type = 0;
    Clear();
}

void RoadEntity::Clear()
{
    radius = rou1 = rou2 = 0.0;
    x1 = y1 = x2 = y2 = 0.0;
    angle1 = angle2 = 0.0;
    l1 = length = 0.0;
    pz = mode = 0;
}

void RoadEntity::Reset(double x1_, double y1_, double angle1_, double length_, double l1_,
                       int mode_)
{
    x1 = x1_;
    y1 = y1_;
    angle1 = angle1_;
    if (angle1 < 0.0)
        angle1 += geometry::kTwoPi;
    length = length_;
    l1 = l1_;
    mode = mode_;
}

void RoadEntity::Dump() const
{
    qCDebug(lcTrazel) << "type = " << type << ", x1 = " << x1 << ", y1 = " << y1
                      << ", angle1 = " << angle1 << ", len = " << length << ", rou1 = " << rou1
                      << ", rou2 = " << rou2 << ", x2 = " << x2 << ", y2 = " << y2
                      << ", angle2 = " << angle2;
}

CrossEntity::CrossEntity()
{
    ReSet();
}

void CrossEntity::ReSet()
{
    x = y = l = 0.0;
    radius = arcLen = spiralLenIn = spiralLenOut = 0.0;
    tangentLenIn = tangentLenOut = angle = 0.0;
}

void CrossEntity::Dump() const {}

VerticalEntity::VerticalEntity() : mile(0.0), height(0.0), slope(0.0), radius(0.0), tangent(0.0) {}
