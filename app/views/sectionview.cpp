#include "sectionview.h"

#include "globals.h"

#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QLabel>

SectionView::SectionView(QWidget* parent) : SurveyView(parent)
{
    infoLabel()->setText(segmentTemplate().arg(QString(), QString(), QString(), QString(),
                                               QString()));
}

QString SectionView::segmentTemplate()
{
    return tr("<table width=\"300\" bgcolor=\"#ffff80\" border=\"1\" cellspacing=\"0\" "
              "style=\"font-family:Arial,Helvetica,sans-serif\">"
              "<tr><td bgcolor=\"#c0c0c0\">Attribute</td><td bgcolor=\"#c0c0c0\">Value</td></tr>"
              "<tr><td bgcolor=\"#808080\">Slope</td><td bgcolor=\"#ffffff\">%1</td></tr>"
              "<tr><td><b>Start</b></td><td></td></tr>"
              "<tr><td bgcolor=\"#808080\">dist</td><td bgcolor=\"#ffffff\">%2</td></tr>"
              "<tr><td bgcolor=\"#808080\">dh</td><td bgcolor=\"#ffffff\">%3</td></tr>"
              "<tr><td><b>End</b></td><td></td></tr>"
              "<tr><td bgcolor=\"#808080\">dist</td><td bgcolor=\"#ffffff\">%4</td></tr>"
              "<tr><td bgcolor=\"#808080\">dh</td><td bgcolor=\"#ffffff\">%5</td></tr>"
              "</table>");
}

void SectionView::refresh()
{
    clearScene();
    addSide(theRoad.GetTemplateByName(leftName_), Left);
    addSide(theRoad.GetTemplateByName(rightName_), Right);
    fitToView(scene()->itemsBoundingRect());
}

void SectionView::addSide(const RoadTemplate* t, Side side)
{
    if (!t)
        return;
    const double sign = side == Left ? -1.0 : 1.0;
    QPen pen(Qt::white);
    pen.setCosmetic(true);
    QPointF previous(0.0, 0.0);
    for (std::size_t j = 0; j < t->items.size(); ++j) {
        const SectionItem& b = t->items[j];
        const QPointF current(b.dh, sign * b.dist);
        auto* line = new QGraphicsLineItem(QLineF(previous, current));
        line->setPen(pen);
        line->setData(0, static_cast<int>(j));
        line->setData(1, static_cast<int>(side));
        scene()->addItem(line);
        previous = current;
    }
}

void SectionView::pick(const QPoint& pos)
{
    auto* line = itemNear<QGraphicsLineItem>(pos);
    if (!line)
        return;
    selectItem(line, Qt::white);
    const int j = line->data(0).toInt();
    const RoadTemplate* t = theRoad.GetTemplateByName(line->data(1).toInt() == Right ? rightName_
                                                                                       : leftName_);
    if (!t || j < 0 || static_cast<std::size_t>(j) >= t->items.size())
        return;
    const SectionItem start = j == 0 ? SectionItem{} : t->items[j - 1];
    const SectionItem& end = t->items[j];
    const double slope = (end.dh - start.dh) / (end.dist - start.dist);
    showInfo(segmentTemplate().arg(slope).arg(start.dist).arg(start.dh).arg(end.dist).arg(end.dh));
}
