// Surveyed points on the plan, a dot each, coloured by how they compare
// with the design. They are no scene items: each repaint sets their pixels
// in one image the size of the plot, in one pass over the points in sight,
// so that a survey of a million points costs milliseconds. Runs of points
// in file order, which a survey keeps close together, carry their bounding
// box: runs out of sight are passed over whole, and a run that falls on one
// pixel is drawn as one dot.
#ifndef VANTOREL_VIEWS_SURVEYEDPOINTS_H
#define VANTOREL_VIEWS_SURVEYEDPOINTS_H

#include <QRectF>
#include <QTransform>

#include <vector>

class QPainter;

class SurveyedPoints
{
public:
    // In the order in which they win a pixel they share.
    enum Kind : unsigned char { Unchecked, Within, Fill, Cut };

    struct Point
    {
        double x;  // northing
        double y;  // easting
        Kind kind;
    };

    void set(std::vector<Point> points);
    bool isEmpty() const { return points_.empty(); }
    std::size_t size() const { return points_.size(); }

    // Draws the points that `transform` maps into `area` (viewport pixels).
    void draw(QPainter* painter, const QTransform& transform, const QRectF& area) const;

private:
    static constexpr std::size_t kBlockPoints = 256;

    struct Block
    {
        std::size_t first, last;
        double minX, minY, maxX, maxY;
        Kind worst;
    };

    std::vector<Point> points_;
    std::vector<Block> blocks_;
};

#endif  // VANTOREL_VIEWS_SURVEYEDPOINTS_H
