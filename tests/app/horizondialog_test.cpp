// The horizontal alignment dialog driven as a user would: a road designed by
// intersection points and read back as elements, and the other way round;
// the editing rules of both tables, PI files, the apply flows' failures, and
// the arc through three points the element table takes from its menu.
#include "editors/horizondialog.h"
#include "curvefit.h"
#include "dialogtest.h"
#include "editors/arccalcdlg.h"
#include "editors/myitemmodel.h"

#include <QContextMenuEvent>
#include <QLoggingCategory>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>

namespace {

// The dialog as a user sees it: its named parts, and its two tables typed
// into and clicked.
class HorizonDialogParts
{
public:
    // Shows a new dialog of this window on this tab (0 PI, 1 elements).
    HorizonDialogParts(MainWindow* window, int tab)
        : dialog_(new HorizonDialog(window->document(), window))
    {
        dialog_->show();
        get<QTabWidget>("tabWidget")->setCurrentIndex(tab);
    }
    explicit HorizonDialogParts(HorizonDialog* dialog) : dialog_(dialog) {}

    template <typename T>
    T* get(const char* name) const
    {
        return dialog_->findChild<T*>(name);
    }
    void click(const char* button) const { clickButton(dialog_, button); }
    QLineEdit* field(const char* name) const { return get<QLineEdit>(name); }
    QTableWidget* crossTable() const { return get<QTableWidget>("crossTable"); }
    QTableView* elementView() const { return get<QTableView>("tableView"); }
    MyItemModel* elements() const { return qobject_cast<MyItemModel*>(elementView()->model()); }

    bool typeElement(int row, int column, const QString& text) const
    {
        return typeIntoCell(elementView(), elements()->index(row, column), text);
    }
    bool typeCross(int row, int column, const QString& text) const
    {
        return typeIntoCell(crossTable(), crossTable()->model()->index(row, column), text);
    }
    void selectElement(int row) const { clickCell(elementView(), elements()->index(row, 0)); }
    void selectCross(int row) const
    {
        clickCell(crossTable(), crossTable()->model()->index(row, 0));
    }
    double crossValue(int row, int role) const
    {
        return crossTable()->item(row, HorizonDialog::XColumn)->data(role).toDouble();
    }
    int crossKind(int row) const { return int(crossValue(row, HorizonDialog::KindRole)); }
    QString crossText(int row, int column) const { return crossTable()->item(row, column)->text(); }
    // The texts of one column of the element table, row by row.
    QStringList elementColumn(int column) const
    {
        QStringList texts;
        for (int row = 0; row < elements()->rowCount(); ++row)
            texts << elements()->cellText(row, column);
        return texts;
    }

    // Gives the PI of this row a curve as typed under the table: its kind,
    // then radius, arc length and the spirals, where the kind lets them be
    // typed.
    void designCurve(int row, int kind, const QStringList& values) const
    {
        selectCross(row);
        chooseWithKeys(get<QComboBox>("comboBox"), kind);
        const char* const fields[] = {"radiusEdit", "lengthEdit", "length1Edit", "length2Edit"};
        for (int i = 0; i < values.size(); ++i)
            if (field(fields[i])->isEnabled())
                retype(field(fields[i]), values[i]);
        click("pushButtonModify");
    }

    // The box PI Apply raises: "title: text", then its details.
    QStringList applyPoints() const
    {
        QString details;
        const Answer read{&QMessageBox::staticMetaObject, [&details](QWidget* w) {
                              auto* box = qobject_cast<QMessageBox*>(w);
                              details = box->informativeText();
                              box->button(QMessageBox::Ok)->click();
                          }};
        const QStringList seen = answering({read}, [&] { click("pushButtonApply"); });
        return seen.isEmpty() || seen.last() == "unanswered" ? QStringList()
                                                             : seen + QStringList(details);
    }

private:
    HorizonDialog* dialog_;
};

// Start, an arc turning right by 0.35, a spiral-spiral turning left by
// 0.25, a spiral-arc-spiral turning right by 0.4, end.
const double kDeflections[] = {0.0, 0.35, -0.25, 0.4, 0.0};

QList<QPointF> designPoints()
{
    QList<QPointF> points{{1000.0, 2000.0}};
    double azimuth = 0.3;
    for (const double leg : {600.0, 700.0, 800.0, 500.0}) {
        azimuth += kDeflections[points.size() - 1];
        points << points.last() + leg * QPointF(std::cos(azimuth), std::sin(azimuth));
    }
    return points;
}

// The turn of the legs at point i of the road, as the library has it.
double legsTurnAt(int i)
{
    return legDeflection(*theRoad.GetCross(i - 1), *theRoad.GetCross(i), *theRoad.GetCross(i + 1));
}

}  // namespace

class HorizonDialogTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

    // The arc dialog as the element table's context menu opens it.
    static ArcCalcDlg* openArcDialog(const HorizonDialogParts& parts)
    {
        QWidget* viewport = parts.elementView()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, {}, viewport->mapToGlobal(QPoint()));
        QApplication::sendEvent(viewport, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || menu->actions().size() != 1 ||
            menu->actions()[0]->text() != "Arc From 3 points")
            return nullptr;
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(menu->actions()[0]).center());
        auto* dialog = parts.get<ArcCalcDlg>("ArcCalcDlg");
        return dialog && dialog->isVisible() && dialog->isModal() ? dialog : nullptr;
    }

    // Types the three points, X and Y, into the arc dialog, calculates and
    // returns its X, Y, radius, length and both azimuths.
    static QString calculateArc(ArcCalcDlg* dialog, const QStringList& coordinates)
    {
        auto* view = dialog->findChild<QTableView*>("tableView");
        for (int i = 0; i < coordinates.size(); ++i)
            typeIntoCell(view, view->model()->index(i / 2, i % 2), coordinates[i]);
        clickButton(dialog, "btnCalc");
        QStringList shown;
        for (const char* name : {"editX", "editY", "editR", "editLen", "editStAzi", "editEdAzi"})
            shown << dialog->findChild<QLineEdit*>(name)->text();
        return shown.join(' ');
    }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("default.debug=false"); }

    void piDesignReadsBackAsElements()
    {
        const HorizonDialogParts parts(window_.get(), 0);
        const QList<QPointF> points = designPoints();
        for (int row = 0; row < points.size(); ++row) {
            parts.click("pushButtonInsert");
            QVERIFY(parts.typeCross(row, 0, QString::number(points[row].x(), 'f', 6)));
            QVERIFY(parts.typeCross(row, 1, QString::number(points[row].y(), 'f', 6)));
        }
        QVERIFY(parts.typeCross(0, HorizonDialog::LColumn, "100"));
        // Radius, arc length, entry and exit spiral of the curves of kind 1 to 3.
        const QStringList curves[] = {
            {"500", "175"}, {"400", "", "100", "100"}, {"600", "140", "80", "120"}};
        for (int row = 1; row <= 3; ++row)
            parts.designCurve(row, row, curves[row - 1]);
        QCOMPARE(parts.applyPoints(), QStringList());
        checkUndoRedo("Apply intersection points", roadFields(RoadSet()));

        QCOMPARE(parts.elementColumn(MyItemModel::ElementColumn),
                 QStringList({"Line", "Arc", "Line", "Spiral", "Spiral", "Line", "Spiral", "Arc",
                              "Spiral", "Line", "End"}));
        // Radii signed by the turn; spirals have none at their straight end.
        QCOMPARE(
            parts.elementColumn(MyItemModel::StartRadiusColumn),
            QStringList({"", "500.000", "", "", "-400.000", "", "", "600.000", "600.000", "", ""}));
        QCOMPARE(parts.elementColumn(MyItemModel::StakeColumn).first(), QString("100.000"));
        const RoadEntity& last = *theRoad.GetHorizon(10);
        QVERIFY(std::hypot(last.x2 - points[4].x(), last.y2 - points[4].y()) < 0.01);
        // The PI table shows the kinds read back from the road.
        for (int row = 0; row < 5; ++row)
            QCOMPARE(parts.crossKind(row), row % 4);
    }

    // A line, a right spiral-arc-spiral and a line typed row by row, each new
    // row keeping the type Insert suggests; lengths no element may have
    // refused in their cell; an arc dimensioned by its angle; a row left
    // without a length dropped.
    void elementDesignReadsBackAsIntersectionPoints()
    {
        const HorizonDialogParts parts(window_.get(), 1);
        const QList<QPair<int, QString>> rows[] = {
            {{MyItemModel::NorthColumn, "5000"},
             {MyItemModel::EastColumn, "8000"},
             {MyItemModel::StartAzimuthColumn, "45"},
             {MyItemModel::LengthColumn, "200"},
             {MyItemModel::StakeColumn, "1000"}},
            {{MyItemModel::EndRadiusColumn, "300"}, {MyItemModel::LengthColumn, "80"}},
            {{MyItemModel::StartRadiusColumn, "300"}, {MyItemModel::LengthColumn, "150"}},
            {{MyItemModel::StartRadiusColumn, "300"}, {MyItemModel::LengthColumn, "80"}},
            {{MyItemModel::LengthColumn, "250"}}};
        for (int row = 0; row < 5; ++row) {
            parts.click("pushButton_4");
            QCOMPARE(parts.elementView()->currentIndex().row(), row);
            for (const auto& [column, text] : rows[row])
                QVERIFY(parts.typeElement(row, column, text));
        }
        QCOMPARE(parts.elementColumn(MyItemModel::ElementColumn),
                 QStringList({"Line", "Spiral", "Arc", "Spiral", "Line", "End"}));
        for (const char* typed : {"-30", "0", "0.0005", "nan", "x"}) {
            // The box comes once the editor has closed.
            const ModalAnswers modal({press(QMessageBox::Ok)});
            QVERIFY(parts.typeElement(0, MyItemModel::LengthColumn, typed));
            QTRY_VERIFY(modal.allAnswered());
            QCOMPARE(modal.seen(), QStringList("warning: Invalide defination of road!"));
            QCOMPARE(parts.elements()->cellText(0, MyItemModel::LengthColumn), QString("200.000"));
        }
        QCOMPARE(boxRaisedBy([&] { parts.click("pushButton_6"); }), QString());
        checkUndoRedo("Apply elements", roadFields(RoadSet()));
        QVERIFY(std::fabs(theRoad.GetHorizon(1)->angle1 - dms2rad(45)) < 1e-9);
        QCOMPARE(parts.elementColumn(MyItemModel::StakeColumn).last(), QString("1760.000"));
        // One curve point between the start and the end.
        QCOMPARE(parts.crossTable()->rowCount(), 3);
        QCOMPARE(parts.crossText(0, 0) + ' ' + parts.crossText(0, HorizonDialog::LColumn),
                 QString("5000.000 1000.000"));
        QCOMPARE(parts.crossKind(1), int(HorizonDialog::SpiralArcSpiralCurve));
        QCOMPARE(parts.crossValue(1, HorizonDialog::RadiusRole), 300.0);
        QCOMPARE(parts.crossValue(1, HorizonDialog::ArcLengthRole), 150.0);
        QCOMPARE(parts.crossValue(1, HorizonDialog::SpiralInRole), 80.0);

        // "Angle" swaps the arc's "Length" and "Offset" cells, and only the
        // arc's: 30 degrees 0 minutes 0 seconds at radius 300.
        const auto isLocked = [&parts](int row, int column) {
            const QStandardItem* cell = parts.elements()->item(row, column);
            return !cell->isEnabled() &&
                   cell->background().color() == MyItemModel::kLockedCellColour;
        };
        parts.click("radioButton_2");
        QVERIFY(isLocked(2, MyItemModel::LengthColumn));
        QVERIFY(!isLocked(1, MyItemModel::LengthColumn));
        QVERIFY(parts.typeElement(2, MyItemModel::OffsetColumn, "30"));
        parts.click("pushButton_6");
        QVERIFY(std::fabs(theRoad.GetHorizon(3)->length - 300 * dms2rad(30)) < 1e-6);
        QCOMPARE(parts.elements()->cellText(2, MyItemModel::LengthColumn),
                 QString::number(300 * dms2rad(30), 'f', 3));
        parts.click("radioButton");
        QVERIFY(isLocked(2, MyItemModel::OffsetColumn));
        parts.selectElement(4);
        parts.click("pushButton_4");
        QVERIFY(parts.typeElement(5, MyItemModel::ElementColumn, "Line"));
        parts.click("pushButton_6");
        QCOMPARE(theRoad.NumberOfHorizon(), 6);
        QCOMPARE(parts.elements()->rowCount(), 6);
    }

    void firstAndLastPiRowsCarryNoCurve()
    {
        const HorizonDialogParts parts(window_.get(), 0);
        for (int i = 0; i < 3; ++i)
            parts.click("pushButtonInsert");
        // Each new row was the end point; the former end point became a curve.
        QCOMPARE(parts.crossKind(0), int(HorizonDialog::NoCurve));
        QCOMPARE(parts.crossKind(1), int(HorizonDialog::ArcCurve));
        QCOMPARE(parts.crossKind(2), int(HorizonDialog::NoCurve));
        // Only the start station counts; the others look blank.
        QCOMPARE(parts.crossTable()->item(1, HorizonDialog::LColumn)->background().color(),
                 HorizonDialog::kBlankCellColour);
        // A kind chosen for the end point snaps back.
        parts.selectCross(2);
        parts.get<QComboBox>("comboBox")->setCurrentIndex(HorizonDialog::ArcCurve);
        QCOMPARE(parts.get<QComboBox>("comboBox")->currentIndex(), int(HorizonDialog::NoCurve));

        parts.selectCross(1);
        retype(parts.field("radiusEdit"), "200");
        retype(parts.field("lengthEdit"), "100");
        parts.click("pushButtonModify");
        const QString tangent = parts.field("t1Edit")->text();
        QCOMPARE(tangent, QString::number(200 * std::tan(0.25), 'f', 3));
        retype(parts.field("radiusEdit"), "-5");
        QCOMPARE(boxRaisedBy([&] { parts.click("pushButtonModify"); }),
                 QString("warning: road is wrong defined!"));
        QCOMPARE(parts.field("t1Edit")->text(), tangent);

        // A row inserted in the middle is a curve point.
        parts.selectCross(0);
        parts.click("pushButtonInsert");
        QCOMPARE(parts.crossTable()->currentRow(), 1);
        QCOMPARE(parts.crossKind(1), int(HorizonDialog::ArcCurve));
    }

    void deletingPiRowsKeepsTheEndsWithoutCurves()
    {
        // Five points with arcs of radius 500, the inner ones turning with
        // the points.
        const QList<QPointF> points = designPoints();
        for (int i = 0; i < 5; ++i) {
            CrossEntity c;
            c.x = points[i].x();
            c.y = points[i].y();
            c.l = 100.0 * i;
            c.radius = 500;
            c.arcLen = 500 * std::fabs(kDeflections[i]) + 100 * (i % 4 == 0);
            RoadSet::CalTangent(&c);
            theRoad.InsertCross(c);
        }
        const HorizonDialogParts parts(window_.get(), 0);
        // The new end point, then the new start point, lose their curves.
        for (const auto& [deleted, end] : {std::pair(4, 3), std::pair(0, 0)}) {
            parts.selectCross(deleted);
            parts.click("pushButtonDelete");
            QCOMPARE(parts.crossTable()->currentRow(), end);
            QCOMPARE(parts.crossKind(end), int(HorizonDialog::NoCurve));
            QCOMPARE(parts.crossValue(end, HorizonDialog::TangentInRole), 0.0);
            QCOMPARE(parts.crossValue(end, HorizonDialog::TangentOutRole), 0.0);
        }
        // The road starts at the start point as the table shows it.
        QCOMPARE(parts.applyPoints(), QStringList());
        const RoadEntity& line = *theRoad.GetHorizon(1);
        QVERIFY(std::hypot(line.x1 - points[1].x(), line.y1 - points[1].y()) < 1e-3);
        QCOMPARE(line.l1, 100.0);

        // Deleting an inner row shows the row that moved into its place.
        parts.selectCross(1);
        parts.click("pushButtonDelete");
        QCOMPARE(parts.crossTable()->currentRow(), 1);
        // Two points are too few to convert: the road only loses its points.
        const int elements = theRoad.NumberOfHorizon();
        parts.click("pushButtonApply");
        QCOMPARE(theRoad.NumberOfCross(), 0);
        QCOMPARE(theRoad.NumberOfHorizon(), elements);
    }

    // A refused Apply on either tab leaves the road as it was and the rows
    // as typed, for correction.
    void refusedApplyKeepsTheRoadAndTheRows()
    {
        QVERIFY(loadExampleRoad());
        const QString before = roadFields(theRoad);
        const HorizonDialogParts parts(window_.get(), 1);
        // The third element becomes an arc without radius.
        QVERIFY(parts.typeElement(2, MyItemModel::ElementColumn, "Arc"));
        QVERIFY(parts.typeElement(2, MyItemModel::StartRadiusColumn, ""));
        QCOMPARE(boxRaisedBy([&] { parts.click("pushButton_6"); }),
                 QString("warning: Radius of arc should not be ZERO!"));
        QCOMPARE(roadFields(theRoad), before);
        QVERIFY(!theRoad.IsModified());

        // The second point's arc of 310 m, cut short: the curve misses its legs.
        parts.get<QTabWidget>("tabWidget")->setCurrentIndex(0);
        parts.designCurve(1, HorizonDialog::SpiralArcSpiralCurve, {"800", "150"});
        const QStringList failure = parts.applyPoints();
        QCOMPARE(failure.value(0), QString("warning: the 2 intersection point is wrong defined!"));
        QVERIFY2(failure.value(1).startsWith("Its curve turns by "), qPrintable(failure.value(1)));
        QCOMPARE(roadFields(theRoad), before);
        QVERIFY(!theRoad.IsModified());
        QVERIFY(!history()->canUndo());
        QCOMPARE(parts.crossValue(1, HorizonDialog::ArcLengthRole), 150.0);
        QCOMPARE(parts.elements()->cellText(2, MyItemModel::StartRadiusColumn), QString("0.000"));
    }

    // An engineer designs a curve by radius and spirals; its arc follows
    // from the turn of the legs, which the table shows. Curves that do not
    // fit are explained before the road is touched.
    void arcFollowsFromTheTurnOfTheLegs()
    {
        answering({choose(VANTOREL_EXAMPLES "/traverse-12.dat")},
                  [&] { window_->onImport("Cass Data"); });
        QCOMPARE(theRoad.NumberOfCross(), 12);
        const HorizonDialogParts parts(window_.get(), 0);
        for (int row = 1; row < 11; ++row) {
            const double turn = legsTurnAt(row);
            const QString dms = QString::number(rad2dms(std::fabs(turn)), 'f', 7);
            QCOMPARE(parts.crossText(row, HorizonDialog::DeflectionColumn),
                     dms + (turn > 0 ? " R" : " L"));
        }
        // Spirals that turn further than the legs, with the longest that fit.
        const double turn = std::fabs(legsTurnAt(1));
        parts.designCurve(1, HorizonDialog::SpiralArcSpiralCurve, {"400", "", "300", "300"});
        const QString limit = QString::number(fitArc(400, 300, 300, turn).spiralInLimit, 'f', 3);
        QCOMPARE(parts.applyPoints(),
                 QStringList({"warning: the 2 intersection point is wrong defined!",
                              "Its spirals of 300.000 m and 300.000 m turn further than its legs, "
                              "which turn by " +
                                  parts.crossText(1, HorizonDialog::DeflectionColumn) +
                                  ": spirals of at most " + limit + " m and " + limit +
                                  " m leave room for an arc."}));
        // Arcs of radius 500 at points 2 and 3: their tangents, R tan(Δ/2),
        // overlap on the 238 m between the points.
        parts.designCurve(1, HorizonDialog::ArcCurve, {"500", ""});
        parts.designCurve(2, HorizonDialog::ArcCurve, {"500", ""});
        const CrossEntity &p2 = *theRoad.GetCross(1), &p3 = *theRoad.GetCross(2);
        const double overlap = 500 * std::tan(turn / 2) +
                               500 * std::tan(std::fabs(legsTurnAt(2)) / 2) -
                               std::hypot(p3.x - p2.x, p3.y - p2.y);
        QCOMPARE(parts.applyPoints().value(1),
                 "The tangents of the 2 and the 3 intersection point overlap by " +
                     QString::number(overlap, 'f', 3) +
                     " m: shorten their curves or move the points apart.");
        QCOMPARE(theRoad.NumberOfHorizon(), 12);

        parts.designCurve(2, HorizonDialog::NoCurve, {});
        parts.designCurve(1, HorizonDialog::SpiralArcSpiralCurve, {"400", "", "60", "60"});
        const QString arc = QString::number(400 * turn - 60, 'f', 3);
        QCOMPARE(parts.field("deflectionEdit")->text(),
                 parts.crossText(1, HorizonDialog::DeflectionColumn));
        QCOMPARE(parts.field("lengthEdit")->placeholderText(), arc);
        QCOMPARE(parts.crossText(1, HorizonDialog::ArcColumn), arc);
        QCOMPARE(parts.crossTable()->item(1, HorizonDialog::ArcColumn)->foreground().color(),
                 HorizonDialog::kComputedCellColour);
        QCOMPARE(parts.applyPoints(), QStringList());
        QCOMPARE(theRoad.NumberOfHorizon(), 15);  // a start, eleven lines, one curve
        QCOMPARE(theRoad.GetHorizon(3)->type, 2);
        QVERIFY(std::fabs(theRoad.GetHorizon(3)->length - (400 * turn - 60)) < 1e-3);
        // Still computed: moving the next point changes the arc with it.
        QVERIFY(parts.typeCross(2, HorizonDialog::XColumn, "3381600"));
        QVERIFY(parts.crossText(1, HorizonDialog::ArcColumn) != arc);
    }

    // The main window opens the dialog on the plan; Ctrl+Alt+O and I save
    // and load PI files.
    void piFilesTravelThroughCtrlAltKeys()
    {
        QVERIFY(loadExampleRoad());
        const int points = theRoad.NumberOfCross();
        window_->findChild<QAction*>("actionVerticalView")->trigger();
        const QPointer<HorizonDialog> dialog = open<HorizonDialog>("actionHorizon");
        QVERIFY(dialog);
        QVERIFY(window_->findChild<QAction*>("actionHorizonView")->isChecked());
        const HorizonDialogParts parts(dialog);
        QTableWidget* table = parts.crossTable();
        const auto keys = [table](Qt::Key key, const QString& file, Qt::KeyboardModifiers more) {
            return answering({choose(file), press(QMessageBox::Ok)}, [&] {
                QTest::keyClick(table, key, Qt::ControlModifier | Qt::AltModifier | more);
            });
        };
        const QString file = dir_.filePath(QString::fromUtf8("交点-PI.cross"));
        keys(Qt::Key_O, file, {});
        theRoad.ClearCross();
        QCOMPARE(keys(Qt::Key_I, file, Qt::ShiftModifier), QStringList("unanswered"));
        keys(Qt::Key_I, file, {});
        QCOMPARE(theRoad.NumberOfCross(), points);
        QCOMPARE(history()->count(), 1);
        QCOMPARE(history()->undoText(), QString("Load intersection points"));
        // A file that is no PI file costs the road nothing.
        writeFile(dir_.filePath("bad.cross"), "1,2,3,4,5,6\n\nnot a point\n");
        QCOMPARE(keys(Qt::Key_I, dir_.filePath("bad.cross"), {}).last(),
                 QString("warning: load cross file failed"));
        QCOMPARE(theRoad.NumberOfCross(), points);
        QCOMPARE(table->rowCount(), points);
        QCOMPARE(history()->count(), 1);
        parts.click("pushButtonClose");
        QTRY_VERIFY(dialog.isNull());
    }

    // Start values typed tick the element's boxes; Delete never removes the
    // End row.
    void typedStartValuesTickTheirBoxes()
    {
        // A line, a right spiral-arc-spiral of radius 250, a line, then a
        // left arc of radius 300 that keeps its own start point.
        theRoad.InsertHorizonPoint(1000, 2000, 500);
        const double rows[][5] = {{1, 0, 0, 100, 0},  {3, 0, 250, 60, 0}, {2, 250, 250, 100, 0},
                                  {3, 250, 0, 60, 0}, {1, 0, 0, 50, 0},   {2, -300, -300, 80, 2}};
        for (const auto& row : rows) {
            RoadEntity e;
            QCOMPARE(e.set(int(row[0]), 1000, 2000, 0.5, row[1], row[2], row[3], int(row[4])), 0);
            e.l1 = 500;
            theRoad.InsertHorizon(e);
        }
        QCOMPARE(theRoad.ApplyHorizon(), 0);
        const HorizonDialogParts parts(window_.get(), 1);
        const MyItemModel* model = parts.elements();
        QVERIFY(model->isChecked(5, MyItemModel::NorthColumn));
        QVERIFY(!model->isChecked(5, MyItemModel::StartAzimuthColumn));
        const double east = model->value(1, MyItemModel::EastColumn);
        // The value the editor shows, typed back: no change.
        QVERIFY(parts.typeElement(1, MyItemModel::EastColumn, QString::number(east, 'f', 6)));
        QVERIFY(!model->isChecked(1, MyItemModel::NorthColumn));
        QVERIFY(parts.typeElement(1, MyItemModel::EastColumn, QString::number(east + 1, 'f', 3)));
        QVERIFY(model->isChecked(1, MyItemModel::NorthColumn));
        // Without a North value the start point is not the element's own.
        QVERIFY(parts.typeElement(1, MyItemModel::NorthColumn, ""));
        QVERIFY(!model->isChecked(1, MyItemModel::NorthColumn));
        QVERIFY(parts.typeElement(1, MyItemModel::EastColumn, "7"));
        QVERIFY(!model->isChecked(1, MyItemModel::NorthColumn));
        QVERIFY(parts.typeElement(2, MyItemModel::StartAzimuthColumn, "123.4530"));
        QVERIFY(model->isChecked(2, MyItemModel::StartAzimuthColumn));
        QVERIFY(parts.typeElement(2, MyItemModel::StartAzimuthColumn, ""));
        QVERIFY(!model->isChecked(2, MyItemModel::StartAzimuthColumn));
        // Letters read as 0.
        QVERIFY(parts.typeElement(4, MyItemModel::StartRadiusColumn, "abc"));
        QCOMPARE(model->cellText(4, MyItemModel::StartRadiusColumn), QString("0.000"));

        // After the last element the row above becomes current: the End row
        // cannot be.
        QTableView* view = parts.elementView();
        parts.selectElement(2);
        parts.click("pushButton_5");
        QCOMPARE(view->currentIndex().row(), 2);
        QCOMPARE(model->cellText(2, MyItemModel::ElementColumn), QString("Spiral"));
        parts.selectElement(4);
        parts.click("pushButton_5");
        QCOMPARE(view->currentIndex().row(), 3);
        view->setCurrentIndex(QModelIndex());
        parts.click("pushButton_5");
        QCOMPARE(model->rowCount(), 5);
        QCOMPARE(theRoad.NumberOfHorizon(), 7);  // untouched until Apply
        while (model->rowCount() > 1) {
            parts.selectElement(0);
            parts.click("pushButton_5");
        }
        parts.click("pushButton_6");
        QCOMPARE(theRoad.NumberOfHorizon(), 0);
    }

    void arcThroughThreePointsKeepsItsOwnStartAndAzimuth()
    {
        const HorizonDialogParts parts(window_.get(), 1);
        // Two lines heading east from (0, 0).
        parts.click("pushButton_4");
        QVERIFY(parts.typeElement(0, MyItemModel::StartAzimuthColumn, "90"));
        QVERIFY(parts.typeElement(0, MyItemModel::LengthColumn, "100"));
        parts.click("pushButton_4");
        QVERIFY(parts.typeElement(1, MyItemModel::ElementColumn, "Line"));
        QVERIFY(parts.typeElement(1, MyItemModel::LengthColumn, "50"));
        parts.selectElement(1);
        ArcCalcDlg* dialog = openArcDialog(parts);
        QVERIFY(dialog);
        auto* insert = dialog->findChild<QCheckBox*>("chkInsert");

        // North, turning right through east to south.
        QCOMPARE(calculateArc(dialog, {"0", "0", "100", "100", "0", "200"}),
                 "0.0000 100.0000 100.0000 " + QString::number(100 * M_PI, 'f', 4) +
                     " 0.0000000 180.0000000");
        // Points on a line: the arc calculated before is neither shown nor
        // inserted.
        QCOMPARE(boxRaisedBy([&] {
                     calculateArc(dialog, {"0", "0", "10", "10", "20", "20"});
                 }),
                 QString("warning: the three points are on a line!"));
        QVERIFY(dialog->findChild<QLineEdit*>("editR")->text().isEmpty());
        insert->click();
        clickButton(dialog, "btnDone");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(parts.elements()->rowCount(), 3);

        // An arc between the lines, far from where the first one ends.
        QCOMPARE(openArcDialog(parts), dialog);
        calculateArc(dialog, {"500", "500", "600", "600", "500", "700"});
        insert->click();
        clickButton(dialog, "btnDone");
        QVERIFY(!insert->isChecked());
        const MyItemModel* model = parts.elements();
        QCOMPARE(model->cellText(1, MyItemModel::ElementColumn), QString("Arc"));
        QCOMPARE(model->cellText(1, MyItemModel::EndRadiusColumn), QString("100.0000"));
        QCOMPARE(model->cellText(1, MyItemModel::StakeColumn), QString());
        QVERIFY(model->isChecked(1, MyItemModel::NorthColumn));
        QVERIFY(model->isChecked(1, MyItemModel::StartAzimuthColumn));
        parts.click("pushButton_6");
        const RoadEntity& arc = *theRoad.GetHorizon(2);
        QCOMPARE(QPointF(arc.x1, arc.y1), QPointF(500, 500));
        QVERIFY(std::fabs(arc.angle1) < 1e-9);
        QCOMPARE(arc.l1, 100.0);
        // The line after it goes on from the arc's end.
        const RoadEntity& line = *theRoad.GetHorizon(3);
        QVERIFY(std::hypot(line.x1 - 500, line.y1 - 700) < 1e-3);
    }
};

QTEST_MAIN(HorizonDialogTest)
#include "horizondialog_test.moc"
