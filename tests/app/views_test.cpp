// The plan, profile and cross-section views: fit, zoom, pan, select mode and
// picking, driven with the mouse and keys; the labels they write, the
// profile's exaggeration.
#include "testroad.h"
#include "views/axisticks.h"
#include "views/mygraphicsview.h"
#include "views/roadgraphicsitem.h"
#include "views/sectionview.h"
#include "views/verticalview.h"
#include "views/vgraphicsitem.h"

#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
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

// The labels of a fresh repaint whose text matches the pattern.
QVector<ScreenLabels::Drawn> labelsAfterRepaint(const SurveyView& view, const QString& pattern)
{
    view.viewport()->grab();
    QVector<ScreenLabels::Drawn> found;
    const QRegularExpression wanted(pattern);
    for (const ScreenLabels::Drawn& label : view.drawnLabels())
        if (wanted.match(label.text).hasMatch())
            found << label;
    return found;
}

bool anyOverlap(const QVector<ScreenLabels::Drawn>& labels)
{
    for (int i = 0; i < labels.size(); ++i)
        for (int j = i + 1; j < labels.size(); ++j)
            if (labels[i].box.intersects(labels[j].box))
                return true;
    return false;
}

}  // namespace

class ViewsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("Vantorel");
        QCoreApplication::setApplicationName("views_test");
        QSettings().clear();
    }
    void init() { QVERIFY(loadExampleRoad()); }

    void stepsAreNice_data()
    {
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("decimals");
        QTest::newRow("one") << 1.0 << 1.0 << 0;
        QTest::newRow("just above one") << 1.01 << 2.0 << 0;
        QTest::newRow("to five") << 3.0 << 5.0 << 0;
        QTest::newRow("to ten") << 7.0 << 10.0 << 0;
        QTest::newRow("hundreds") << 420.0 << 500.0 << 0;
        QTest::newRow("kilometres") << 1300.0 << 2000.0 << 0;
        QTest::newRow("centimetres") << 0.03 << 0.05 << 2;
        QTest::newRow("a fifth") << 0.15 << 0.2 << 1;
    }

    void stepsAreNice()
    {
        QFETCH(double, minimum);
        QFETCH(double, step);
        QFETCH(int, decimals);
        QCOMPARE(axisticks::niceStep(minimum), step);
        QCOMPARE(axisticks::decimalsFor(step), decimals);
    }

    void exampleRoadFitsZoomsBackAndPans_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("pieces");
        // The start point and 17 elements; 5 grade lines and 4 vertical
        // curves; 7 segments of Cut and 4 of Fill.
        QTest::newRow("plan") << 0 << 18;
        QTest::newRow("profile") << 1 << 9;
        QTest::newRow("cross-section") << 2 << 11;
    }

    void exampleRoadFitsZoomsBackAndPans()
    {
        QFETCH(int, page);
        QFETCH(int, pieces);
        const std::unique_ptr<SurveyView> view = shownView(page);
        QCOMPARE(itemsOf<DrawnPathItem>(*view).size() + itemsOf<QGraphicsLineItem>(*view).size(),
                 pieces);
        // The drawing fills the viewport one way, beside its axes.
        const QRectF drawn = view->scene()->itemsBoundingRect();
        const QRectF viewport = view->viewport()->rect();
        QVERIFY(viewport.contains(drawn));
        QVERIFY(drawn.width() > 0.75 * viewport.width() ||
                drawn.height() > 0.75 * viewport.height());

        // Where a point of the fit is drawn now, rounded to 1/1000 pixel.
        const QTransform fit = view->itemTransform();
        const auto now = [&](const QPointF& p) {
            const QPointF q = view->itemTransform().map(fit.inverted().map(p));
            return QPointF(std::round(q.x() * 1000) / 1000, std::round(q.y() * 1000) / 1000);
        };
        // A double-click (press, release, double-click) in zoom mode is two
        // steps, the point under the cursor kept; two wheel steps back out restore the fit.
        const QPoint cursor(310, 220);
        view->setZoomInMode();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cursor);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cursor);
        QCOMPARE(view->itemTransform().m21() / fit.m21(),
                 SurveyView::kZoomStep * SurveyView::kZoomStep);
        QCOMPARE(now(cursor), QPointF(cursor));
        QWheelEvent down(cursor, view->viewport()->mapToGlobal(cursor), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &down);
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
        const QString info = view->infoLabel()->text();
        QVERIFY(info.contains(">Arc<"));
        // Coordinates and stations to the millimetre, angles in DMS.
        QVERIFY2(info.contains(">3381516.054<") && info.contains(">502809.842<") &&
                     info.contains(">K0+540.000<") &&
                     info.contains(QString::fromUtf8(">22°12'07.6\"<")),
                 qPrintable(info));
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
        QVERIFY(view.infoLabel()->text().contains(">1:0<"));
        // The first left segment, from the centre line to 3.5 m left.
        view.setLeftTemplate("A");
        view.refresh();
        click(view, pixelOf(view, -0.035, -1.75));
        QVERIFY(view.infoLabel()->text().contains(">-2.00%<"));
        QVERIFY(view.infoLabel()->text().contains(">3.500<"));
    }

    void planStationLabelsKeepTheirPixelSizeAndNeverOverlap()
    {
        const std::unique_ptr<SurveyView> view = shownView(0);
        const RoadEntity& spiral = *theRoad.GetHorizon(10);
        const QPoint zoomedAt = pixelOf(*view, spiral.x1, spiral.y1);
        QVector<double> heights;
        for (int zoom = 0; zoom < 2; ++zoom) {
            const QVector<ScreenLabels::Drawn> ticks = labelsAfterRepaint(*view, R"(^K\d\+\d{3}$)");
            const QVector<ScreenLabels::Drawn> ends =
                labelsAfterRepaint(*view, R"(^(QD|ZH|HY|YH|HZ|ZD) K\d\+\d{3}\.\d{3}$)");
            QVERIFY(ticks.size() >= 2 && !ends.isEmpty());
            for (const auto& label : ticks + ends)
                heights << label.box.height();
            QVERIFY(!anyOverlap(view->drawnLabels()));
            for (int step = 0; step < 8; ++step)
                view->zoomAt(SurveyView::kZoomStep, SurveyView::kZoomStep, zoomedAt.x(),
                             zoomedAt.y());
        }
        QCOMPARE(*std::min_element(heights.begin(), heights.end()),
                 *std::max_element(heights.begin(), heights.end()));
    }

    void profileFitShowsTheWholeHeightRangeAtTheChosenExaggeration()
    {
        for (const int exaggeration : {10, 50}) {
            const std::unique_ptr<SurveyView> view = shownView(1);
            auto* profile = static_cast<VerticalView*>(view.get());
            QCOMPARE(profile->verticalExaggeration(),
                     exaggeration);  // 10 at first, then remembered
            const QTransform t = view->itemTransform();
            QCOMPARE(-t.m12() / t.m21(), double(exaggeration));
            QVERIFY(QRectF(view->viewport()->rect()).contains(view->scene()->itemsBoundingRect()));
            // Every grade point labelled with its station and grades.
            QCOMPARE(labelsAfterRepaint(*view, R"(^K\d\+\d{3}\.\d{3}\nH \d+\.\d{3}\n)").size(),
                     theRoad.NumberOfVertical());
            profile->setVerticalExaggeration(50);
        }
    }
};

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
