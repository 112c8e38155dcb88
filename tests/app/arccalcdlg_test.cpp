// The arc through three points: its results, its reset, and the arc handed
// to the element table from the table's context menu.
#include "editors/arccalcdlg.h"
#include "globals.h"
#include "horizondialogdriver.h"
#include "modalanswer.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLoggingCategory>
#include <QMenu>
#include <QPointer>
#include <QStandardItemModel>

#include <cmath>

namespace {

const char* const kResultFields[] = {"editX",     "editY", "editStAzi",
                                     "editEdAzi", "editR", "editLen"};

// Types the three points into the dialog's table, row by row.
void typePoints(ArcCalcDlg* dialog, const QStringList& coordinates)
{
    auto* view = dialog->findChild<QTableView*>("tableView");
    for (int i = 0; i < coordinates.size(); ++i)
        QVERIFY(typeIntoCell(view, view->model()->index(i / 2, i % 2), coordinates[i]));
}

QString field(ArcCalcDlg* dialog, const char* name)
{
    return dialog->findChild<QLineEdit*>(name)->text();
}

QAbstractButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QAbstractButton*>(name);
}

}  // namespace

class ArcCalcDlgTest : public QObject
{
    Q_OBJECT

private:
    QPointer<HorizonDialog> horizon_;

    // The arc dialog as the element table's context menu opens it.
    ArcCalcDlg* openFromContextMenu(const HorizonDialogParts& parts)
    {
        QTableView* view = parts.elementView();
        const QPoint where = view->viewport()->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, where,
                                view->viewport()->mapToGlobal(where));
        QApplication::sendEvent(view->viewport(), &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || menu->actions().size() != 1)
            return nullptr;
        QAction* action = menu->actions().first();
        if (action->text() != "Arc From 3 points")
            return nullptr;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        auto* dialog = horizon_->findChild<ArcCalcDlg*>();
        return dialog && dialog->isVisible() && dialog->isModal() ? dialog : nullptr;
    }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("default.debug=false"); }

    void init()
    {
        theRoad.NewRoad();
        horizon_ = new HorizonDialog;
        horizon_->show();
    }

    void cleanup() { delete horizon_; }

    void calculateShowsTheCircle()
    {
        auto* dialog = horizon_->findChild<ArcCalcDlg*>();
        dialog->show();
        auto* points =
            qobject_cast<QStandardItemModel*>(dialog->findChild<QTableView*>("tableView")->model());
        QCOMPARE(points->verticalHeaderItem(1)->text(), QString("Middle Point"));
        QCOMPARE(points->horizontalHeaderItem(1)->text(), QString("Y(E)"));
        typePoints(dialog, {"0", "0", "100", "100", "0", "200"});
        click(button(dialog, "btnCalc"));
        QCOMPARE(field(dialog, "editX"), QString("0.0000"));
        QCOMPARE(field(dialog, "editY"), QString("100.0000"));
        QCOMPARE(field(dialog, "editR"), QString("100.0000"));
        QCOMPARE(field(dialog, "editLen"), QString::number(100 * M_PI, 'f', 4));
        // North, turning right through east to south.
        QCOMPARE(field(dialog, "editStAzi"), QString("0.0000000"));
        QCOMPARE(field(dialog, "editEdAzi"), QString("180.0000000"));

        click(button(dialog, "btnReFill"));
        for (const char* name : kResultFields)
            QCOMPARE(field(dialog, name), QString());
        QCOMPARE(points->data(points->index(2, 1)).toString(), QString());
        QCOMPARE(dialog->arc().length, 0.0);
    }

    void collinearPointsGiveNoArc()
    {
        auto* dialog = horizon_->findChild<ArcCalcDlg*>();
        dialog->show();
        typePoints(dialog, {"0", "0", "100", "100", "0", "200"});
        click(button(dialog, "btnCalc"));
        typePoints(dialog, {"0", "0", "10", "10", "20", "20"});
        ModalAnswers answers({press(QMessageBox::Ok)});
        click(button(dialog, "btnCalc"));
        QCOMPARE(answers.seen(), QStringList("warning: the three points are on a line!"));
        // Neither shown nor inserted: that arc belonged to other points.
        QCOMPARE(field(dialog, "editR"), QString());
        const HorizonDialogParts parts(horizon_);
        const int rows = parts.elements()->rowCount();
        dialog->findChild<QCheckBox*>("chkInsert")->setChecked(true);
        click(button(dialog, "btnDone"));
        QCOMPARE(parts.elements()->rowCount(), rows);
    }

    void doneWithoutInsertLeavesTheTableAndClears()
    {
        const HorizonDialogParts parts(horizon_);
        parts.showElementTab();
        ArcCalcDlg* dialog = openFromContextMenu(parts);
        QVERIFY(dialog);
        typePoints(dialog, {"0", "0", "100", "100", "0", "200"});
        click(button(dialog, "btnCalc"));
        click(button(dialog, "btnDone"));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(parts.elements()->rowCount(), 1);
        QCOMPARE(field(dialog, "editR"), QString());
    }

    void insertedArcKeepsItsOwnStartAndAzimuth()
    {
        const HorizonDialogParts parts(horizon_);
        parts.showElementTab();
        // Two lines heading east from (0, 0).
        click(parts.button("pushButton_4"));
        QVERIFY(parts.typeElement(0, MyItemModel::StartAzimuthColumn, "90"));
        QVERIFY(parts.typeElement(0, MyItemModel::LengthColumn, "100"));
        click(parts.button("pushButton_4"));
        QVERIFY(parts.typeElement(1, MyItemModel::ElementColumn, "Line"));
        QVERIFY(parts.typeElement(1, MyItemModel::LengthColumn, "50"));

        // An arc between them, far from where the first line ends.
        parts.selectElement(1);
        ArcCalcDlg* dialog = openFromContextMenu(parts);
        QVERIFY(dialog);
        typePoints(dialog, {"500", "500", "600", "600", "500", "700"});
        click(button(dialog, "btnCalc"));
        dialog->findChild<QCheckBox*>("chkInsert")->click();
        click(button(dialog, "btnDone"));
        QVERIFY(!dialog->findChild<QCheckBox*>("chkInsert")->isChecked());

        const MyItemModel* model = parts.elements();
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(model->cellText(1, MyItemModel::ElementColumn), QString("Arc"));
        QCOMPARE(model->cellText(1, MyItemModel::NorthColumn), QString("500.0000"));
        QCOMPARE(model->cellText(1, MyItemModel::StartAzimuthColumn), QString("0.0000000"));
        QCOMPARE(model->cellText(1, MyItemModel::EndRadiusColumn), QString("100.0000"));
        QCOMPARE(model->cellText(1, MyItemModel::StakeColumn), QString());
        QVERIFY(model->isChecked(1, MyItemModel::NorthColumn));
        QVERIFY(model->isChecked(1, MyItemModel::StartAzimuthColumn));
        QCOMPARE(model->cellText(2, MyItemModel::LengthColumn), QString("50.000"));

        click(parts.button("pushButton_6"));
        QCOMPARE(theRoad.NumberOfHorizon(), 4);
        const RoadEntity& arc = *theRoad.GetHorizon(2);
        QCOMPARE(arc.type, 2);
        QCOMPARE(arc.mode, 3);
        QCOMPARE(arc.x1, 500.0);
        QCOMPARE(arc.y1, 500.0);
        QVERIFY(std::fabs(arc.angle1) < 1e-9);
        QCOMPARE(arc.l1, 100.0);
        // The line after it goes on from the arc's end.
        const RoadEntity& line = *theRoad.GetHorizon(3);
        QVERIFY(std::hypot(line.x1 - 500, line.y1 - 700) < 1e-3);
    }
};

QTEST_MAIN(ArcCalcDlgTest)
#include "arccalcdlg_test.moc"
