#include "mygraphicsview.h"

#include "globals.h"
#include "griditem.h"
#include "roadgraphicsitem.h"
#include "roadtextitem.h"

#include <QGraphicsScene>
#include <QLabel>

MyGraphicsView::MyGraphicsView(QWidget* parent) : SurveyView(parent)
{
    infoLabel()->setText(
        attributeTemplate().arg(QString(), QString(), QString(), QString(), QString())
            .arg(QString(), QString(), QString(), QString(), QString())
            .arg(QString()));
}

QString MyGraphicsView::attributeTemplate()
{
    return tr("<table width=\"300\" bgcolor=\"#ffff80\" border=\"1\" cellspacing=\"0\" "
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
    infoLabel()->hide();
    clearScene();
    for (int i = 0; i < theRoad.NumberOfHorizon(); ++i) {
        scene()->addItem(new RoadGraphicsItem(i));
        scene()->addItem(new RoadTextItem(i));
    }
    fitToView(GridItem::addBehind(scene()));
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
    case 1:
        type = tr("Line");
        azimuth = QString::number(rad2dms(e->angle1));
        length = QString::number(e->length);
        break;
    case 2:
        type = tr("Arc");
        radius = QString::number(e->radius);
        length = QString::number(e->length);
        offset = QString::number(rad2dms(e->length / e->radius));
        break;
    case 3:
        type = tr("Spiral");
        length = QString::number(e->length);
        break;
    default:
        return QString();
    }
    return attributeTemplate()
        .arg(type, azimuth, radius, length, offset)
        .arg(e->x1)
        .arg(e->y1)
        .arg(e->l1)
        .arg(e->x2)
        .arg(e->y2)
        .arg(e->l1 + e->length);
}
