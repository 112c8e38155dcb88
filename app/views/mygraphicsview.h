#ifndef VANTOREL_VIEWS_MYGRAPHICSVIEW_H
#define VANTOREL_VIEWS_MYGRAPHICSVIEW_H

#include "intersectionmarks.h"
#include "stationlabels.h"
#include "surveyedpoints.h"
#include "surveyview.h"

// The plan: the horizontal alignment in green, its stations and element
// ends, the intersection points of its curves, on a grid labelled with
// northings and eastings, north up and east to the right, with a north arrow
// and a scale bar; surveyed points being checked against the design, when
// there are any.
class MyGraphicsView : public SurveyView
{
    Q_OBJECT

public:
    explicit MyGraphicsView(QWidget* parent = nullptr);

    void refresh() override;
    // Shows these points over the road until others come (none: no more).
    void setSurveyedPoints(std::vector<SurveyedPoints::Point> points);
    const SurveyedPoints& surveyedPoints() const { return surveyed_; }

protected:
    void pick(const QPoint& pos) override;
    QString cursorText(double x, double y) const override;
    QString axisText(Qt::Orientation axis, double value, int decimals) const override;
    void drawUnderlay(QPainter* painter) override;
    void annotate(ScreenLabels& labels) override;

private:
    static QString attributeTemplate();
    QString attributeTable(int index) const;

    StationLabels stations_;
    IntersectionMarks intersections_;
    SurveyedPoints surveyed_;
};

#endif  // VANTOREL_VIEWS_MYGRAPHICSVIEW_H
