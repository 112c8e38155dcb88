// The plan, profile and cross-section views: fit, grid, zoom, pan, modes,
// picking and the cursor read-out, driven with the mouse and keys.
#include "globals.h"
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
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr double kTolerance = 1e-6;

QPointF pixelOf(const SurveyView& view, double x, double y)
{
    return view.itemTransform().map(QPointF(x, y));
}

bool fuzzyEqual(const QTransform& a, const QTransform& b)
{
    const double scale = std::abs(a.m12()) + std::abs(a.dx()) + std::abs(a.dy());
    return std::abs(a.m11() - b.m11()) < kTolerance && std::abs(a.m22() - b.m22()) < kTolerance &&
           std::abs(a.m12() - b.m12()) < kTolerance * scale &&
           std::abs(a.m21() - b.m21()) < kTolerance * scale &&
           std::abs(a.dx() - b.dx()) < kTolerance * scale &&
           std::abs(a.dy() - b.dy()) < kTolerance * scale;
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

}  // namespace

class ViewsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { theRoad.NewRoad(); }

    void gridStepSnapsATenthOfTheLargerExtent()
    {
        QCOMPARE(GridItem::stepFor(QRectF(0, 0, 99, 40)), 10);
        QCOMPARE(GridItem::stepFor(QRectF(0, 0, 1500, 800)), 100);
        QCOMPARE(GridItem::stepFor(QRectF(0, 0, 800, 1500)), 100);
        QCOMPARE(GridItem::stepFor(QRectF(0, 0, 4999, 10)), 200);
        QCOMPARE(GridItem::stepFor(QRectF(0, 0, 7340, 100)), 734);
        QCOMPARE(GridItem::stepFor(QRectF()), 10);
    }

    void planFitsTheRoadNorthUp()
    {
        makeTestRoad();
        MyGraphicsView view;
        view.resize(800, 600);
        view.show();
        view.refresh();

        // Element items and labels for the start point and three elements, and the grid.
        QCOMPARE(itemsOf<RoadGraphicsItem>(view).size(), 4);
        QCOMPARE(itemsOf<GridItem>(view).size(), 1);
        const QTransform t = view.itemTransform();
        QCOMPARE(t.m11(), 0.0);
        QCOMPARE(t.m22(), 0.0);
        QVERIFY(t.m21() > 0);
        QCOMPARE(t.m12(), -t.m21());
        for (QGraphicsItem* item : view.scene()->items())
            QCOMPARE(item->transform(), t);

        // North is up: the road heads up and to the right on screen.
        const RoadEntity& line = *theRoad.GetHorizon(1);
        const QPointF start = pixelOf(view, line.x1, line.y1);
        const QPointF end = pixelOf(view, line.x2, line.y2);
        QVERIFY(end.y() < start.y());
        QVERIFY(end.x() > start.x());
        const QRectF viewport = view.viewport()->rect();
        for (int i = 1; i < theRoad.NumberOfHorizon(); ++i) {
            const RoadEntity& e = *theRoad.GetHorizon(i);
            QVERIFY(viewport.adjusted(-1, -1, 1, 1).contains(pixelOf(view, e.x2, e.y2)));
        }
    }

    void emptyRoadGetsOnlyTheGridAndAFiniteFit()
    {
        MyGraphicsView view;
        view.resize(400, 300);
        view.refresh();
        QCOMPARE(view.scene()->items().size(), 1);
        const QTransform t = view.itemTransform();
        QVERIFY(std::isfinite(t.m12()) && std::isfinite(t.dx()) && std::isfinite(t.dy()));
        QVERIFY(t.m21() > 0);

        theRoad.InsertHorizonPoint(10, 20, 0);  // a lone start point
        view.refresh();
        QVERIFY(std::isfinite(view.itemTransform().m21()) && view.itemTransform().m21() > 0);
    }

    void zoomInThenOutComesBackAndKeepsThePointUnderTheCursor()
    {
        makeTestRoad();
        MyGraphicsView view;
        view.resize(800, 600);
        view.show();
        view.refresh();
        const QTransform before = view.itemTransform();
        const QPointF cursor(310, 220);
        const QPointF survey = before.inverted().map(cursor);

        view.setZoomInMode();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cursor.toPoint());
        const QTransform zoomed = view.itemTransform();
        QVERIFY(std::abs(zoomed.m21() / before.m21() - 1.2) < 1e-12);
        const QPointF still = zoomed.map(survey);
        QVERIFY(std::abs(still.x() - cursor.x()) < 1e-6 && std::abs(still.y() - cursor.y()) < 1e-6);

        view.setZoomOutMode();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cursor.toPoint());
        QVERIFY(fuzzyEqual(view.itemTransform(), before));
    }

    void wheelZoomsInAndOut()
    {
        makeTestRoad();
        MyGraphicsView view;
        view.resize(800, 600);
        view.show();
        view.refresh();
        const double s = view.itemTransform().m21();
        const QPoint at(200, 200);
        QWheelEvent up(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &up);
        QVERIFY(std::abs(view.itemTransform().m21() / s - 1.2) < 1e-12);
        QWheelEvent down(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &down);
        QVERIFY(std::abs(view.itemTransform().m21() / s - 1.0) < 1e-12);
    }

    void draggingPansTheDrawingWithTheMouse()
    {
        makeTestRoad();
        MyGraphicsView view;
        view.resize(800, 600);
        view.show();
        view.refresh();
        const RoadEntity& arc = *theRoad.GetHorizon(2);
        const QPointF before = pixelOf(view, arc.x1, arc.y1);

        QCOMPARE(view.mode(), SurveyView::MoveMode);
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(view.viewport(), QPoint(130, 80));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, QPoint(130, 80));
        const QPointF after = pixelOf(view, arc.x1, arc.y1);
        QVERIFY(std::abs(after.x() - before.x() - 30) < 1e-6);
        QVERIFY(std::abs(after.y() - before.y() + 20) < 1e-6);

        QTest::mouseMove(view.viewport(), QPoint(200, 200));  // released: no more panning
        QVERIFY(std::abs(pixelOf(view, arc.x1, arc.y1).x() - after.x()) < 1e-9);
    }

    void ctrlSelectsWhileHeldAndRestoresTheMode()
    {
        MyGraphicsView view;
        view.setZoomOutMode();
        QTest::keyPress(&view, Qt::Key_Control);
        QCOMPARE(view.mode(), SurveyView::SelectMode);
        // The key repeats while held; the mode to go back to stays.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, QString(), true);
        QApplication::sendEvent(&view, &repeat);
        QTest::keyRelease(&view, Qt::Key_Control);
        QCOMPARE(view.mode(), SurveyView::ZoomOutMode);
    }

    void pickingAnElementShowsItInRedWithItsAttributes()
    {
        makeTestRoad();
        MyGraphicsView view;
        view.resize(800, 600);
        view.show();
        view.refresh();
        view.setSelectMode();
        const RoadEntity& arc = *theRoad.GetHorizon(2);
        double x = 0, y = 0;
        arc.L2XY(arc.l1 + arc.length / 2, &x, &y, nullptr);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, pixelOf(view, x, y).toPoint());

        QVERIFY(view.infoLabel()->isVisible());
        QVERIFY(view.infoLabel()->text().contains(">Arc<"));
        QVERIFY(view.infoLabel()->text().contains(">300<"));
        RoadGraphicsItem* picked = nullptr;
        for (RoadGraphicsItem* item : itemsOf<RoadGraphicsItem>(view))
            if (item->index() == 2)
                picked = item;
        QVERIFY(picked);
        QCOMPARE(picked->pen().color(), QColor(Qt::red));

        // Picking another element gives the first its colour back.
        const RoadEntity& line = *theRoad.GetHorizon(1);
        line.L2XY(line.l1 + 100, &x, &y, nullptr);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, pixelOf(view, x, y).toPoint());
        QCOMPARE(picked->pen().color(), QColor(Qt::green));
        QVERIFY(view.infoLabel()->text().contains(">Line<"));

        view.toggleInfo();
        QVERIFY(!view.infoLabel()->isVisible());
        view.refresh();  // a rebuild hides the panel
        view.toggleInfo();
        view.refresh();
        QVERIFY(!view.infoLabel()->isVisible());
    }

    void curvesAreSampledFinerAfterZoomingIn()
    {
        makeTestRoad();
        MyGraphicsView view;
        view.resize(800, 600);
        view.show();
        view.refresh();
        RoadGraphicsItem* arc = nullptr;
        for (RoadGraphicsItem* item : itemsOf<RoadGraphicsItem>(view))
            if (item->index() == 2)
                arc = item;
        const int before = arc->path().elementCount();
        const RoadEntity& e = *theRoad.GetHorizon(2);
        double x = 0, y = 0;
        e.L2XY(e.l1 + e.length / 2, &x, &y, nullptr);
        for (int i = 0; i < 8; ++i) {
            const QPointF p = pixelOf(view, x, y);
            view.zoomAt(1.2, 1.2, p.x(), p.y());
        }
        QVERIFY(arc->path().elementCount() > before);
        QVERIFY(std::abs(arc->chordLength() * view.itemTransform().m21() -
                         RoadGraphicsItem::kChordPixels) < 1e-6);
    }

    void cursorReadOutGivesNorthThenEast()
    {
        makeTestRoad();
        MyGraphicsView view;
        view.resize(800, 600);
        view.show();
        view.refresh();
        QSignalSpy spy(&view, &SurveyView::coordinateChanged);
        const RoadEntity& line = *theRoad.GetHorizon(1);
        QTest::mouseMove(view.viewport(), pixelOf(view, line.x2, line.y2).toPoint());
        QVERIFY(!spy.isEmpty());
        const double pixel = 1.0 / view.itemTransform().m21();
        QVERIFY(std::abs(spy.last().at(0).toDouble() - line.x2) <= pixel);
        QVERIFY(std::abs(spy.last().at(1).toDouble() - line.y2) <= pixel);
    }

    void profileDrawsGradeLinesAndCurves()
    {
        VerticalView view;
        view.resize(800, 400);
        const double points[][3] = {{0, 100, 0}, {300, 106, 4000}, {600, 103, 0}, {900, 104, 0}};
        for (const auto& p : points) {
            VerticalEntity v;
            v.mile = p[0];
            v.height = p[1];
            v.radius = p[2];
            theRoad.InsertVertical(v);
        }
        QCOMPARE(theRoad.ApplyVertical(), 0);
        view.refresh();
        const QList<VGraphicsItem*> items = itemsOf<VGraphicsItem>(view);
        QCOMPARE(items.size(), 5);  // three grade lines, curves at the two inner points
        for (VGraphicsItem* item : items) {
            if (item->kind() != VGraphicsItem::Curve)
                continue;
            const VerticalEntity& v = *theRoad.GetVertical(item->firstIndex());
            // A curve without tangent is a single point; the other has its 21.
            QCOMPARE(item->path().elementCount(), v.tangent > 0 ? 21 : 1);
        }
        // Height is up: the crest lies above both ends on screen.
        const QPointF crest = pixelOf(view, 106, 300);
        QVERIFY(crest.y() < pixelOf(view, 100, 0).y());
        QVERIFY(crest.y() < pixelOf(view, 103, 600).y());
    }

    void profileWithTwoPointsIsOneGradeLine()
    {
        VerticalView view;
        VerticalEntity v;
        theRoad.InsertVertical(v);
        v.mile = 100;
        v.height = 1;
        theRoad.InsertVertical(v);
        theRoad.ApplyVertical();
        view.refresh();
        const QList<VGraphicsItem*> items = itemsOf<VGraphicsItem>(view);
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first()->kind(), VGraphicsItem::GradeLine);
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
        view.refresh();
        QVERIFY(view.scene()->items().isEmpty());

        view.setRightTemplate("A");
        view.refresh();
        QCOMPARE(itemsOf<QGraphicsLineItem>(view).size(), 4);
        view.setLeftTemplate("A");
        view.refresh();
        const QList<QGraphicsLineItem*> lines = itemsOf<QGraphicsLineItem>(view);
        QCOMPARE(lines.size(), 8);

        // The vertical step at 4 m on the right: an infinite slope.
        view.setSelectMode();
        const QPointF middle = pixelOf(view, -0.5, 4.0);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, middle.toPoint());
        QVERIFY(view.infoLabel()->isVisible());
        QVERIFY(view.infoLabel()->text().contains("inf"));

        // The first left segment, from the centre line to 3.5 m left.
        const QPointF left = pixelOf(view, -0.035, -1.75);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, left.toPoint());
        QVERIFY(view.infoLabel()->text().contains(">-0.02<"));
        QVERIFY(view.infoLabel()->text().contains(">3.5<"));
    }
};

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
