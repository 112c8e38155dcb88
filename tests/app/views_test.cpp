// The plan, profile and cross-section views: fit, grid, zoom, pan, select
// mode and picking, driven with the mouse and keys.
#include "testroad.h"
#include "views/griditem.h"
#include "views/mygraphicsview.h"
#include "views/roadgraphicsitem.h"
#include "views/sectionview.h"
#include "views/verticalview.h"
#include "views/vgraphicsitem.h"

#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QLabel>
#include <QTest>

#include <memory>

namespace {

// Page 0 (plan), 1 (profile) or 2 (cross-section, Cut left, Fill right) of
// theRoad, 800 by 600 pixels, drawn.
std::unique_ptr<SurveyView> shownView(int page)
{
    std::unique_ptr<SurveyView> view;
    if (page == 0)
        view = std::make_unique<MyGraphicsView>();
    else if (page == 1)
        view = std::make_unique<VerticalView>();
    else
        view = std::make_unique<SectionView>();
    if (auto* section = qobject_cast<SectionView*>(view.get())) {
        section->setLeftTemplate("Cut");
        section->setRightTemplate("Fill");
    }
    view->resize(800, 600);
    view->show();
    view->refresh();
    return view;
}

template <typename Item>
QList<Item*> itemsOf(const SurveyView& view)
{
    QList<Item*> found;
    for (QGraphicsItem* item : view.scene()->items())
        if (auto* typed = dynamic_cast<Item*>(item))
            found << typed;
    return found;
}

// Where the view draws a point of the survey: (x, y) local, (station,
// height) in the profile, (height, offset) in the cross-section.
QPoint pixelOf(const SurveyView& view, double x, double y)
{
    return view.itemTransform().map(QPointF(x, y)).toPoint();
}

void click(const SurveyView& view, const QPoint& at)
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class ViewsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(loadExampleRoad()); }

    void gridStepSnapsATenthOfTheLargerExtent_data()
    {
        QTest::addColumn<QRectF>("extent");
        QTest::addColumn<int>("step");
        QTest::newRow("small") << QRectF(0, 0, 99, 40) << 10;
        QTest::newRow("wide") << QRectF(0, 0, 1500, 800) << 100;
        QTest::newRow("tall") << QRectF(0, 0, 800, 1500) << 100;
        QTest::newRow("below 5 km") << QRectF(0, 0, 4999, 10) << 200;
        QTest::newRow("above 5 km") << QRectF(0, 0, 7340, 100) << 734;
        QTest::newRow("empty") << QRectF() << 10;
    }

    void gridStepSnapsATenthOfTheLargerExtent()
    {
        QFETCH(QRectF, extent);
        QFETCH(int, step);
        QCOMPARE(GridItem::stepFor(extent), step);
    }

    void exampleRoadFitsZoomsBackAndPans_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("gridStep");
        QTest::addColumn<int>("pieces");
        // 4.1 km of road: a tenth of it snapped down to 200 m. Pieces: the
        // start point and 17 elements; 5 grade lines and 4 vertical curves;
        // 7 segments of Cut and 4 of Fill.
        QTest::newRow("plan") << 0 << 200 << 18;
        QTest::newRow("profile") << 1 << 200 << 9;
        QTest::newRow("cross-section, no grid") << 2 << 0 << 11;
    }

    void exampleRoadFitsZoomsBackAndPans()
    {
        QFETCH(int, page);
        QFETCH(int, gridStep);
        QFETCH(int, pieces);
        const std::unique_ptr<SurveyView> view = shownView(page);
        QCOMPARE(itemsOf<DrawnPathItem>(*view).size() + itemsOf<QGraphicsLineItem>(*view).size(),
                 pieces);
        const QList<GridItem*> grid = itemsOf<GridItem>(*view);
        QCOMPARE(grid.isEmpty() ? 0 : grid.first()->xStep(), gridStep);
        // The drawing fills the viewport one way.
        QRectF drawn;
        for (QGraphicsItem* item : view->scene()->items())
            if (!dynamic_cast<GridItem*>(item))
                drawn |= item->sceneBoundingRect();
        const QRectF viewport = view->viewport()->rect();
        QVERIFY(viewport.adjusted(-1, -1, 1, 1).contains(drawn));
        QVERIFY(drawn.width() > 0.9 * viewport.width() || drawn.height() > 0.9 * viewport.height());

        // Where a point of the fit is drawn now, rounded to 1/1000 pixel.
        const QTransform fit = view->itemTransform();
        const auto now = [&](const QPointF& p) {
            const QPointF q = view->itemTransform().map(fit.inverted().map(p));
            return QPointF(std::round(q.x() * 1000) / 1000, std::round(q.y() * 1000) / 1000);
        };
        // A zoom in keeps the point under the cursor; a wheel step back out
        // restores the fit.
        const QPoint cursor(310, 220);
        view->setZoomInMode();
        click(*view, cursor);
        QCOMPARE(view->itemTransform().m21() / fit.m21(), SurveyView::kZoomStep);
        QCOMPARE(now(cursor), QPointF(cursor));
        QWheelEvent down(cursor, view->viewport()->mapToGlobal(cursor), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &down);
        QCOMPARE(now(QPointF(0, 0)), QPointF(0, 0));
        QCOMPARE(now(QPointF(800, 600)), QPointF(800, 600));
        // Dragging pans, and only while the button is down.
        view->setMoveMode();
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(view->viewport(), QPoint(130, 80));
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, QPoint(130, 80));
        QTest::mouseMove(view->viewport(), QPoint(200, 200));
        QCOMPARE(now(QPointF(400, 300)), QPointF(430, 280));
    }

    void planIsNorthUpAndAnEmptyOneHasAFiniteFit()
    {
        const std::unique_ptr<SurveyView> view = shownView(0);
        // The first straight heads east of north by its azimuth: up and
        // right on screen.
        const RoadEntity& line = *theRoad.GetHorizon(1);
        const QPointF along = pixelOf(*view, line.x2, line.y2) - pixelOf(*view, line.x1, line.y1);
        QVERIFY(std::abs(std::atan2(along.x(), -along.y()) - line.angle1) < 0.01);
        for (const bool onePoint : {false, true}) {
            theRoad.NewRoad();
            if (onePoint)
                theRoad.InsertHorizonPoint(10, 20, 0);
            view->refresh();
            const QTransform fit = view->itemTransform();
            QVERIFY(std::isfinite(fit.dx()) && std::isfinite(fit.dy()) && fit.m21() > 0);
        }
    }

    void ctrlPicksElementsInRedWithTheirAttributes()
    {
        const std::unique_ptr<SurveyView> view = shownView(0);
        const auto middleOf = [&view](int index) {
            const RoadEntity& e = *theRoad.GetHorizon(index);
            double x = 0, y = 0;
            e.L2XY(e.l1 + e.length / 2, &x, &y, nullptr);
            return pixelOf(*view, x, y);
        };
        RoadGraphicsItem* arc = nullptr;
        for (RoadGraphicsItem* item : itemsOf<RoadGraphicsItem>(*view))
            arc = item->index() == 3 ? item : arc;
        // Select mode while Ctrl is held, key repeats included.
        view->setZoomOutMode();
        QTest::keyPress(view.get(), Qt::Key_Control);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, QString(), true);
        QApplication::sendEvent(view.get(), &repeat);
        click(*view, middleOf(3));
        QVERIFY(view->infoLabel()->isVisible());
        QVERIFY(view->infoLabel()->text().contains(">Arc<"));
        QCOMPARE(arc->pen().color(), QColor(Qt::red));
        // Picking another element gives the first its colour back.
        click(*view, middleOf(1));
        QCOMPARE(arc->pen().color(), QColor(Qt::green));
        QTest::keyRelease(view.get(), Qt::Key_Control);
        QCOMPARE(view->mode(), SurveyView::ZoomOutMode);
    }

    void profileOfTwoPointsAndCurvesWithoutTangent()
    {
        // Two points, then three whose middle one has no vertical curve.
        for (const bool middle : {false, true}) {
            theRoad.ClearVertical();
            VerticalEntity v;
            theRoad.InsertVertical(v);
            v.mile = 300;
            v.height = middle ? 106 : 0;
            theRoad.InsertVertical(v);
            v.mile = 600;
            if (middle)
                theRoad.InsertVertical(v);
            QCOMPARE(theRoad.ApplyVertical(), 0);
            const std::unique_ptr<SurveyView> view = shownView(1);
            const QList<VGraphicsItem*> items = itemsOf<VGraphicsItem>(*view);
            QCOMPARE(items.size(), middle ? 3 : 1);
            for (const VGraphicsItem* item : items)
                QCOMPARE(item->path().elementCount(), item->kind() == VGraphicsItem::Curve ? 1 : 2);
            // Height is up.
            QVERIFY(pixelOf(*view, 106, 300).y() < pixelOf(*view, 0, 0).y());
        }
    }

    void sectionDrawsTheChosenSidesAndShowsSegmentSlopes()
    {
        RoadTemplate t;
        t.name = "A";
        t.items = {{3.5, -0.07}, {4.0, -0.07}, {4.0, -1.0}, {6.0, -2.0}};
        theRoad.AddTemplate(t);
        SectionView view;
        view.resize(600, 300);
        view.show();
        view.setRightTemplate("A");
        view.refresh();
        QCOMPARE(itemsOf<QGraphicsLineItem>(view).size(), 4);
        // The vertical step at 4 m on the right: an infinite slope.
        view.setSelectMode();
        click(view, pixelOf(view, -0.5, 4.0));
        QVERIFY(view.infoLabel()->isVisible());
        QVERIFY(view.infoLabel()->text().contains("inf"));
        // The first left segment, from the centre line to 3.5 m left.
        view.setLeftTemplate("A");
        view.refresh();
        click(view, pixelOf(view, -0.035, -1.75));
        QVERIFY(view.infoLabel()->text().contains(">-0.02<"));
        QVERIFY(view.infoLabel()->text().contains(">3.5<"));
    }
};

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
