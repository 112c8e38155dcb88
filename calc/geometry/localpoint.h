#ifndef TRAZEL_GEOMETRY_LOCALPOINT_H
#define TRAZEL_GEOMETRY_LOCALPOINT_H

namespace geometry {

// A point of an element in the element's own frame: u along the start
// tangent, v to the right of it, and the turn of the tangent since the start
// (positive to the right). A curve may give u and v in a frame turned by
// `frame` from the start tangent, to save a rotation of its own.
struct LocalPoint
{
    double u = 0.0;
    double v = 0.0;
    double turn = 0.0;
    double frame = 0.0;
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
