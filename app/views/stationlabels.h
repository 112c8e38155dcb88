// The stations written along the plan's centre line: a tick with "K1+200"
// at a spacing that suits the zoom, and every element end marked with its
// kind and its station to the millimetre, "HY K0+540.000". Only what lies in
// sight is computed, so that a repaint costs the same on a 100 km road as on
// a short one.
#ifndef VANTOREL_VIEWS_STATIONLABELS_H
#define VANTOREL_VIEWS_STATIONLABELS_H

#include "roadset.h"

#include <QRectF>
#include <QString>
#include <QTransform>

#include <vector>

class ScreenLabels;

class StationLabels
{
public:
    static constexpr double kTickPixels = 90.0;  // fewest pixels between ticks along the road
    static constexpr int kMaxTicks = 300;        // ticks computed per repaint, at most
    // More element ends than this in sight cannot be told apart: none is marked.
    static constexpr int kMaxJoints = 300;

    // Takes the elements of the road as they are now.
    void rebuild(RoadSet& road);
    void paint(ScreenLabels& labels, const QTransform& transform) const;

private:
    struct Joint
    {
        QPointF at;  // local coordinates
        double azimuth;
        QString text;
    };
    // An element, cut into chunks short enough to tell which part of it
    // is in sight: any point of a chunk lies within half its length of one
    // of its two ends.
    struct Piece
    {
        RoadEntity element;
        QRectF bounds;                // local, all chunks grown by half a chunk
        std::vector<QPointF> points;  // local, at the chunk ends
        double chunk;                 // metres of road per chunk
    };
    struct Range
    {
        const Piece* piece;
        double from, to;  // stations
    };
    struct Tick
    {
        QPointF at;    // pixels
        QPointF left;  // unit normal to the left of the road, in pixels
        double station;
    };

    // Marks the element ends in sight, unless there are too many; whether
    // it did.
    bool paintJoints(ScreenLabels& labels, const QTransform& transform) const;
    // The stretches of road whose chunks reach into the local rectangle.
    std::vector<Range> rangesIn(const QRectF& local) const;
    std::vector<Tick> ticks(const std::vector<Range>& ranges, const QTransform& transform,
                            const QRectF& seen, double step, bool atElementEnds) const;

    std::vector<Joint> joints_;
    std::vector<Piece> pieces_;
};

#endif  // VANTOREL_VIEWS_STATIONLABELS_H
