#include "sectionview.h"

#include "globals.h"
#include "numbertext.h"

#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QLabel>

#include <cmath>
#include <limits>

namespace {

constexpr double kTitleRoom = 70.0;  // pixels above the drawing: title, side names
constexpr double kLabelRoom = 40.0;  // pixels on the other sides: break labels

}  // namespace

SectionView::SectionView(QWidget* parent)
    : SurveyView(parent),
      from_(std::numeric_limits<double>::quiet_NaN()),
      to_(std::numeric_limits<double>::quiet_NaN())
{
    setGridOptions({QSizeF(60.0, 40.0), true});
    setFitPadding(QMarginsF(kLabelRoom, kTitleRoom, kLabelRoom, kLabelRoom));
    setEmptyInfo(segmentTemplate().arg(QString(), QString(), QString(), QString(), QString()));
}

QString SectionView::segmentTemplate()
{
    return tr(
        "<table width=\"300\" bgcolor=\"#ffff80\" border=\"1\" cellspacing=\"0\" "
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

void SectionView::setStations(double from, double to)
{
    from_ = from;
    to_ = to;
}

void SectionView::showFirstSection()
{
    const RoadSection* first = theRoad.NumberOfSections() > 0 ? theRoad.GetSection(0) : nullptr;
    setLeftTemplate(first ? first->left : std::string());
    setRightTemplate(first ? first->right : std::string());
    const double unknown = std::numeric_limits<double>::quiet_NaN();
    setStations(first ? first->L1 : unknown, first ? first->L2 : unknown);
    refresh();
}

QString SectionView::title() const
{
    if (!std::isfinite(from_))
        return QString();
    if (!std::isfinite(to_))
        return numbertext::station(from_);
    return tr("%1 to %2").arg(numbertext::station(from_), numbertext::station(to_));
}

void SectionView::refresh()
{
    clearScene();
    const RoadTemplate* left = theRoad.GetTemplateByName(leftName_);
    const RoadTemplate* right = theRoad.GetTemplateByName(rightName_);
    addSide(left, Left);
    addSide(right, Right);
    labels_.rebuild(title(), left, right);
    fitToView(scene()->itemsBoundingRect());
}

QString SectionView::cursorText(double x, double y) const
{
    return tr("Offset %1  dH %2").arg(numbertext::fixed(y), numbertext::fixed(x));
}

void SectionView::drawUnderlay(QPainter* painter)
{
    labels_.drawCentreLine(painter, itemTransform(), plotRect());
}

void SectionView::annotate(ScreenLabels& labels)
{
    labels_.label(labels, itemTransform());
}

void SectionView::addSide(const RoadTemplate* t, Side side)
{
    if (!t)
        return;
    const double sign = side == Left ? -1.0 : 1.0;
    const QPen pen(Qt::white, 0);  // one pixel, and bounds without a pen's width in metres
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
    const RoadTemplate* t =
        theRoad.GetTemplateByName(line->data(1).toInt() == Right ? rightName_ : leftName_);
    if (!t || j < 0 || static_cast<std::size_t>(j) >= t->items.size())
        return;
    const SectionItem start = j == 0 ? SectionItem{} : t->items[j - 1];
    const SectionItem& end = t->items[j];
    const double slope = (end.dh - start.dh) / (end.dist - start.dist);
    using numbertext::fixed;
    showInfo(segmentTemplate().arg(numbertext::crossSlope(slope), fixed(start.dist),
                                   fixed(start.dh), fixed(end.dist), fixed(end.dh)));
}
