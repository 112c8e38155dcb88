#include "mygraphicsview.h"

#include "globals.h"
#include "mapsymbols.h"
#include "numbertext.h"
#include "roadgraphicsitem.h"

#include <QGraphicsScene>
#include <QLabel>

#include <cmath>

MyGraphicsView::MyGraphicsView(QWidget* parent) : SurveyView(parent)
{
    setEmptyInfo(attributeTemplate()
                     .arg(QString(), QString(), QString(), QString(), QString())
                     .arg(QString(), QString(), QString(), QString(), QString())
                     .arg(QString()));
}

QString MyGraphicsView::attributeTemplate()
{
    return tr(
        "<table width=\"300\" bgcolor=\"#ffff80\" border=\"1\" cellspacing=\"0\" "
        "style=\"font-family:Arial,Helvetica,sans-serif\">"
        "<tr><td bgcolor=\"#c0c0c0\">Attribute</td><td bgcolor=\"#c0c0c0\">Value</td></tr>"
        "<tr><td bgcolor=\"#808080\">Type</td><td bgcolor=\"#ffffff\">%1</td></tr>"
        "<tr><td bgcolor=\"#808080\">Azimuth</td><td bgcolor=\"#ffffff\">%2</td></tr>"
        "<tr><td bgcolor=\"#808080\">Radius</td><td bgcolor=\"#ffffff\">%3</td></tr>"
        "<tr><td bgcolor=\"#808080\">Length</td><td bgcolor=\"#ffffff\">%4      </td></tr>"
        "<tr><td bgcolor=\"#808080\">Offset</td><td bgcolor=\"#ffffff\">%5</td></tr>"
        "<tr><td><b>Start</b></td><td><sub></sub></td></tr>"
        "<tr><td bgcolor=\"#808080\">X</td><td bgcolor=\"#ffffff\">%6</td></tr>"
        "<tr><td bgcolor=\"#808080\">Y</td><td bgcolor=\"#ffffff\">%7</td></tr>"
        "<tr><td bgcolor=\"#808080\">L</td><td bgcolor=\"#ffffff\">%8</td></tr>"
        "<tr><td><b>End</b></td><td></td></tr>"
        "<tr><td bgcolor=\"#808080\">X</td><td bgcolor=\"#ffffff\">%9</td></tr>"
        "<tr><td bgcolor=\"#808080\">Y</td><td bgcolor=\"#ffffff\">%10</td></tr>"
        "<tr><td bgcolor=\"#808080\">L</td><td bgcolor=\"#ffffff\">%11</td></tr>"
        "</table>");
}

void MyGraphicsView::refresh()
{
    clearScene();
    for (int i = 0; i < theRoad.NumberOfHorizon(); ++i)
        scene()->addItem(new RoadGraphicsItem(i));
    stations_.rebuild(theRoad);
    intersections_.rebuild(theRoad);
    QRectF extent = scene()->itemsBoundingRect();
    if (!intersections_.bounds().isEmpty())
        extent |= intersections_.bounds();
    fitToView(extent);
}

void MyGraphicsView::setSurveyedPoints(std::vector<SurveyedPoints::Point> points)
{
    surveyed_.set(std::move(points));
    viewport()->update();
}

QString MyGraphicsView::cursorText(double x, double y) const
{
    return tr("N %1  E %2").arg(numbertext::fixed(x), numbertext::fixed(y));
}

QString MyGraphicsView::axisText(Qt::Orientation axis, double value, int decimals) const
{
    return (axis == Qt::Vertical ? tr("N %1") : tr("E %1")).arg(numbertext::fixed(value, decimals));
}

void MyGraphicsView::drawUnderlay(QPainter* painter)
{
    intersections_.drawTangents(painter, itemTransform());
}

void MyGraphicsView::annotate(ScreenLabels& labels)
{
    // Over the road, under every label.
    surveyed_.draw(labels.painter(), itemTransform(), labels.placer().bounds());
    mapsymbols::drawNorthArrow(labels);
    mapsymbols::drawScaleBar(labels, std::fabs(itemTransform().m21()));
    intersections_.label(labels, itemTransform());
    stations_.paint(labels, itemTransform());
}

void MyGraphicsView::pick(const QPoint& pos)
{
    auto* item = itemNear<RoadGraphicsItem>(pos);
    if (!item)
        return;
    selectItem(item, item->colour());
    const QString table = attributeTable(item->index());
    if (table.isEmpty())
        return;
    showInfo(table);
}

QString MyGraphicsView::attributeTable(int index) const
{
    const RoadEntity* e = theRoad.GetHorizon(index);
    if (!e)
        return QString();
    QString type, azimuth, radius, length, offset;
    switch (e->type) {
    case 0:
        type = tr("Point");
        break;
    case 1: {
        type = tr("Line");
        double a = e->angle1;
        NormalizeRad(a);
        azimuth = numbertext::dms(a);
        length = numbertext::fixed(e->length);
        break;
    }
    case 2:
        type = tr("Arc");
        radius = numbertext::fixed(e->radius);
        length = numbertext::fixed(e->length);
        offset = numbertext::dms(e->length / e->radius);
        break;
    case 3:
        type = tr("Spiral");
        length = numbertext::fixed(e->length);
        break;
    default:
        return QString();
    }
    using numbertext::fixed;
    return attributeTemplate()
        .arg(type, azimuth, radius, length, offset)
        .arg(fixed(e->x1), fixed(e->y1), numbertext::station(e->l1), fixed(e->x2), fixed(e->y2))
        .arg(numbertext::station(e->l1 + e->length));
}
