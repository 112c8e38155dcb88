#ifndef TRAZEL_GEOMETRY_LOCALPOINT_H
#define TRAZEL_GEOMETRY_LOCALPOINT_H

namespace geometry {

// A point of an element in the element's own frame: u along the start
// tangent, v to the right of it, and the turn of the tangent since the start
// (positive to the right).
struct LocalPoint
{
    double u;
    double v;
    double turn;
};

// The world coordinates of a local point of an element that starts at
// (x1, y1) with azimuth `azimuth`.
struct WorldPoint
{
    double x;
    double y;
};

WorldPoint toWorld(double x1, double y1, double azimuth, double u, double v);

}  // namespace geometry

#endif  // TRAZEL_GEOMETRY_LOCALPOINT_H
