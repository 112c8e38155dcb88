// The profile editor driven as a user would: rows inserted and typed into,
// "Apply", the refused profiles and the blank-looking radius cells.
#include "editors/verticaldialog.h"
#include "dialogtest.h"
#include "views/vgraphicsitem.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QStackedWidget>

#include <array>

namespace {

void makeProfile(std::initializer_list<std::array<double, 3>> points)
{
    for (const auto& [mile, height, radius] : points) {
        VerticalEntity v;
        v.mile = mile;
        v.height = height;
        v.radius = radius;
        theRoad.InsertVertical(v);
    }
    theRoad.ApplyVertical();
    theRoad.SetModified(false);
}

double elevationAt(double mile)
{
    double height = -1;
    theRoad.CalElevation(mile, &height, nullptr);
    return height;
}

}  // namespace

class VerticalDialogTest : public DialogTest
{
    Q_OBJECT

private:
    VerticalDialog* dialog_ = nullptr;

    QTableWidget* table() const { return dialog_->findChild<QTableWidget*>("tableWidget"); }
    void insert() const { clickButton(dialog_, "pushButton"); }
    void remove() const { clickButton(dialog_, "pushButton_2"); }
    QString apply() const
    {
        return boxRaisedBy([this] { clickButton(dialog_, "pushButton_3"); });
    }
    void select(int row) const { clickCell(table(), table()->model()->index(row, 0)); }
    bool type(int row, int column, const QString& text) const
    {
        return typeIntoCell(table(), table()->model()->index(row, column), text);
    }
    QString text(int row, int column) const
    {
        return table()->item(row, column) ? table()->item(row, column)->text() : QString();
    }
    // How each row's radius cell looks: '-' blank (gray on gray), 'o'
    // ordinary (black on white).
    QString radiusLook() const
    {
        QString look;
        for (int row = 0; row < table()->rowCount(); ++row) {
            const QTableWidgetItem* cell = table()->item(row, VerticalDialog::RadiusColumn);
            const QColor back = cell ? cell->background().color() : QColor();
            const QColor fore = cell ? cell->foreground().color() : QColor();
            if (back == VerticalDialog::kBlankCellColour && fore == back)
                look += '-';
            else
                look += back == Qt::white && fore == Qt::black ? 'o' : '?';
        }
        return look;
    }

private slots:
    void fourPointsAppliedGiveTheProfileAtCrestAndSag()
    {
        QVERIFY(dialog_ = open<VerticalDialog>("actionVertical"));
        QCOMPARE(window_->findChild<QStackedWidget*>("stackedWidget")->currentIndex(), 1);
        const int emptyRows = table()->rowCount();
        for (int i = 0; i < 4; ++i)
            insert();
        // Grades +2 %, -2 %, +1.5 %; a crest at 400 and a sag at 800. The
        // radius typed into the first row does not count.
        const char* const rows[][3] = {{"0", "100", "999"},
                                       {"400", "108", "4000"},
                                       {"800", "100", "6000"},
                                       {"1200", "106", ""}};
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 3; ++column)
                QVERIFY(type(row, column, rows[row][column]));
        QCOMPARE(apply(), QString());
        checkUndoRedo("Apply profile", roadFields(RoadSet()));
        // The open dialog shows the road undone and redone.
        window_->findChild<QAction*>("actionUndo")->trigger();
        QCOMPARE(table()->rowCount(), emptyRows);
        window_->findChild<QAction*>("actionRedo")->trigger();
        QCOMPARE(table()->rowCount(), 4);

        QVERIFY(theRoad.IsModified());
        QCOMPARE(theRoad.NumberOfVertical(), 4);
        QCOMPARE(theRoad.GetVertical(0)->radius, 0.0);
        QCOMPARE(theRoad.GetVertical(1)->tangent, 80.0);   // 0.04 * 4000 / 2
        QCOMPARE(theRoad.GetVertical(2)->tangent, 105.0);  // 0.035 * 6000 / 2
        QCOMPARE(elevationAt(200), 104.0);
        QCOMPARE(elevationAt(400), 108 - 80.0 * 80 / 8000);
        QCOMPARE(elevationAt(800), 100 + 105.0 * 105 / 12000);
        QCOMPARE(elevationAt(850), 100 + 50 * 0.015 + 55.0 * 55 / 12000);
        QCOMPARE(elevationAt(1200), 106.0);
        // The profile view was redrawn: three grade lines and two curves.
        int pieces = 0;
        for (QGraphicsItem* item : window_->findChild<QGraphicsView*>("verticalView")->items())
            pieces += dynamic_cast<VGraphicsItem*>(item) != nullptr;
        QCOMPARE(pieces, 5);
    }

    void refusedAppliesKeepTheProfile()
    {
        makeProfile({{0, 100, 0}, {300, 106, 4000}, {600, 103, 0}});
        const QString before = roadFields(theRoad);
        QVERIFY(dialog_ = open<VerticalDialog>("actionVertical"));
        QCOMPARE(text(1, VerticalDialog::MileColumn), QString("300.000"));
        QCOMPARE(text(1, VerticalDialog::RadiusColumn), QString("4000.000"));
        QCOMPARE(text(0, VerticalDialog::RadiusColumn), QString());
        QCOMPARE(radiusLook(), QString("-o-"));

        // Equal stations; the table keeps what the user typed.
        QVERIFY(type(2, VerticalDialog::MileColumn, "300"));
        QCOMPARE(apply(), QString("warning: mile is less than the prev!"));
        QCOMPARE(roadFields(theRoad), before);
        QCOMPARE(text(2, VerticalDialog::MileColumn), QString("300"));

        select(2);
        remove();
        remove();
        QCOMPARE(apply(), QString("warning: vertical curve is less than two!"));
        QCOMPARE(roadFields(theRoad), before);
        QVERIFY(!theRoad.IsModified());
        QVERIFY(!history()->canUndo());
    }

    void radiusCellsOfTheEndRowsReadAsBlank()
    {
        QVERIFY(dialog_ = open<VerticalDialog>("actionVertical"));
        insert();
        insert();
        QCOMPARE(radiusLook(), QString("--"));
        insert();  // a new last row: the former last one becomes an inner row
        QCOMPARE(radiusLook(), QString("-o-"));
        QCOMPARE(table()->currentRow(), 2);
        select(0);
        insert();  // after the first row
        QCOMPARE(radiusLook(), QString("-oo-"));
        QCOMPARE(table()->currentRow(), 1);

        select(3);
        remove();  // the last row: the row before it becomes the last
        QCOMPARE(radiusLook(), QString("-o-"));
        QCOMPARE(table()->currentRow(), 2);
        select(0);
        remove();  // the first row: the next becomes the first
        QCOMPARE(radiusLook(), QString("--"));
        QCOMPARE(table()->currentRow(), 0);
        table()->setCurrentCell(-1, -1);
        insert();  // no current row: the new row goes first
        QCOMPARE(radiusLook(), QString("-o-"));
        QCOMPARE(table()->currentRow(), 0);
    }
};

QTEST_MAIN(VerticalDialogTest)
#include "verticaldialog_test.moc"
