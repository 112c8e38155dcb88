// The profile editor driven as a user would: rows inserted and typed into,
// "Apply", the refused profiles and the blank-looking radius cells.
#include "editors/verticaldialog.h"
#include "dialogtest.h"
#include "views/vgraphicsitem.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QStackedWidget>

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
    QString text(int row, int column) const { return table()->item(row, column)->text(); }
    // How each row's radius cell looks: '-' blank (gray on gray), 'o'
    // ordinary (black on white).
    QString radiusLook() const
    {
        QString look;
        for (int row = 0; row < table()->rowCount(); ++row) {
            const QTableWidgetItem* cell = table()->item(row, VerticalDialog::RadiusColumn);
            const QColor back = cell->background().color(), fore = cell->foreground().color();
            look += back == VerticalDialog::kBlankCellColour && fore == back ? '-'
                    : back == Qt::white && fore == Qt::black                 ? 'o'
                                                                             : '?';
        }
        return look;
    }

private slots:
    void rowsInsertedDeletedTypedAndApplied()
    {
        QVERIFY(dialog_ = open<VerticalDialog>("actionVertical"));
        QCOMPARE(window_->findChild<QStackedWidget*>("stackedWidget")->currentIndex(), 1);
        // Rows go after the current one; the radius cells of the end rows
        // read as blank. The row clicked first (-1: none), Insert (+) or
        // Delete (-), the look of the radius cells and the current row after.
        const std::tuple<int, char, const char*, int> steps[] = {
            {-1, '+', "-", 0},   {-1, '+', "--", 1}, {-1, '+', "-o-", 2},
            {0, '+', "-oo-", 1}, {3, '-', "-o-", 2}, {0, '-', "--", 0}};
        for (const auto& [row, action, look, current] : steps) {
            if (row >= 0)
                select(row);
            action == '+' ? insert() : remove();
            QCOMPARE(radiusLook(), QString(look));
            QCOMPARE(table()->currentRow(), current);
        }
        table()->setCurrentCell(-1, -1);
        insert();  // no current row: the new row goes first
        QCOMPARE(radiusLook(), QString("-o-"));
        QCOMPARE(table()->currentRow(), 0);
        insert();

        // Grades +2 %, -2 %, +1.5 %; a crest at 400 and a sag at 800. The
        // radius typed into the first row does not count.
        const QStringList typed{"0",   "100", "999",  "400",  "108", "4000",
                                "800", "100", "6000", "1200", "106", ""};
        for (int i = 0; i < typed.size(); ++i)
            QVERIFY(type(i / 3, i % 3, typed[i]));
        QCOMPARE(apply(), QString());
        checkUndoRedo("Apply profile", roadFields(RoadSet()));
        // The open dialog shows the road undone and redone.
        window_->findChild<QAction*>("actionUndo")->trigger();
        QCOMPARE(table()->rowCount(), 0);
        window_->findChild<QAction*>("actionRedo")->trigger();
        QCOMPARE(table()->rowCount(), 4);
        QCOMPARE(theRoad.GetVertical(0)->radius, 0.0);
        QCOMPARE(theRoad.GetVertical(1)->tangent, 80.0);   // 0.04 * 4000 / 2
        QCOMPARE(theRoad.GetVertical(2)->tangent, 105.0);  // 0.035 * 6000 / 2
        // The profile view was redrawn: three grade lines and two curves.
        int pieces = 0;
        for (QGraphicsItem* item : window_->findChild<QGraphicsView*>("verticalView")->items())
            pieces += dynamic_cast<VGraphicsItem*>(item) != nullptr;
        QCOMPARE(pieces, 5);
    }

    void refusedAppliesKeepTheProfile()
    {
        QVERIFY(loadExampleRoad());
        const QString before = roadFields(theRoad);
        QVERIFY(dialog_ = open<VerticalDialog>("actionVertical"));
        QCOMPARE(text(1, VerticalDialog::MileColumn), QString("650.000"));
        QCOMPARE(text(1, VerticalDialog::RadiusColumn), QString("8000.000"));
        QCOMPARE(text(0, VerticalDialog::RadiusColumn), QString());
        QCOMPARE(radiusLook(), QString("-oooo-"));

        // Equal stations; the table keeps what the user typed.
        QVERIFY(type(2, VerticalDialog::MileColumn, "650"));
        QCOMPARE(apply(), QString("warning: mile is less than the prev!"));
        QCOMPARE(roadFields(theRoad), before);
        QCOMPARE(text(2, VerticalDialog::MileColumn), QString("650"));

        select(2);
        for (int i = 0; i < 5; ++i)
            remove();
        QCOMPARE(apply(), QString("warning: vertical curve is less than two!"));
        QCOMPARE(roadFields(theRoad), before);
        QVERIFY(!theRoad.IsModified());
        QVERIFY(!history()->canUndo());
    }
};

QTEST_MAIN(VerticalDialogTest)
#include "verticaldialog_test.moc"
