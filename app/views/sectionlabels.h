// The annotation of one cross-section: the stations it holds for as a title,
// the template of each side above it, the centre line, every break point
// with its offset and height difference, and every segment with its slope.
#ifndef VANTOREL_VIEWS_SECTIONLABELS_H
#define VANTOREL_VIEWS_SECTIONLABELS_H

#include "roadset.h"

#include <QCoreApplication>
#include <QLineF>
#include <QPointF>
#include <QString>
#include <QTransform>

#include <vector>

class QPainter;
class ScreenLabels;

class SectionLabels
{
    Q_DECLARE_TR_FUNCTIONS(SectionLabels)

public:
    // One side's template; a missing one adds nothing.
    void rebuild(const QString& title, const RoadTemplate* left, const RoadTemplate* right);

    void drawCentreLine(QPainter* painter, const QTransform& transform, const QRectF& plot) const;
    void label(ScreenLabels& labels, const QTransform& transform) const;

private:
    struct Label
    {
        QPointF at;  // local: height difference, offset
        QString text;
    };
    struct Slope
    {
        QLineF segment;  // local
        QString text;
    };
    void addSide(const RoadTemplate& t, double sign);

    QString title_;
    QString leftName_;
    QString rightName_;
    std::vector<Label> breaks_;
    std::vector<Slope> slopes_;
};

#endif  // VANTOREL_VIEWS_SECTIONLABELS_H
