#ifndef VANTOREL_VIEWS_ROADGRAPHICSITEM_H
#define VANTOREL_VIEWS_ROADGRAPHICSITEM_H

#include "drawnpathitem.h"

// One horizontal element in plan, green. Curved elements are drawn as
// polylines with chords of about 20 pixels at the current zoom; only the
// elements in sight are sampled again when the zoom changes, so that a step
// costs the same on a 100 km road as on a short one.
class RoadGraphicsItem : public DrawnPathItem
{
public:
    static constexpr double kChordPixels = 20.0;
    static constexpr double kInitialChord = 20.0;   // metres, at construction
    static constexpr int kMaxChords = 4096;         // per element, at any zoom

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
};

#endif  // VANTOREL_VIEWS_ROADGRAPHICSITEM_H
