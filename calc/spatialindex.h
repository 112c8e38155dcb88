// Where a point lies on the road: the element facing it whose foot is
// nearest, found through a hierarchy of the elements' bounding boxes.
#ifndef TRAZEL_SPATIALINDEX_H
#define TRAZEL_SPATIALINDEX_H

#include "roadset.h"

#include <vector>

// The foot of a point on the element chosen for it.
struct RoadFoot
{
    int element = 0;  // index in the element list; 0 when no element faces the point
    double x = 0.0;
    double y = 0.0;
    double station = 0.0;
    double azimuth = 0.0;
    double offset = 0.0;
    double chordDistance = 0.0;  // squared, from the point to the element's chord middle
};

// A tree over the elements in road order: every node holds the box of its
// elements' curves and the range of their end tangents. A query descends
// nearest box first and leaves out nodes farther than the best foot so far,
// and nodes whose every end normal has the point on one side (no element
// there can face it). Elements whose stored ends do not match their own
// geometry, which the tree cannot bound, are tried for every point.
class SpatialIndex
{
public:
    explicit SpatialIndex(const std::vector<RoadEntity>& elements);

    // Whether the index was built from this very list (same storage and length).
    bool describes(const std::vector<RoadEntity>& elements) const;

    // Of the elements that face (x, y), the one with the nearest foot; on an
    // exact tie the one whose chord middle is nearer, then the earlier one.
    // An element faces a point that lies ahead of its start and behind its
    // end; one turning by more than half a circle, a point whose foot lies
    // on it.
    RoadFoot nearestFoot(const std::vector<RoadEntity>& elements, double x, double y) const;

private:
    // What the facing test needs of an element: its ends with unit tangents.
    struct Ends
    {
        int element;
        double x1, y1, cos1, sin1;
        double x2, y2, cos2, sin2;
        bool wide;  // turns by more than half a circle
    };

    struct Box
    {
        double minX, minY, maxX, maxY;
    };

    struct Node
    {
        Box box;
        // The end tangents lie within coneHalfWidth of the direction
        // (coneX, coneY); `sided` when that is less than a right angle and
        // no element turns by more than half a circle.
        double coneX, coneY, coneCos, coneSin;
        double halfDiagonal;  // of the box
        bool sided;
        int ends;  // a leaf: its element in ends_; otherwise -1
        int left;  // the children, for a node that is not a leaf
        int right;
    };

    // The range of end tangent directions of a run of elements, unwrapped
    // along the road; `wide` when one of them turns by more than half a circle.
    struct Tangents
    {
        double lowest, highest;
        bool wide;
    };

    // Appends the subtree over ends_[first, last) to nodes_.
    Tangents build(int first, int last, const std::vector<Box>& boxes,
                   const std::vector<Tangents>& tangents);
    bool allOnOneSide(const Node& node, double x, double y) const;
    void consider(const std::vector<RoadEntity>& elements, const Ends& e, double x, double y,
                  RoadFoot& best) const;

    const RoadEntity* data_;
    std::size_t size_;
    std::vector<Ends> ends_;   // the elements in the tree, in road order
    std::vector<Ends> loose_;  // the elements tried for every point
    std::vector<Node> nodes_;  // the root first
};

#endif  // TRAZEL_SPATIALINDEX_H
