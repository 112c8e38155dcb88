// The horizontal alignment dialog driven as a user would: roads designed by
// intersection points and by elements, the editing rules of both tables, PI
// files, failed applies, and the arc through three points.
#include "editors/horizondialog.h"
#include "curvefit.h"
#include "dialogtest.h"
#include "editors/arccalcdlg.h"
#include "editors/myitemmodel.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>

using M = MyItemModel;
using H = HorizonDialog;

class HorizonDialogTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    HorizonDialog* dialog_ = nullptr;

    // Shows a new dialog on this tab (0 PI, 1 elements).
    void show(int tab)
    {
        dialog_ = new HorizonDialog(window_->document(), window_.get());
        dialog_->show();
        dialog_->findChild<QTabWidget*>("tabWidget")->setCurrentIndex(tab);
    }
    void click(const char* button) const { clickButton(dialog_, button); }
    QLineEdit* field(const char* name) const { return dialog_->findChild<QLineEdit*>(name); }
    QTableWidget* crossTable() const { return dialog_->findChild<QTableWidget*>("crossTable"); }
    QTableView* elementView() const { return dialog_->findChild<QTableView*>("tableView"); }
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
    void selectCross(int r) const { clickCell(crossTable(), crossTable()->model()->index(r, 0)); }
    double crossValue(int row, int role) const
    {
        return crossTable()->item(row, H::XColumn)->data(role).toDouble();
    }
    int crossKind(int row) const { return int(crossValue(row, H::KindRole)); }
    QString crossText(int row, int column) const { return crossTable()->item(row, column)->text(); }
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
        chooseWithKeys(dialog_->findChild<QComboBox*>("comboBox"), kind);
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

    // The arc dialog as the element table's context menu opens it.
    ArcCalcDlg* openArcDialog() const
    {
        QWidget* viewport = elementView()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, {}, viewport->mapToGlobal(QPoint()));
        QApplication::sendEvent(viewport, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || menu->actions().size() != 1 ||
            menu->actions()[0]->text() != "Arc From 3 points")
            return nullptr;
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(menu->actions()[0]).center());
        auto* dialog = dialog_->findChild<ArcCalcDlg*>("ArcCalcDlg");
        return dialog && dialog->isVisible() && dialog->isModal() ? dialog : nullptr;
    }

    // Types the three points, X and Y, into the arc dialog, calculates and
    // returns the box raised, if any, and its X, Y, radius, length and both
    // azimuths.
    static QString calculateArc(ArcCalcDlg* dialog, const QStringList& coordinates)
    {
        auto* view = dialog->findChild<QTableView*>("tableView");
        for (int i = 0; i < coordinates.size(); ++i)
            typeIntoCell(view, view->model()->index(i / 2, i % 2), coordinates[i]);
        QStringList shown{boxRaisedBy([dialog] { clickButton(dialog, "btnCalc"); })};
        for (const char* name : {"editX", "editY", "editR", "editLen", "editStAzi", "editEdAzi"})
            shown << dialog->findChild<QLineEdit*>(name)->text();
        return shown.join(' ').trimmed();
    }

private slots:

    // Each new PI row is the end point, which carries no curve; the row
    // before becomes a curve. The curves typed under the table convert to
    // elements.
    void piDesignReadsBackAsElements()
    {
        show(0);
        // Start, an arc turning right by 0.35, a spiral-spiral turning left
        // by 0.25, a spiral-arc-spiral turning right by 0.4, end.
        QPointF point(1000, 2000);
        double azimuth = 0.3;
        const double turns[] = {0.0, 0.35, -0.25, 0.4, 0.0}, legs[] = {600, 700, 800, 500, 0};
        for (int row = 0; row < 5; ++row) {
            click("pushButtonInsert");
            QCOMPARE(crossKind(row), int(H::NoCurve));
            QCOMPARE(crossKind(std::max(row - 1, 0)), int(row > 1 ? H::ArcCurve : H::NoCurve));
            QVERIFY(typeCross(row, 0, QString::number(point.x(), 'f', 6)));
            QVERIFY(typeCross(row, 1, QString::number(point.y(), 'f', 6)));
            azimuth += turns[row];
            point += legs[row] * QPointF(std::cos(azimuth), std::sin(azimuth));
        }
        // Only the start station counts; the others look blank.
        QCOMPARE(crossTable()->item(1, H::LColumn)->background().color(), H::kBlankCellColour);
        // A kind chosen for the end point snaps back.
        selectCross(4);
        auto* kind = dialog_->findChild<QComboBox*>("comboBox");
        kind->setCurrentIndex(H::ArcCurve);
        QCOMPARE(kind->currentIndex(), int(H::NoCurve));
        // Radius, arc length, entry and exit spiral of the curves of kind 1
        // to 3; a negative one is refused.
        const QStringList curves[] = {
            {"500", "175"}, {"400", "", "100", "100"}, {"600", "140", "80", "120"}};
        designCurve(1, H::ArcCurve, curves[0]);
        const QString tangent = field("t1Edit")->text();
        QCOMPARE(tangent, QString::number(500 * std::tan(0.175), 'f', 3));
        retype(field("radiusEdit"), "-5");
        QCOMPARE(boxRaisedBy([&] { click("pushButtonModify"); }),
                 QString("warning: road is wrong defined!"));
        QCOMPARE(field("t1Edit")->text(), tangent);
        for (int row = 1; row <= 3; ++row)
            designCurve(row, row, curves[row - 1]);
        QCOMPARE(applyPoints(), QStringList());
        checkUndoRedo("Apply intersection points", roadFields(RoadSet()));

        QCOMPARE(elementColumn(M::ElementColumn),
                 QStringList({"Line", "Arc", "Line", "Spiral", "Spiral", "Line", "Spiral", "Arc",
                              "Spiral", "Line", "End"}));
        // Radii signed by the turn; spirals have none at their straight end.
        QCOMPARE(
            elementColumn(M::StartRadiusColumn),
            QStringList({"", "500.000", "", "", "-400.000", "", "", "600.000", "600.000", "", ""}));
        // The PI table shows the kinds read back from the road.
        for (int row = 0; row < 5; ++row)
            QCOMPARE(crossKind(row), row % 4);
        // A row inserted in the middle is a curve point.
        selectCross(0);
        click("pushButtonInsert");
        QCOMPARE(crossTable()->currentRow(), 1);
        QCOMPARE(crossKind(1), int(H::ArcCurve));
    }

    // A line, a right spiral-arc-spiral and a line typed row by row, each new
    // row keeping the type Insert suggests; lengths no element may have
    // refused in their cell; an arc dimensioned by its angle; a row left
    // without a length dropped; start values typed ticking their boxes; an
    // arc through three points; rows deleted.
    void elementDesignReadsBackAsIntersectionPoints()
    {
        show(1);
        // Each row, inserted after the one before, then typed into.
        const std::tuple<int, int, const char*> typed[] = {
            {0, M::NorthColumn, "5000"},      {0, M::EastColumn, "8000"},
            {0, M::StartAzimuthColumn, "45"}, {0, M::LengthColumn, "200"},
            {0, M::StakeColumn, "1000"},      {1, M::EndRadiusColumn, "300"},
            {1, M::LengthColumn, "80"},       {2, M::StartRadiusColumn, "300"},
            {2, M::LengthColumn, "150"},      {3, M::StartRadiusColumn, "300"},
            {3, M::LengthColumn, "80"},       {4, M::LengthColumn, "250"}};
        for (const auto& [row, column, text] : typed) {
            if (elements()->rowCount() == row + 1) {
                click("pushButton_4");
                QCOMPARE(elementView()->currentIndex().row(), row);
            }
            QVERIFY(typeElement(row, column, text));
        }
        QCOMPARE(elementColumn(M::ElementColumn),
                 QStringList({"Line", "Spiral", "Arc", "Spiral", "Line", "End"}));
        for (const char* typed : {"-30", "0", "0.0005", "nan", "x"}) {
            // The box comes once the editor has closed.
            const ModalAnswers modal({press(QMessageBox::Ok)});
            QVERIFY(typeElement(0, M::LengthColumn, typed));
            QTRY_VERIFY(modal.allAnswered());
            QCOMPARE(modal.seen(), QStringList("warning: Invalide defination of road!"));
            QCOMPARE(elements()->cellText(0, M::LengthColumn), QString("200.000"));
        }
        QCOMPARE(boxRaisedBy([&] { click("pushButton_6"); }), QString());
        checkUndoRedo("Apply elements", roadFields(RoadSet()));
        QVERIFY(std::fabs(theRoad.GetHorizon(1)->angle1 - dms2rad(45)) < 1e-9);
        // One curve point between the start and the end.
        QCOMPARE(crossTable()->rowCount(), 3);
        QCOMPARE(crossText(0, 0) + ' ' + crossText(0, H::LColumn), QString("5000.000 1000.000"));
        QCOMPARE(crossKind(1), int(H::SpiralArcSpiralCurve));
        QCOMPARE(crossValue(1, H::ArcLengthRole), 150.0);

        // "Angle" swaps the arc's "Length" and "Offset" cells, and only the
        // arc's: 30 degrees 0 minutes 0 seconds at radius 300.
        const auto isLocked = [this](int row, int column) {
            const QStandardItem* cell = elements()->item(row, column);
            return !cell->isEnabled() && cell->background().color() == M::kLockedCellColour;
        };
        click("radioButton_2");
        QVERIFY(isLocked(2, M::LengthColumn));
        QVERIFY(!isLocked(1, M::LengthColumn));
        QVERIFY(typeElement(2, M::OffsetColumn, "30"));
        click("pushButton_6");
        QVERIFY(std::fabs(theRoad.GetHorizon(3)->length - 300 * dms2rad(30)) < 1e-6);
        click("radioButton");
        QVERIFY(isLocked(2, M::OffsetColumn));
        selectElement(4);
        click("pushButton_4");
        QVERIFY(typeElement(5, M::ElementColumn, "Line"));
        click("pushButton_6");
        QCOMPARE(theRoad.NumberOfHorizon(), 6);
        QCOMPARE(elements()->rowCount(), 6);

        // The row and column typed into, the text, the box and its state
        // after: the value the editor shows, typed back, is no change; the
        // start point is the element's own only with a North value.
        const MyItemModel* model = elements();
        const QString east = QString::number(model->value(1, M::EastColumn), 'f', 6);
        const std::tuple<int, int, QString, int, bool> typedStart[] = {
            {1, M::EastColumn, east, M::NorthColumn, false},
            {1, M::EastColumn, "7", M::NorthColumn, true},
            {1, M::NorthColumn, "", M::NorthColumn, false},
            {1, M::EastColumn, "8", M::NorthColumn, false},
            {2, M::StartAzimuthColumn, "123.4530", M::StartAzimuthColumn, true}};
        for (const auto& [row, column, text, box, ticked] : typedStart) {
            QVERIFY(typeElement(row, column, text));
            QCOMPARE(model->isChecked(row, box), ticked);
        }
        // Letters read as 0.
        QVERIFY(typeElement(4, M::StartRadiusColumn, "abc"));
        QCOMPARE(model->cellText(4, M::StartRadiusColumn), QString("0.000"));
        // The road keeps whose start values are the element's own.
        click("pushButton_6");
        QVERIFY(model->isChecked(2, M::StartAzimuthColumn) && !model->isChecked(2, M::NorthColumn));
        QVERIFY(typeElement(2, M::StartAzimuthColumn, ""));
        QVERIFY(!model->isChecked(2, M::StartAzimuthColumn));

        // An arc through three points keeps its own start and azimuth.
        selectElement(4);
        ArcCalcDlg* dialog = openArcDialog();
        QVERIFY(dialog);
        auto* insert = dialog->findChild<QCheckBox*>("chkInsert");
        // North, turning right through east to south.
        QCOMPARE(calculateArc(dialog, {"0", "0", "100", "100", "0", "200"}),
                 "0.0000 100.0000 100.0000 " + QString::number(100 * M_PI, 'f', 4) +
                     " 0.0000000 180.0000000");
        // Points on a line: the arc calculated before is neither shown nor
        // inserted.
        QCOMPARE(calculateArc(dialog, {"0", "0", "10", "10", "20", "20"}),
                 QString("warning: the three points are on a line!"));
        insert->click();
        clickButton(dialog, "btnDone");
        QCOMPARE(model->rowCount(), 6);
        // An arc before the last line, far from where the one before ends.
        QCOMPARE(openArcDialog(), dialog);
        calculateArc(dialog, {"500", "500", "600", "600", "500", "700"});
        insert->click();
        clickButton(dialog, "btnDone");
        QVERIFY(!insert->isChecked());
        QCOMPARE(
            model->cellText(4, M::ElementColumn) + ' ' + model->cellText(4, M::EndRadiusColumn),
            QString("Arc 100.0000"));
        QVERIFY(model->isChecked(4, M::NorthColumn) && model->isChecked(4, M::StartAzimuthColumn));
        click("pushButton_6");
        const RoadEntity &before = *theRoad.GetHorizon(4), &arc = *theRoad.GetHorizon(5);
        QCOMPARE(QPointF(arc.x1, arc.y1), QPointF(500, 500));
        QVERIFY(std::fabs(arc.angle1) < 1e-9);
        QCOMPARE(arc.l1, before.l1 + before.length);
        // The line after it goes on from the arc's end.
        const RoadEntity& line = *theRoad.GetHorizon(6);
        QVERIFY(std::hypot(line.x1 - 500, line.y1 - 700) < 1e-3);

        // After the last element the row above becomes current: the End row
        // cannot be. The road is untouched until Apply.
        QTableView* view = elementView();
        selectElement(1);
        click("pushButton_5");
        QCOMPARE(view->currentIndex().row(), 1);
        QCOMPARE(model->cellText(1, M::ElementColumn), QString("Arc"));
        selectElement(4);
        click("pushButton_5");
        QCOMPARE(view->currentIndex().row(), 3);
        view->setCurrentIndex(QModelIndex());
        click("pushButton_5");
        QCOMPARE(model->rowCount(), 5);
        QCOMPARE(theRoad.NumberOfHorizon(), 7);
        selectElement(0);
        for (int i = 0; i < 4; ++i)
            click("pushButton_5");
        click("pushButton_6");
        QCOMPARE(theRoad.NumberOfHorizon(), 0);
    }

    // A refused Apply on either tab leaves the road as it was and the rows
    // as typed, for correction. Deleted PI rows that leave an end keep it
    // without a curve.
    void refusedApplyKeepsTheRoadAndTheRows()
    {
        QVERIFY(loadExampleRoad());
        const QString before = roadFields(theRoad);
        const CrossEntity second = *theRoad.GetCross(1);
        show(1);
        // The third element becomes an arc without radius.
        QVERIFY(typeElement(2, M::ElementColumn, "Arc"));
        QVERIFY(typeElement(2, M::StartRadiusColumn, ""));
        QCOMPARE(boxRaisedBy([&] { click("pushButton_6"); }),
                 QString("warning: Radius of arc should not be ZERO!"));
        QCOMPARE(roadFields(theRoad), before);
        QVERIFY(!theRoad.IsModified());

        // The second point's arc of 310 m, cut short: the curve misses its legs.
        dialog_->findChild<QTabWidget*>("tabWidget")->setCurrentIndex(0);
        designCurve(1, H::SpiralArcSpiralCurve, {"800", "150"});
        const QStringList failure = applyPoints();
        QCOMPARE(failure.value(0), QString("warning: the 2 intersection point is wrong defined!"));
        QVERIFY2(failure.value(1).startsWith("Its curve turns by "), qPrintable(failure.value(1)));
        QCOMPARE(roadFields(theRoad), before);
        QVERIFY(!theRoad.IsModified());
        QVERIFY(!history()->canUndo());
        QCOMPARE(crossValue(1, H::ArcLengthRole), 150.0);
        QCOMPARE(elements()->cellText(2, M::StartRadiusColumn), QString("0.000"));

        // The new end point, then the new start point, lose their curves.
        for (const auto& [deleted, end] : {std::pair(5, 4), std::pair(0, 0)}) {
            selectCross(deleted);
            click("pushButtonDelete");
            QCOMPARE(crossTable()->currentRow(), end);
            QCOMPARE(crossKind(end), int(H::NoCurve));
            QCOMPARE(crossValue(end, H::TangentInRole), 0.0);
        }
        // The road starts at the start point as the table shows it.
        QCOMPARE(applyPoints(), QStringList());
        const RoadEntity& line = *theRoad.GetHorizon(1);
        QVERIFY(std::hypot(line.x1 - second.x, line.y1 - second.y) < 1e-3);
        QCOMPARE(QString::number(line.l1, 'f', 3), QString::number(second.l, 'f', 3));

        // Deleting an inner row shows the row that moved into its place. Two
        // points are too few to convert: the road only loses its points.
        selectCross(1);
        click("pushButtonDelete");
        QCOMPARE(crossTable()->currentRow(), 1);
        click("pushButtonDelete");
        const int elements = theRoad.NumberOfHorizon();
        click("pushButtonApply");
        QCOMPARE(theRoad.NumberOfCross(), 0);
        QCOMPARE(theRoad.NumberOfHorizon(), elements);
    }

    // The main window opens the dialog on the plan. An engineer designs a
    // curve by radius and spirals; its arc follows from the turn of the
    // legs, which the table shows. Curves that do not fit are explained.
    // Ctrl+Alt+O and I save and load PI files.
    void arcFollowsFromTheTurnOfTheLegs()
    {
        answering({choose(VANTOREL_EXAMPLES "/traverse-12.dat")},
                  [&] { window_->onImport("Cass Data"); });
        window_->findChild<QAction*>("actionVerticalView")->trigger();
        const QPointer<HorizonDialog> dialog = dialog_ = open<HorizonDialog>("actionHorizon");
        QVERIFY(dialog);
        QVERIFY(window_->findChild<QAction*>("actionHorizonView")->isChecked());
        // The turn of the legs at point i of the road, as the library has it.
        const auto legsTurnAt = [](int i) {
            return legDeflection(*theRoad.GetCross(i - 1), *theRoad.GetCross(i),
                                 *theRoad.GetCross(i + 1));
        };
        for (int row = 1; row < 11; ++row) {
            const double turn = legsTurnAt(row);
            QCOMPARE(crossText(row, H::DeflectionColumn),
                     QString::number(rad2dms(std::fabs(turn)), 'f', 7) + (turn > 0 ? " R" : " L"));
        }
        // Spirals that turn further than the legs, with the longest that fit.
        const double turn = std::fabs(legsTurnAt(1));
        designCurve(1, H::SpiralArcSpiralCurve, {"400", "", "300", "300"});
        const QString limit = QString::number(fitArc(400, 300, 300, turn).spiralInLimit, 'f', 3);
        QCOMPARE(applyPoints(),
                 QStringList({"warning: the 2 intersection point is wrong defined!",
                              "Its spirals of 300.000 m and 300.000 m turn further than its legs, "
                              "which turn by " +
                                  crossText(1, H::DeflectionColumn) + ": spirals of at most " +
                                  limit + " m and " + limit + " m leave room for an arc."}));
        // Arcs of radius 500 at points 2 and 3: their tangents, R tan(Δ/2),
        // overlap on the 238 m between the points.
        designCurve(1, H::ArcCurve, {"500", ""});
        designCurve(2, H::ArcCurve, {"500", ""});
        const CrossEntity &p2 = *theRoad.GetCross(1), &p3 = *theRoad.GetCross(2);
        const double overlap = 500 * std::tan(turn / 2) +
                               500 * std::tan(std::fabs(legsTurnAt(2)) / 2) -
                               std::hypot(p3.x - p2.x, p3.y - p2.y);
        QCOMPARE(applyPoints().value(1),
                 "The tangents of the 2 and the 3 intersection point overlap by " +
                     QString::number(overlap, 'f', 3) +
                     " m: shorten their curves or move the points apart.");

        designCurve(2, H::NoCurve, {});
        designCurve(1, H::SpiralArcSpiralCurve, {"400", "", "60", "60"});
        const QString arc = QString::number(400 * turn - 60, 'f', 3);
        QCOMPARE(field("deflectionEdit")->text(), crossText(1, H::DeflectionColumn));
        QCOMPARE(field("lengthEdit")->placeholderText(), arc);
        QCOMPARE(crossText(1, H::ArcColumn), arc);
        QCOMPARE(crossTable()->item(1, H::ArcColumn)->foreground().color(), H::kComputedCellColour);
        QCOMPARE(applyPoints(), QStringList());
        QVERIFY(std::fabs(theRoad.GetHorizon(3)->length - (400 * turn - 60)) < 1e-3);
        // Still computed: moving the next point changes the arc with it.
        QVERIFY(typeCross(2, H::XColumn, "3381600"));
        QVERIFY(crossText(1, H::ArcColumn) != arc);

        const int points = theRoad.NumberOfCross(), steps = history()->count();
        const auto keys = [this](Qt::Key key, const QString& file, Qt::KeyboardModifiers more) {
            return answering({choose(file), press(QMessageBox::Ok)}, [&] {
                QTest::keyClick(crossTable(), key, Qt::ControlModifier | Qt::AltModifier | more);
            });
        };
        const QString file = dir_.filePath(QString::fromUtf8("交点-PI.cross"));
        keys(Qt::Key_O, file, {});
        theRoad.ClearCross();
        QCOMPARE(keys(Qt::Key_I, file, Qt::ShiftModifier), QStringList("unanswered"));
        keys(Qt::Key_I, file, {});
        QCOMPARE(theRoad.NumberOfCross(), points);
        QCOMPARE(history()->undoText(), QString("Load intersection points"));
        // A file that is no PI file costs the road nothing.
        writeFile(dir_.filePath("bad.cross"), "1,2,3,4,5,6\n\nnot a point\n");
        QCOMPARE(keys(Qt::Key_I, dir_.filePath("bad.cross"), {}).last(),
                 QString("warning: load cross file failed"));
        QCOMPARE(theRoad.NumberOfCross(), points);
        QCOMPARE(history()->count(), steps + 1);
        click("pushButtonClose");
        QTRY_VERIFY(dialog.isNull());
    }
};

QTEST_MAIN(HorizonDialogTest)
#include "horizondialog_test.moc"
