// The plan, profile and cross-section views driven with the mouse and keys;
// the labels they write.
#include "testroad.h"
#include "views/axisticks.h"
#include "views/mygraphicsview.h"
#include "views/roadgraphicsitem.h"
#include "views/sectionview.h"
#include "views/verticalview.h"
#include "views/vgraphicsitem.h"

#include <QGraphicsLineItem>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <set>

namespace {

// Page 0 (plan), 1 (profile) or 2 (cross-section) of theRoad, 800 by 600, drawn.
std::unique_ptr<SurveyView> shownView(int page, const char* left = "Cut",
                                      const char* right = "Fill")
{
    std::unique_ptr<SurveyView> view(page == 0   ? static_cast<SurveyView*>(new MyGraphicsView)
                                     : page == 1 ? static_cast<SurveyView*>(new VerticalView)
                                                 : new SectionView);
    if (auto* section = qobject_cast<SectionView*>(view.get())) {
        section->setLeftTemplate(left);
        section->setRightTemplate(right);
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

// Where the view draws (x, y) local, (height, station) or (height, offset).
QPoint pixelOf(const SurveyView& view, double x, double y)
{
    return view.itemTransform().map(QPointF(x, y)).toPoint();
}

// The labels of a fresh repaint whose text matches the pattern.
QVector<ScreenLabels::Drawn> labelsAfterRepaint(const SurveyView& view, const QString& pattern)
{
    view.viewport()->grab();
    QVector<ScreenLabels::Drawn> found;
    for (const ScreenLabels::Drawn& label : view.drawnLabels())
        if (QRegularExpression(pattern).match(label.text).hasMatch())
            found << label;
    return found;
}

}  // namespace

class ViewsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }
    void init() { QVERIFY(loadExampleRoad()); }

    void stepsAreNice()
    {
        const std::tuple<double, double, int> steps[] = {
            {1, 1, 0},       {1.01, 2, 0},    {3, 5, 0},     {7, 10, 0},
            {1300, 2000, 0}, {0.03, 0.05, 2}, {0.15, 0.2, 1}};
        for (const auto& [minimum, step, decimals] : steps) {
            QCOMPARE(axisticks::niceStep(minimum), step);
            QCOMPARE(axisticks::decimalsFor(step), decimals);
        }
    }

    // Each page fills the viewport one way beside the axes; an empty road, or
    // one of a single point, has a finite fit too.
    void pagesFitTheirDrawing()
    {
        // The start point and 17 elements; 5 grade lines and 4 vertical
        // curves; 7 segments of Cut and 4 of Fill.
        const int pieces[] = {18, 9, 11};
        for (int page = 0; page < 3; ++page) {
            QVERIFY(loadExampleRoad());
            const std::unique_ptr<SurveyView> view = shownView(page);
            QCOMPARE(
                itemsOf<DrawnPathItem>(*view).size() + itemsOf<QGraphicsLineItem>(*view).size(),
                pieces[page]);
            const QRectF drawn = view->scene()->itemsBoundingRect(),
                         port = view->viewport()->rect();
            QVERIFY(port.contains(drawn) &&
                    (drawn.width() > 0.75 * port.width() || drawn.height() > 0.75 * port.height()));
            theRoad.NewRoad();
            for (int points = 0; points < 2; ++points, theRoad.InsertHorizonPoint(10, 20, 0)) {
                view->refresh();
                const QTransform fit = view->itemTransform();
                QVERIFY(std::isfinite(fit.dx()) && std::isfinite(fit.dy()) && fit.m21() > 0);
            }
        }
    }

    // The plan is north up. Select mode while Ctrl is held, key repeats
    // included: a pick draws the element red and shows its attributes.
    void planIsNorthUpPicksAndLabels()
    {
        const std::unique_ptr<SurveyView> view = shownView(0);
        // The first straight heads east of north by its azimuth.
        const RoadEntity& line = *theRoad.GetHorizon(1);
        const QPointF along = pixelOf(*view, line.x2, line.y2) - pixelOf(*view, line.x1, line.y1);
        QVERIFY(std::abs(std::atan2(along.x(), -along.y()) - line.angle1) < 0.01);

        const auto clickMiddleOf = [&view](int index) {
            const RoadEntity& e = *theRoad.GetHorizon(index);
            double x = 0, y = 0;
            e.L2XY(e.l1 + e.length / 2, &x, &y, nullptr);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pixelOf(*view, x, y));
        };
        RoadGraphicsItem* arc = nullptr;
        for (RoadGraphicsItem* item : itemsOf<RoadGraphicsItem>(*view))
            arc = item->index() == 3 ? item : arc;
        view->setZoomOutMode();
        QTest::keyPress(view.get(), Qt::Key_Control);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, QString(), true);
        QApplication::sendEvent(view.get(), &repeat);
        clickMiddleOf(3);
        // Coordinates and stations to the millimetre, angles in DMS.
        const QString info = view->infoLabel()->text();
        QVERIFY2(view->infoLabel()->isVisible() && info.contains(">Arc<") &&
                     info.contains(">3381516.054<") && info.contains(">502809.842<") &&
                     info.contains(">K0+540.000<") &&
                     info.contains(QString::fromUtf8(">22°12'07.6\"<")),
                 qPrintable(info));
        QCOMPARE(arc->pen().color(), QColor(Qt::red));
        clickMiddleOf(1);  // gives the first its colour back
        QCOMPARE(arc->pen().color(), QColor(Qt::green));
        QTest::keyRelease(view.get(), Qt::Key_Control);
        QCOMPARE(view->mode(), SurveyView::ZoomOutMode);

        // Station labels keep their pixel size when zoomed and never overlap.
        const RoadEntity& spiral = *theRoad.GetHorizon(10);
        const QPoint zoomedAt = pixelOf(*view, spiral.x1, spiral.y1);
        std::set<double> heights;
        for (int zoom = 0; zoom < 2; ++zoom) {
            const QVector<ScreenLabels::Drawn> ticks = labelsAfterRepaint(*view, R"(^K\d\+\d{3}$)");
            const QVector<ScreenLabels::Drawn> ends =
                labelsAfterRepaint(*view, R"(^(QD|ZH|HY|YH|HZ|ZD) K\d\+\d{3}\.\d{3}$)");
            QVERIFY(ticks.size() >= 2 && !ends.isEmpty());
            for (const auto& label : ticks + ends)
                heights.insert(label.box.height());
            const QVector<ScreenLabels::Drawn> all = view->drawnLabels();
            for (int i = 0; i < all.size(); ++i)
                for (int j = i + 1; j < all.size(); ++j)
                    QVERIFY(!all[i].box.intersects(all[j].box));
            view->zoomAt(4, 4, zoomedAt.x(), zoomedAt.y());
        }
        QCOMPARE(heights.size(), size_t(1));
    }

    void sectionDrawsTheChosenSidesAndShowsSegmentSlopes()
    {
        theRoad.AddTemplate({{{3.5, -0.07}, {4.0, -0.07}, {4.0, -1.0}, {6.0, -2.0}}, "A"});
        const std::unique_ptr<SurveyView> view = shownView(2, "", "A");
        QCOMPARE(itemsOf<QGraphicsLineItem>(*view).size(), 4);
        // The vertical step at 4 m on the right: an infinite slope.
        view->setSelectMode();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pixelOf(*view, -0.5, 4.0));
        QVERIFY(view->infoLabel()->isVisible() && view->infoLabel()->text().contains(">1:0<"));
        // The first left segment, from the centre line to 3.5 m left.
        static_cast<SectionView*>(view.get())->setLeftTemplate("A");
        view->refresh();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pixelOf(*view, -0.035, -1.75));
        QVERIFY(view->infoLabel()->text().contains(">-2.00%<"));
        QVERIFY(view->infoLabel()->text().contains(">3.500<"));
    }

    // The exaggeration is 10 at first, then remembered; every grade point is
    // labelled with its station and height.
    void profileFitsZoomsAndPans()
    {
        for (const int exaggeration : {10, 50}) {
            const std::unique_ptr<SurveyView> view = shownView(1);
            auto* profile = static_cast<VerticalView*>(view.get());
            QCOMPARE(profile->verticalExaggeration(), exaggeration);
            const QTransform t = view->itemTransform();
            QCOMPARE(-t.m12() / t.m21(), double(exaggeration));  // height up
            QVERIFY(QRectF(view->viewport()->rect()).contains(view->scene()->itemsBoundingRect()));
            QCOMPARE(labelsAfterRepaint(*view, R"(^K\d\+\d{3}\.\d{3}\nH \d+\.\d{3}\n)").size(),
                     theRoad.NumberOfVertical());
            profile->setVerticalExaggeration(50);
        }
        // Zoomed unevenly: a double-click (press, release, double-click) in
        // zoom mode is two steps about the cursor; two wheel steps back restore
        // the fit; dragging pans, only while the button is down.
        const std::unique_ptr<SurveyView> view = shownView(1);
        // Where a point of the fit is drawn now, rounded to 1/1000 pixel.
        const QTransform fit = view->itemTransform();
        const auto now = [&](const QPointF& p) {
            const QPointF q = view->itemTransform().map(fit.inverted().map(p));
            return QPointF(std::round(q.x() * 1000) / 1000, std::round(q.y() * 1000) / 1000);
        };
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
        view->setMoveMode();
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(view->viewport(), QPoint(130, 80));
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, QPoint(130, 80));
        QTest::mouseMove(view->viewport(), QPoint(200, 200));
        QCOMPARE(now(QPointF(400, 300)), QPointF(430, 280));

        // Two grade points, then three whose middle one has no vertical curve.
        for (const int points : {2, 3}) {
            theRoad.ClearVertical();
            VerticalEntity v;
            for (int i = 0; i < points; ++i, v.mile += 300, v.height = 106)
                theRoad.InsertVertical(v);
            QCOMPARE(theRoad.ApplyVertical(), 0);
            view->refresh();
            const QList<VGraphicsItem*> items = itemsOf<VGraphicsItem>(*view);
            QCOMPARE(items.size(), points == 3 ? 3 : 1);
            for (const VGraphicsItem* item : items)
                QCOMPARE(item->path().elementCount(), item->kind() == VGraphicsItem::Curve ? 1 : 2);
        }
    }
};

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
