// The horizontal alignment dialog driven as a user would: a road designed by
// intersection points and read back as elements, and the other way round;
// the PI table's editing rules, its files, and the apply flows' failures.
#include "dialogtest.h"
#include "globals.h"
#include "horizondialogdriver.h"
#include "mainwindow.h"
#include "modalanswer.h"

#include <QAction>
#include <QFile>
#include <QLoggingCategory>
#include <QPointer>
#include <QTemporaryDir>

#include <cmath>

namespace {

constexpr double kTolerance = 1e-6;

struct Point
{
    double x;
    double y;
};

// Start, an arc turning right by 0.35, a spiral-spiral turning left by
// 0.25 and a spiral-arc-spiral turning right by 0.4, end. The curves below
// turn exactly by these deflections.
std::vector<Point> designPoints()
{
    const double deflections[] = {0.0, 0.35, -0.25, 0.4};
    const double legs[] = {600.0, 700.0, 800.0, 500.0};
    std::vector<Point> points{{1000.0, 2000.0}};
    double azimuth = 0.3;
    for (int i = 0; i < 4; ++i) {
        azimuth += deflections[i];
        const Point& p = points.back();
        points.push_back({p.x + legs[i] * std::cos(azimuth), p.y + legs[i] * std::sin(azimuth)});
    }
    return points;
}

QString number(double v)
{
    return QString::number(v, 'f', 6);
}

// A line, a right spiral-arc-spiral and a line, typed into the element table
// of an empty road.
void typeElementDesign(const HorizonDialogParts& parts)
{
    QAbstractButton* insert = parts.button("pushButton_4");
    click(insert);
    QVERIFY(parts.typeElement(0, MyItemModel::NorthColumn, "5000"));
    QVERIFY(parts.typeElement(0, MyItemModel::EastColumn, "8000"));
    QVERIFY(parts.typeElement(0, MyItemModel::StartAzimuthColumn, "45"));
    QVERIFY(parts.typeElement(0, MyItemModel::LengthColumn, "200"));
    QVERIFY(parts.typeElement(0, MyItemModel::StakeColumn, "1000"));
    click(insert);  // a spiral into the curve
    QVERIFY(parts.typeElement(1, MyItemModel::EndRadiusColumn, "300"));
    QVERIFY(parts.typeElement(1, MyItemModel::LengthColumn, "80"));
    click(insert);  // the arc
    QVERIFY(parts.typeElement(2, MyItemModel::StartRadiusColumn, "300"));
    QVERIFY(parts.typeElement(2, MyItemModel::LengthColumn, "150"));
    click(insert);  // the spiral out of it
    QVERIFY(parts.typeElement(3, MyItemModel::StartRadiusColumn, "300"));
    QVERIFY(parts.typeElement(3, MyItemModel::LengthColumn, "80"));
    click(insert);  // the line
    QVERIFY(parts.typeElement(4, MyItemModel::LengthColumn, "250"));
}

QStringList elementTypes(const MyItemModel* model)
{
    QStringList types;
    for (int row = 0; row < model->rowCount(); ++row)
        types << model->cellText(row, MyItemModel::ElementColumn);
    return types;
}

}  // namespace

class HorizonDialogTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<DialogTestWindow> window_;
    QPointer<HorizonDialog> dialog_;

    HorizonDialogParts openDialog()
    {
        dialog_ = new HorizonDialog(window_.get());
        dialog_->show();
        return HorizonDialogParts(dialog_);
    }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("default.debug=false"); }

    void init()
    {
        theRoad.NewRoad();
        window_ = std::make_unique<DialogTestWindow>();
    }

    void cleanup() { window_.reset(); }

    void piDesignReadsBackAsElements()
    {
        const HorizonDialogParts parts = openDialog();
        QCOMPARE(parts.tabs()->currentWidget(), parts.get("tab"));
        const std::vector<Point> points = designPoints();
        for (int row = 0; row < int(points.size()); ++row) {
            click(parts.button("pushButtonInsert"));
            QVERIFY(parts.typeCross(row, HorizonDialog::XColumn, number(points[row].x)));
            QVERIFY(parts.typeCross(row, HorizonDialog::YColumn, number(points[row].y)));
        }
        QVERIFY(parts.typeCross(0, HorizonDialog::LColumn, "100"));

        struct Curve
        {
            int kind;
            const char* radius;
            const char* arc;
            const char* in;
            const char* out;
        };
        const Curve curves[] = {{HorizonDialog::ArcCurve, "500", "175", "", ""},
                                {HorizonDialog::SpiralSpiralCurve, "400", "", "100", "100"},
                                {HorizonDialog::SpiralArcSpiralCurve, "600", "140", "80", "120"}};
        for (int row = 1; row <= 3; ++row) {
            const Curve& curve = curves[row - 1];
            parts.selectCross(row);
            parts.chooseKind(curve.kind);
            QCOMPARE(parts.kindBox()->currentIndex(), row);
            retype(parts.field("radiusEdit"), curve.radius);
            if (parts.field("lengthEdit")->isEnabled())
                retype(parts.field("lengthEdit"), curve.arc);
            if (parts.field("length1Edit")->isEnabled()) {
                retype(parts.field("length1Edit"), curve.in);
                retype(parts.field("length2Edit"), curve.out);
            }
            click(parts.button("pushButtonModify"));
        }
        // Tangent lengths of the last curve: unequal spirals, unequal tangents.
        QVERIFY(parts.field("t1Edit")->text() != parts.field("t2Edit")->text());

        ModalAnswers answers({press(QMessageBox::Ok)});
        click(parts.button("pushButtonApply"));
        QVERIFY(answers.seen().isEmpty());

        QCOMPARE(elementTypes(parts.elements()),
                 QStringList({"Line", "Arc", "Line", "Spiral", "Spiral", "Line", "Spiral", "Arc",
                              "Spiral", "Line", "End"}));
        const MyItemModel* model = parts.elements();
        auto text = [model](int row, int column) { return model->cellText(row, column); };
        QCOMPARE(text(1, MyItemModel::StartRadiusColumn), QString("500.000"));
        // The left turn: a spiral from the straight into radius 400, and out.
        QCOMPARE(text(3, MyItemModel::StartRadiusColumn), QString());
        QCOMPARE(text(3, MyItemModel::EndRadiusColumn), QString("-400.000"));
        QCOMPARE(text(4, MyItemModel::StartRadiusColumn), QString("-400.000"));
        QCOMPARE(text(4, MyItemModel::EndRadiusColumn), QString());
        QCOMPARE(text(7, MyItemModel::EndRadiusColumn), QString("600.000"));
        QCOMPARE(text(7, MyItemModel::LengthColumn), QString("140.000"));
        QCOMPARE(text(0, MyItemModel::StakeColumn), QString("100.000"));

        // The road ends at the end point, and the PI table shows the stations.
        QCOMPARE(theRoad.NumberOfHorizon(), 11);
        const RoadEntity& last = *theRoad.GetHorizon(10);
        QVERIFY(std::hypot(last.x2 - points[4].x, last.y2 - points[4].y) < 0.01);
        QCOMPARE(parts.crossTable()->rowCount(), 5);
        QCOMPARE(parts.crossTable()->item(4, HorizonDialog::LColumn)->text(),
                 QString::number(last.l1 + last.length, 'f', 3));
        QCOMPARE(parts.crossKind(1), int(HorizonDialog::ArcCurve));
        QCOMPARE(parts.crossKind(2), int(HorizonDialog::SpiralSpiralCurve));
        QCOMPARE(parts.crossKind(3), int(HorizonDialog::SpiralArcSpiralCurve));
        QVERIFY(theRoad.IsModified());
    }

    void elementDesignReadsBackAsIntersectionPoints()
    {
        const HorizonDialogParts parts = openDialog();
        parts.showElementTab();
        typeElementDesign(parts);
        QCOMPARE(elementTypes(parts.elements()),
                 QStringList({"Line", "Spiral", "Arc", "Spiral", "Line", "End"}));
        ModalAnswers answers({press(QMessageBox::Ok)});
        click(parts.button("pushButton_6"));
        QVERIFY(answers.seen().isEmpty());

        QCOMPARE(theRoad.NumberOfHorizon(), 6);
        const RoadEntity& first = *theRoad.GetHorizon(1);
        QCOMPARE(first.x1, 5000.0);
        QCOMPARE(first.y1, 8000.0);
        QVERIFY(std::fabs(first.angle1 - dms2rad(45)) < kTolerance);
        QCOMPARE(theRoad.GetHorizon(2)->l1, 1200.0);
        QCOMPARE(parts.elements()->cellText(5, MyItemModel::StakeColumn), QString("1760.000"));

        // One curve point between the start and the end.
        QTableWidget* table = parts.crossTable();
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, HorizonDialog::XColumn)->text(), QString("5000.000"));
        QCOMPARE(table->item(0, HorizonDialog::LColumn)->text(), QString("1000.000"));
        QCOMPARE(parts.crossKind(1), int(HorizonDialog::SpiralArcSpiralCurve));
        QVERIFY(std::fabs(parts.crossValue(1, HorizonDialog::RadiusRole) - 300) < kTolerance);
        QVERIFY(std::fabs(parts.crossValue(1, HorizonDialog::ArcLengthRole) - 150) < kTolerance);
        QVERIFY(std::fabs(parts.crossValue(1, HorizonDialog::SpiralInRole) - 80) < kTolerance);
        QCOMPARE(parts.crossKind(2), int(HorizonDialog::NoCurve));
    }

    void firstAndLastPiRowsCarryNoCurve()
    {
        const HorizonDialogParts parts = openDialog();
        QAbstractButton* insert = parts.button("pushButtonInsert");
        for (int i = 0; i < 3; ++i)
            click(insert);
        // Each new row was the end point; the former end point became a curve.
        QCOMPARE(parts.crossKind(0), int(HorizonDialog::NoCurve));
        QCOMPARE(parts.crossKind(1), int(HorizonDialog::ArcCurve));
        QCOMPARE(parts.crossKind(2), int(HorizonDialog::NoCurve));
        // Only the start station counts; the others look blank.
        QTableWidget* table = parts.crossTable();
        QCOMPARE(table->item(1, HorizonDialog::LColumn)->background().color(),
                 HorizonDialog::kBlankCellColour);
        QCOMPARE(table->item(0, HorizonDialog::LColumn)->background().style(), Qt::NoBrush);

        parts.selectCross(1);
        QVERIFY(parts.kindBox()->isEnabled());
        QVERIFY(parts.field("radiusEdit")->isEnabled());
        QVERIFY(!parts.field("length1Edit")->isEnabled());
        QCOMPARE(parts.field("length1Edit")->text(), QString("0"));
        parts.selectCross(2);
        QVERIFY(!parts.kindBox()->isEnabled());
        QVERIFY(!parts.field("radiusEdit")->isEnabled());
        // A kind chosen for the end point snaps back.
        parts.kindBox()->setCurrentIndex(HorizonDialog::ArcCurve);
        QCOMPARE(parts.kindBox()->currentIndex(), int(HorizonDialog::NoCurve));

        // A row inserted in the middle is a curve point.
        parts.selectCross(0);
        click(insert);
        QCOMPARE(table->currentRow(), 1);
        QCOMPARE(parts.crossKind(1), int(HorizonDialog::ArcCurve));
        QCOMPARE(table->rowCount(), 4);
    }

    void deletingPiRowsKeepsTheEndsWithoutCurves()
    {
        const std::vector<Point> points = designPoints();
        for (const Point& p : points) {
            CrossEntity c;
            c.x = p.x;
            c.y = p.y;
            c.radius = 500;
            c.arcLen = 100;
            RoadSet::CalTangent(&c);
            theRoad.InsertCross(c);
        }
        theRoad.GetCross(0)->l = 250;
        theRoad.GetCross(1)->l = 850;
        const HorizonDialogParts parts = openDialog();
        QTableWidget* table = parts.crossTable();

        parts.selectCross(4);
        click(parts.button("pushButtonDelete"));
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->currentRow(), 3);
        QCOMPARE(parts.crossKind(3), int(HorizonDialog::NoCurve));
        QCOMPARE(parts.field("radiusEdit")->text(), QString("0"));
        // The new end point lost its curve, tangents included.
        QCOMPARE(parts.crossValue(3, HorizonDialog::TangentInRole), 0.0);

        parts.selectCross(0);
        click(parts.button("pushButtonDelete"));
        QCOMPARE(table->currentRow(), 0);
        QCOMPARE(parts.crossKind(0), int(HorizonDialog::NoCurve));
        QCOMPARE(parts.crossValue(0, HorizonDialog::TangentOutRole), 0.0);
        // Its station cell still looks blank, yet it is the start station.
        QCOMPARE(table->item(0, HorizonDialog::LColumn)->background().color(),
                 HorizonDialog::kBlankCellColour);

        // Deleting an inner row shows the row that moved into its place.
        parts.selectCross(1);
        click(parts.button("pushButtonDelete"));
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->currentRow(), 1);

        // Two points are too few to convert: the road only loses its points.
        click(parts.button("pushButtonApply"));
        QCOMPARE(theRoad.NumberOfCross(), 0);
        QCOMPARE(theRoad.NumberOfHorizon(), 0);
    }

    void startPointDeletedStartsTheRoadAtItsOwnPoint()
    {
        // Start, two plain bends, end.
        const std::vector<Point> points = designPoints();
        for (const Point& p : points) {
            CrossEntity c;
            c.x = p.x;
            c.y = p.y;
            theRoad.InsertCross(c);
        }
        theRoad.GetCross(1)->radius = 300;
        theRoad.GetCross(1)->arcLen = 300 * 0.35;
        RoadSet::CalTangent(theRoad.GetCross(1));
        theRoad.GetCross(1)->l = 777;
        const HorizonDialogParts parts = openDialog();
        parts.selectCross(0);
        click(parts.button("pushButtonDelete"));
        ModalAnswers answers({press(QMessageBox::Ok)});
        click(parts.button("pushButtonApply"));
        QVERIFY(answers.seen().isEmpty());
        // The first line starts at the new start point (as the table shows it,
        // to 3 decimals), at its old station.
        const RoadEntity& line = *theRoad.GetHorizon(1);
        QVERIFY(std::hypot(line.x1 - points[1].x, line.y1 - points[1].y) < 1e-3);
        QCOMPARE(line.l1, 777.0);
    }

    void modifyRefusesNegativeDimensions()
    {
        const HorizonDialogParts parts = openDialog();
        for (int i = 0; i < 3; ++i)
            click(parts.button("pushButtonInsert"));
        parts.selectCross(1);
        retype(parts.field("radiusEdit"), "200");
        retype(parts.field("lengthEdit"), "100");
        click(parts.button("pushButtonModify"));
        const QString tangent = parts.field("t1Edit")->text();
        QVERIFY(std::fabs(tangent.toDouble() - 200 * std::tan(0.25)) < 1e-3);

        retype(parts.field("radiusEdit"), "-5");
        ModalAnswers answers({press(QMessageBox::Ok)});
        click(parts.button("pushButtonModify"));
        QCOMPARE(answers.seen(), QStringList("warning: road is wrong defined!"));
        QCOMPARE(parts.field("t1Edit")->text(), tangent);
    }

    void failedPiApplyNamesThePointAndShowsThePartialChain()
    {
        const HorizonDialogParts parts = openDialog();
        const std::vector<Point> points = designPoints();
        for (int row = 0; row < 3; ++row) {
            click(parts.button("pushButtonInsert"));
            QVERIFY(parts.typeCross(row, HorizonDialog::XColumn, number(points[row].x)));
            QVERIFY(parts.typeCross(row, HorizonDialog::YColumn, number(points[row].y)));
        }
        // An arc that turns by 0.2 where the points turn by 0.35.
        parts.selectCross(1);
        retype(parts.field("radiusEdit"), "500");
        retype(parts.field("lengthEdit"), "100");
        click(parts.button("pushButtonModify"));
        ModalAnswers answers({press(QMessageBox::Ok)});
        click(parts.button("pushButtonApply"));
        QCOMPARE(answers.seen(),
                 QStringList("warning: the 2 intersection point is wrong defined!"));
        QVERIFY(theRoad.NumberOfHorizon() > 1);
        QCOMPARE(parts.elements()->rowCount(), theRoad.NumberOfHorizon());
    }

    void refusedElementApplyKeepsTheRoad()
    {
        theRoad.Load(VANTOREL_EXAMPLES "/example-road.rod");
        const int elements = theRoad.NumberOfHorizon();
        const int points = theRoad.NumberOfCross();
        const RoadEntity lastBefore = *theRoad.GetHorizon(elements - 1);
        const HorizonDialogParts parts = openDialog();
        parts.showElementTab();
        // The third element becomes an arc without radius.
        QVERIFY(parts.typeElement(2, MyItemModel::ElementColumn, "Arc"));
        QVERIFY(parts.typeElement(2, MyItemModel::StartRadiusColumn, ""));
        ModalAnswers answers({press(QMessageBox::Ok)});
        click(parts.button("pushButton_6"));
        QCOMPARE(answers.seen(), QStringList("warning: Radius of arc should not be ZERO!"));
        QCOMPARE(theRoad.NumberOfHorizon(), elements);
        QCOMPARE(theRoad.NumberOfCross(), points);
        QCOMPARE(theRoad.GetHorizon(elements - 1)->x2, lastBefore.x2);
        QVERIFY(!theRoad.IsModified());
        // The rows stay for correction.
        QCOMPARE(parts.elements()->cellText(2, MyItemModel::StartRadiusColumn), QString("0.000"));
        QCOMPARE(parts.crossTable()->rowCount(), points);
    }

    void tooShortRowIsDropped()
    {
        const HorizonDialogParts parts = openDialog();
        parts.showElementTab();
        typeElementDesign(parts);
        parts.selectElement(4);
        click(parts.button("pushButton_4"));
        QVERIFY(parts.typeElement(5, MyItemModel::ElementColumn, "Line"));
        QVERIFY(parts.typeElement(5, MyItemModel::LengthColumn, "0.0005"));
        click(parts.button("pushButton_6"));
        QCOMPARE(theRoad.NumberOfHorizon(), 6);
        QCOMPARE(parts.elements()->rowCount(), 6);
    }

    void onlyTheEndRowClearsTheElements()
    {
        theRoad.Load(VANTOREL_EXAMPLES "/example-road.rod");
        const HorizonDialogParts parts = openDialog();
        parts.showElementTab();
        while (parts.elements()->rowCount() > 1) {
            parts.selectElement(0);
            click(parts.button("pushButton_5"));
        }
        click(parts.button("pushButton_6"));
        QCOMPARE(theRoad.NumberOfHorizon(), 0);
    }

    void arcDimensionedByAngle()
    {
        const HorizonDialogParts parts = openDialog();
        parts.showElementTab();
        typeElementDesign(parts);
        click(parts.button("radioButton_2"));
        const MyItemModel* model = parts.elements();
        QVERIFY(!model->item(2, MyItemModel::LengthColumn)->isEnabled());
        QVERIFY(model->item(2, MyItemModel::OffsetColumn)->isEnabled());
        // 30 degrees 0 minutes 0 seconds at radius 300.
        QVERIFY(parts.typeElement(2, MyItemModel::OffsetColumn, "30"));
        click(parts.button("pushButton_6"));
        const double length = 300 * dms2rad(30);
        QVERIFY(std::fabs(theRoad.GetHorizon(3)->length - length) < kTolerance);
        QCOMPARE(model->cellText(2, MyItemModel::LengthColumn), QString::number(length, 'f', 3));
    }

    void piFilesTravelThroughCtrlAltKeys()
    {
        theRoad.Load(VANTOREL_EXAMPLES "/example-road.rod");
        const int points = theRoad.NumberOfCross();
        const HorizonDialogParts parts = openDialog();
        QTableWidget* table = parts.crossTable();
        const QString file = dir_.filePath(QString::fromUtf8("交点-PI.cross"));
        {
            ModalAnswers answers({choose(file)});
            QTest::keyClick(table, Qt::Key_O, Qt::ControlModifier | Qt::AltModifier);
            QVERIFY(answers.allAnswered());
        }
        QVERIFY(QFile::exists(file));

        theRoad.ClearCross();
        {
            // With Shift held nothing is loaded.
            ModalAnswers answers({choose(file)});
            QTest::keyClick(table, Qt::Key_I,
                            Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
            QTest::qWait(50);
            QVERIFY(answers.seen().isEmpty());
        }
        {
            ModalAnswers answers({choose(file)});
            QTest::keyClick(table, Qt::Key_I, Qt::ControlModifier | Qt::AltModifier);
            QVERIFY(answers.allAnswered());
        }
        QCOMPARE(theRoad.NumberOfCross(), points);
        QCOMPARE(table->rowCount(), points);

        // A file that is no PI file costs the road nothing.
        const QString bad = dir_.filePath("bad.cross");
        QFile out(bad);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("1,2,3,4,5,6\n\nnot a point\n");
        out.close();
        ModalAnswers answers({choose(bad), press(QMessageBox::Ok)});
        QTest::keyClick(table, Qt::Key_I, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(answers.seen().last(), QString("warning: load cross file failed"));
        QCOMPARE(theRoad.NumberOfCross(), points);
        QCOMPARE(table->rowCount(), points);
    }

    void piTabRefusedWhileTheRoadCannotUseIt()
    {
        // A chain that ends with a curve cannot be described the old way.
        theRoad.InsertHorizonPoint(0, 0, 0);
        RoadEntity arc;
        arc.set(2, 0, 0, 0, 100, 100, 50, 0);
        theRoad.InsertHorizon(arc);
        theRoad.ApplyHorizon();
        QVERIFY(!theRoad.ToCross());
        const HorizonDialogParts parts = openDialog();
        QCOMPARE(parts.tabs()->currentWidget(), parts.get("tab_2"));
        ModalAnswers answers({press(QMessageBox::Ok)});
        parts.tabs()->setCurrentIndex(0);
        QCOMPARE(answers.seen(),
                 QStringList("warning: cannot translate to point intersection method!"));
        QCOMPARE(parts.tabs()->currentWidget(), parts.get("tab_2"));
    }

    void mainWindowOpensTheDialogAndRefillsItOnNewData()
    {
        window_->findChild<QAction*>("actionVerticalView")->trigger();
        window_->findChild<QAction*>("actionHorizon")->trigger();
        QVERIFY(window_->findChild<QAction*>("actionHorizonView")->isChecked());
        auto* dialog = window_->findChild<HorizonDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        const HorizonDialogParts parts(dialog);
        QCOMPARE(parts.crossTable()->rowCount(), 0);

        theRoad.Load(VANTOREL_EXAMPLES "/example-road.rod");
        emit window_->dataLoaded(1);
        QCOMPARE(parts.crossTable()->rowCount(), 0);
        emit window_->dataLoaded(0);
        QCOMPARE(parts.crossTable()->rowCount(), theRoad.NumberOfCross());

        QPointer<HorizonDialog> watched(dialog);
        click(parts.button("pushButtonClose"));
        QTRY_VERIFY(watched.isNull());
    }

    void hiddenImportFindsNoImporter()
    {
        const HorizonDialogParts parts = openDialog();
        QVERIFY(parts.button("pushButtonImport")->isHidden());
        QVERIFY(parts.button("pushButtonClear")->isHidden());
        ModalAnswers answers({press(QMessageBox::Ok)});
        parts.button("pushButtonImport")->click();
        QCOMPARE(answers.seen(), QStringList("No Importer: No Importer Found!"));
    }
};

QTEST_MAIN(HorizonDialogTest)
#include "horizondialog_test.moc"
