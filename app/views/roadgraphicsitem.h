#ifndef VANTOREL_VIEWS_ROADGRAPHICSITEM_H
#define VANTOREL_VIEWS_ROADGRAPHICSITEM_H

#include "drawnpathitem.h"

#include <vector>

// One horizontal element in plan, green. Curved elements are drawn as
// polylines with chords of about 20 pixels at the current zoom; only the
// elements in sight are sampled again when the zoom changes, so that a step
// costs the same on a 100 km road as on a short one. Points a fixed fraction
// of the element apart are computed once; a chord at least that long is
// drawn through them, only a shorter one asks the element again.
class RoadGraphicsItem : public DrawnPathItem
{
public:
    static constexpr double kChordPixels = 20.0;
    static constexpr double kInitialChord = 20.0;  // metres, at construction
    static constexpr int kMaxChords = 4096;        // per element, at any zoom
    static constexpr int kKeptPoints = 128;        // chords between the points kept

    RoadGraphicsItem(int index, QGraphicsItem* parent = nullptr);

    int index() const { return data(0).toInt(); }
    double chordLength() const { return chord_; }

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    void build(double chord);
    bool inSight(const QTransform& transform) const;

    bool curved_ = false;
    double chord_ = 0.0;
    std::vector<QPointF> kept_;  // every spacing_ metres, both ends included
    double spacing_ = 0.0;
};

#endif  // VANTOREL_VIEWS_ROADGRAPHICSITEM_H
