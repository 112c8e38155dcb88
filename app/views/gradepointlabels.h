// The change-of-grade points in the profile: each marked where its grade
// lines meet, the tangents of its vertical curve dashed, and labelled with
// its station, elevation, the grades on both sides in per cent and its
// vertical curve (radius, tangent length) — above a crest, below a sag.
#ifndef VANTOREL_VIEWS_GRADEPOINTLABELS_H
#define VANTOREL_VIEWS_GRADEPOINTLABELS_H

#include "roadset.h"

#include <QCoreApplication>
#include <QPointF>
#include <QString>
#include <QTransform>

#include <optional>
#include <vector>

class QPainter;
class ScreenLabels;

class GradePointLabels
{
    Q_DECLARE_TR_FUNCTIONS(GradePointLabels)

public:
    // Takes the road's profile as it is now.
    void rebuild(RoadSet& road);

    void drawTangents(QPainter* painter, const QTransform& transform, const QRectF& seen) const;
    void label(ScreenLabels& labels, const QTransform& transform) const;

    // The label of one point: station, elevation, the grades on the sides
    // it has, its vertical curve.
    static QString pointText(const VerticalEntity& point, std::optional<double> gradeIn,
                             std::optional<double> gradeOut);

private:
    struct Point
    {
        QPointF at;        // local: height, station
        QPointF curveIn;   // local: where its vertical curve leaves the grade before
        QPointF curveOut;  // and where it joins the one after
        bool crest;
        QString text;
        QString shortText;  // the station alone, for a crowded spot
    };
    std::vector<Point> points_;
};

#endif  // VANTOREL_VIEWS_GRADEPOINTLABELS_H
