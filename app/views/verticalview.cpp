#include "verticalview.h"

#include "globals.h"
#include "griditem.h"
#include "vgraphicsitem.h"

#include <QGraphicsScene>
#include <QLabel>

VerticalView::VerticalView(QWidget* parent) : SurveyView(parent) {}

void VerticalView::refresh()
{
    clearScene();
    const int n = theRoad.NumberOfVertical();
    for (int i = 0; i + 1 < n; ++i) {
        if (i > 0)
            scene()->addItem(new VGraphicsItem(i));
        scene()->addItem(new VGraphicsItem(i, i + 1));
    }
    fitToView(GridItem::addBehind(scene()));
}

void VerticalView::pick(const QPoint& pos)
{
    auto* item = itemNear<VGraphicsItem>(pos);
    if (!item)
        return;
    selectItem(item, item->colour());
    showInfo(pointTable(item->kind() == VGraphicsItem::Curve ? item->firstIndex()
                                                             : item->secondIndex()));
}

// The change-of-grade point a picked piece leads to: station, height, the
// grades on both sides and its vertical curve.
QString VerticalView::pointTable(int index) const
{
    const VerticalEntity* v = theRoad.GetVertical(index);
    const VerticalEntity* before = theRoad.GetVertical(index - 1);
    if (!v)
        return QString();
    return tr("<table width=\"300\" bgcolor=\"#ffff80\" border=\"1\" cellspacing=\"0\" "
              "style=\"font-family:Arial,Helvetica,sans-serif\">"
              "<tr><td bgcolor=\"#c0c0c0\">Attribute</td><td bgcolor=\"#c0c0c0\">Value</td></tr>"
              "<tr><td bgcolor=\"#808080\">Mile</td><td bgcolor=\"#ffffff\">%1</td></tr>"
              "<tr><td bgcolor=\"#808080\">Height</td><td bgcolor=\"#ffffff\">%2</td></tr>"
              "<tr><td bgcolor=\"#808080\">Grade in</td><td bgcolor=\"#ffffff\">%3</td></tr>"
              "<tr><td bgcolor=\"#808080\">Grade out</td><td bgcolor=\"#ffffff\">%4</td></tr>"
              "<tr><td bgcolor=\"#808080\">Radius</td><td bgcolor=\"#ffffff\">%5</td></tr>"
              "<tr><td bgcolor=\"#808080\">Tangent</td><td bgcolor=\"#ffffff\">%6</td></tr>"
              "</table>")
        .arg(v->mile)
        .arg(v->height)
        .arg(before ? QString::number(before->slope) : QString())
        .arg(index + 1 < theRoad.NumberOfVertical() ? QString::number(v->slope) : QString())
        .arg(v->radius)
        .arg(v->tangent);
}
