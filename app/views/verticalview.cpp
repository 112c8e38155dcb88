#include "verticalview.h"

#include "globals.h"
#include "numbertext.h"
#include "vgraphicsitem.h"

#include <QGraphicsScene>
#include <QLabel>
#include <QSettings>

namespace {

const char* const kExaggerationKey = "profile/verticalExaggeration";

// Room for a grade point's label above a crest and below a sag.
constexpr double kLabelRoom = 90.0;
constexpr double kSideRoom = 30.0;

}  // namespace

const QList<int>& VerticalView::exaggerations()
{
    static const QList<int> offered = {1, 2, 5, 10, 20, 50};
    return offered;
}

VerticalView::VerticalView(QWidget* parent) : SurveyView(parent)
{
    // Station labels are wide, elevations only as high as a line.
    setGridOptions({QSizeF(110.0, 40.0), false});
    setFitPadding(QMarginsF(kSideRoom, kLabelRoom, kSideRoom, kLabelRoom));
    const int remembered = QSettings().value(kExaggerationKey, kDefaultExaggeration).toInt();
    setExaggeration(exaggerations().contains(remembered) ? remembered : kDefaultExaggeration);
}

void VerticalView::setVerticalExaggeration(int exaggeration)
{
    if (!exaggerations().contains(exaggeration) || exaggeration == verticalExaggeration())
        return;
    QSettings().setValue(kExaggerationKey, exaggeration);
    setExaggeration(exaggeration);
    emit verticalExaggerationChanged(exaggeration);
}

void VerticalView::refresh()
{
    clearScene();
    const int n = theRoad.NumberOfVertical();
    for (int i = 0; i + 1 < n; ++i) {
        if (i > 0)
            scene()->addItem(new VGraphicsItem(i));
        scene()->addItem(new VGraphicsItem(i, i + 1));
    }
    gradePoints_.rebuild(theRoad);
    fitToView(scene()->itemsBoundingRect());
}

QString VerticalView::cursorText(double x, double y) const
{
    return tr("Station %1  H %2").arg(numbertext::station(y), numbertext::fixed(x));
}

QString VerticalView::axisText(Qt::Orientation axis, double value, int decimals) const
{
    return axis == Qt::Horizontal ? numbertext::station(value, decimals)
                                  : numbertext::fixed(value, decimals);
}

void VerticalView::drawUnderlay(QPainter* painter)
{
    gradePoints_.drawTangents(painter, itemTransform(), plotRect());
}

void VerticalView::annotate(ScreenLabels& labels)
{
    gradePoints_.label(labels, itemTransform());
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
    const bool last = index + 1 >= theRoad.NumberOfVertical();
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
        .arg(numbertext::station(v->mile), numbertext::fixed(v->height),
             before ? numbertext::percent(before->slope) : QString(),
             last ? QString() : numbertext::percent(v->slope), numbertext::fixed(v->radius),
             numbertext::fixed(v->tangent));
}
